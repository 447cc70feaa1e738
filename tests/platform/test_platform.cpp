#include "platform/Browser.h"
#include "platform/InstanceGuard.h"
#include "platform/Process.h"
#include "platform/SettingsStore.h"
#include "platform/TopWindow.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>
#include <QWidget>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <stdexcept>
#include <string>

using lunetra::platform::InstanceGuard;
using lunetra::platform::SettingsStore;

namespace {

constexpr const char* HoldLockMode = "--hold-lock";
constexpr const char* EndMode = "--end-process";

// Sets, or for a null value removes, an environment variable until the end of the scope.
class EnvironmentOverride {
public:
    EnvironmentOverride(const char* name, const QByteArray& value)
        : m_name(name)
        , m_wasSet(qEnvironmentVariableIsSet(name))
        , m_previous(qgetenv(name)) {
        value.isNull() ? qunsetenv(name) : qputenv(name, value);
    }
    ~EnvironmentOverride() { m_wasSet ? qputenv(m_name, m_previous) : qunsetenv(m_name); }

private:
    const char* m_name;
    bool m_wasSet;
    QByteArray m_previous;
};

QByteArray ReadFile(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<unreadable>");
}

} // namespace

class TestPlatform : public QObject {
    Q_OBJECT

private slots:
    void browserGetsTheAddressAsOneUnchangedArgument() {
#ifdef _WIN32
        QSKIP("The shell opens addresses here; there is no opener program to stand in for.");
#endif
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
#ifdef __APPLE__
        QFile opener(dir.filePath(QStringLiteral("open")));
#else
        QFile opener(dir.filePath(QStringLiteral("xdg-open")));
#endif
        // Records its argument count and first argument; the count comes last, so once it is
        // there the record is complete.
        QVERIFY(opener.open(QIODevice::WriteOnly));
        opener.write("#!/bin/sh\nd=$(dirname \"$0\")\nprintf '%s' \"$1\" > \"$d/arg\"\n"
                     "printf '%s' \"$#\" > \"$d/count.tmp\"\nmv \"$d/count.tmp\" \"$d/count\"\n");
        opener.close();
        QVERIFY(opener.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner));
        const EnvironmentOverride path("PATH",
                                       QFile::encodeName(dir.path()) + ':' + qgetenv("PATH"));
        QByteArray address("http://h.example/?taf1=Zoë  Ünal&taf2=a=b?c#d&taf3=Your Message\r\n"
                           "&taf4=O'Brien \"JL\"&taf5=$(touch {dir}/pwned)`touch {dir}/pwned`");
        address.replace("{dir}", QFile::encodeName(dir.path()));

        lunetra::platform::OpenInBrowser(address.toStdString());

        QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(dir.filePath(QStringLiteral("count"))), 10000);
        QCOMPARE(ReadFile(dir.filePath(QStringLiteral("count"))), QByteArray("1"));
        QCOMPARE(ReadFile(dir.filePath(QStringLiteral("arg"))), address);
        QVERIFY2(!QFile::exists(dir.filePath(QStringLiteral("pwned"))), "a command was run");
    }

    void missingBrowserIsSilent() {
        QTemporaryDir dir;
        const EnvironmentOverride path("PATH", QFile::encodeName(dir.path()));
        QElapsedTimer clock;
        clock.start();
        lunetra::platform::OpenInBrowser("http://www.lunetra.example/");
        QVERIFY(clock.elapsed() < 2000);
    }

    void settingsStore() {
        QTemporaryDir dir;
        const std::string path = dir.filePath(QStringLiteral("s.ini")).toStdString();
        const std::string value = "Zoë \"q\" a, b\\\r\n[Settings] k=v;#";
        SettingsStore::atFile(path).write("Settings", "ReminderDate", value);
        const SettingsStore reopened = SettingsStore::atFile(path);
        QCOMPARE(reopened.read("Settings", "ReminderDate"), value);
        QCOMPARE(reopened.read("Settings", "Other"), std::string());
        QCOMPARE(reopened.read("Other", "ReminderDate"), std::string());
        // A folder where the file should be cannot be written by anyone.
        SettingsStore folder = SettingsStore::atFile(dir.path().toStdString());
        QVERIFY_THROWS_EXCEPTION(std::runtime_error, folder.write("Settings", "K", "v"));
    }

    void instanceGuard() {
        QTemporaryDir dir;
        const std::string lockDir = dir.path().toStdString();
        InstanceGuard first("Lunetra", lockDir), second("Lunetra", lockDir);
        QVERIFY(first.isFirstInstance());
        QVERIFY(!second.isFirstInstance());
        first.release();
        QVERIFY(second.isFirstInstance());
        QVERIFY(!first.isFirstInstance());
    }

    void killedInstanceDoesNotBlock() {
        QTemporaryDir dir;
        const std::string lockDir = dir.path().toStdString();
        QProcess holder;
        holder.start(QCoreApplication::applicationFilePath(),
                     {QString::fromLatin1(HoldLockMode), dir.path()});
        QVERIFY(holder.waitForReadyRead(10000));
        QCOMPARE(holder.readLine(), QByteArray("locked\n"));
        QVERIFY(!InstanceGuard("Lunetra", lockDir).isFirstInstance());
        holder.kill(); // SIGKILL: no chance to tidy up
        QVERIFY(holder.waitForFinished(10000));
        QVERIFY(InstanceGuard("Lunetra", lockDir).isFirstInstance());
    }

    void endProcessEndsAtOnce() {
        QProcess child;
        child.start(QCoreApplication::applicationFilePath(), {QString::fromLatin1(EndMode)});
        QVERIFY(child.waitForFinished(10000));
        QCOMPARE(child.exitStatus(), QProcess::NormalExit);
        QCOMPARE(child.exitCode(), 3);
        QCOMPARE(child.readAllStandardOutput(), QByteArray()); // no atexit handler, no flush
    }

    void hasDisplay() {
#if defined(_WIN32) || defined(__APPLE__)
        QSKIP("There is always a display here.");
#endif
        const QByteArray unset, empty("");
        const struct {
            QByteArray x11, wayland, platform;
            bool expected;
        } rows[] = {{unset, unset, unset, false},
                    {empty, empty, empty, false},
                    {":0", unset, empty, true},
                    {empty, "wayland-0", unset, true},
                    {unset, empty, "offscreen", true}};
        for (const auto& row : rows) {
            const EnvironmentOverride x11("DISPLAY", row.x11),
                wayland("WAYLAND_DISPLAY", row.wayland), platform("QT_QPA_PLATFORM", row.platform);
            QCOMPARE(lunetra::platform::HasDisplay(), row.expected);
        }
    }

    void keepOnTop() {
        QWidget hidden, shown;
        shown.show();
        QVERIFY(QTest::qWaitForWindowExposed(&shown));
        for (QWidget* window : {&hidden, &shown}) {
            lunetra::platform::KeepOnTopWithoutActivating(window);
            QVERIFY(window->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
            QVERIFY(window->testAttribute(Qt::WA_ShowWithoutActivating));
        }
        QVERIFY(!hidden.isVisible());
        QVERIFY(shown.isVisible());
    }
};

int main(int argc, char** argv) {
    // Child runs: hold the lock until killed, or end the process with clean-up still pending.
    if (argc == 3 && std::strcmp(argv[1], HoldLockMode) == 0) {
        InstanceGuard guard("Lunetra", argv[2]);
        std::puts(guard.isFirstInstance() ? "locked" : "busy");
        std::fflush(stdout);
        QThread::sleep(60);
        return 2;
    }
    if (argc == 2 && std::strcmp(argv[1], EndMode) == 0) {
        std::atexit([] { std::fputs("cleaned up", stdout); });
        std::fputs("pending", stdout);
        lunetra::platform::EndProcess(3);
    }
    QApplication app(argc, argv);
    TestPlatform test;
    return QTest::qExec(&test, argc, argv);
}

#include "test_platform.moc"
