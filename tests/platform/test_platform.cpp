#include "platform/Browser.h"
#include "platform/InstanceGuard.h"
#include "platform/Process.h"
#include "platform/SettingsStore.h"
#include "platform/TopWindow.h"

#include <QApplication>
#include <QDeadlineTimer>
#include <QFile>
#include <QProcess>
#include <QScopeGuard>
#include <QSysInfo>
#include <QTemporaryDir>
#include <QTest>
#include <QWidget>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <stdexcept>
#include <string>

using namespace lunetra::platform;

static const QString HoldLockMode = "--hold-lock", EndMode = "--end-process";

// Sets, or for a null value removes, an environment variable until the guard ends.
[[nodiscard]] static auto Override(const char* name, const QByteArray& value) {
    auto set = [name](const QByteArray& v) { v.isNull() ? qunsetenv(name) : qputenv(name, v); };
    const QByteArray previous = qgetenv(name);
    set(value);
    return qScopeGuard([=] { set(previous); });
}

class TestPlatform : public QObject {
    Q_OBJECT
    const QTemporaryDir dir; // each test uses file names of its own in it

private slots:
    void browserGetsTheAddressAsOneUnchangedArgument() {
#ifdef _WIN32
        QSKIP("The shell opens addresses here; there is no opener program to stand in for.");
#endif
        // Records its argument count and first argument, complete once the record appears.
        const auto opener = dir.filePath(QSysInfo::productType() == "macos" ? "open" : "xdg-open");
        std::ofstream(opener.toStdString())
            << "#!/bin/sh\nprintf '%s %s' \"$#\" \"$1\" >\"$0.t\" && mv \"$0.t\" \"$0.log\"";
        QVERIFY(QFile::setPermissions(opener, QFile::ReadOwner | QFile::ExeOwner));
        const auto path = Override("PATH", QFile::encodeName(dir.path()) + ':' + qgetenv("PATH"));
        QByteArray address("http://h.example/?taf1=Zoë  Ünal&taf2=a=b?c#d&taf3=Your Message\r\n"
                           "&taf4=O'Brien \"JL\"&taf5=$(touch {dir}/pwned)`touch {dir}/pwned`");
        address.replace("{dir}", QFile::encodeName(dir.path()));
        OpenInBrowser(address.toStdString());
        QFile record(opener + ".log");
        QTRY_VERIFY_WITH_TIMEOUT(record.isOpen() || record.open(QIODevice::ReadOnly), 10000);
        QCOMPARE(record.readAll(), "1 " + address);
        QVERIFY2(!QFile::exists(dir.filePath("pwned")), "a command was run");

        // With no opener anywhere on the path the call neither throws nor waits.
        const auto bare = Override("PATH", QFile::encodeName(dir.filePath("none")));
        const QDeadlineTimer deadline(2000);
        OpenInBrowser("http://www.lunetra.example/");
        QVERIFY(!deadline.hasExpired());
    }

    void settingsStore() {
        const std::string path = dir.filePath("s.ini").toStdString(),
                          value = "Zoë \"q\" a, b\\\r\n[Settings] k=v;#";
        SettingsStore::atFile(path).write("Settings", "ReminderDate", value);
        const SettingsStore store = SettingsStore::atFile(path);
        QCOMPARE(store.read("Settings", "ReminderDate"), value);
        QCOMPARE(store.read("Settings", "X") + store.read("X", "ReminderDate"), std::string());
        // A folder where the file should be cannot be written by anyone.
        SettingsStore folder = SettingsStore::atFile(dir.path().toStdString());
        QVERIFY_THROWS_EXCEPTION(std::runtime_error, folder.write("Settings", "K", "v"));
    }

    void instanceGuard() {
        // A holder killed without a chance to tidy up leaves no lock that counts.
        QProcess holder;
        holder.start(QCoreApplication::applicationFilePath(), {HoldLockMode, dir.path()});
        QTRY_COMPARE_WITH_TIMEOUT(holder.peek(7), "locked\n", 10000);
        const std::string lockDir = dir.path().toStdString();
        InstanceGuard first("Lunetra", lockDir), second("Lunetra", lockDir);
        QVERIFY(!first.isFirstInstance());
        holder.kill();
        QVERIFY(holder.waitForFinished(10000));
        QVERIFY(first.isFirstInstance());
        QVERIFY(!second.isFirstInstance());
        first.release();
        QVERIFY(second.isFirstInstance());
    }

    void endProcessEndsAtOnce() {
        QProcess child;
        child.start(QCoreApplication::applicationFilePath(), {EndMode});
        QVERIFY(child.waitForFinished(10000));
        QCOMPARE(child.exitCode(), 3);
        QCOMPARE(child.readAllStandardOutput(), ""); // no atexit handler, no flush
    }

    void hasDisplay() {
#if defined(_WIN32) || defined(__APPLE__)
        QSKIP("There is always a display here.");
#endif
        // nullptr: the variable is unset, which names no display, as an empty one does.
        // clang-format off
        const struct { const char *x11, *wayland, *platform; bool expected; } rows[] = {
            {nullptr, nullptr, nullptr, false}, {"", "", "", false}, {":0", nullptr, "", true},
            {"", "wayland-0", nullptr, true},   {nullptr, "", "offscreen", true}};
        // clang-format on
        for (const auto& [x11, wayland, platform, expected] : rows) {
            const auto a = Override("DISPLAY", x11), b = Override("WAYLAND_DISPLAY", wayland),
                       c = Override("QT_QPA_PLATFORM", platform);
            QCOMPARE(HasDisplay(), expected);
        }
    }

    void keepOnTopLeavesVisibilityAlone() {
        QWidget hidden, shown;
        shown.show();
        for (QWidget* window : {&hidden, &shown}) {
            KeepOnTopWithoutActivating(window);
            QVERIFY(window->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
            QVERIFY(window->testAttribute(Qt::WA_ShowWithoutActivating));
            QCOMPARE(window->isVisible(), window == &shown);
        }
    }
};

int main(int argc, char** argv) {
    // Child runs: hold the lock until killed, or end the process with clean-up still pending.
    if (argc == 3 && argv[1] == HoldLockMode) {
        InstanceGuard guard("Lunetra", argv[2]);
        std::puts(guard.isFirstInstance() ? "locked" : "busy");
        std::fflush(stdout);
        return std::getchar(); // holds the lock until killed or until the test closes the input
    }
    if (argc == 2 && argv[1] == EndMode) {
        std::atexit([] { std::fputs("cleaned up", stdout); });
        std::fputs("pending", stdout);
        EndProcess(3);
    }
    QApplication app(argc, argv);
    TestPlatform test;
    return QTest::qExec(&test, argc, argv);
}

#include "test_platform.moc"
