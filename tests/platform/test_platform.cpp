#include "platform/Browser.h"
#include "platform/InstanceGuard.h"
#include "platform/SettingsStore.h"

#include <QApplication>
#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QScopeGuard>
#include <QSettings>
#include <QSysInfo>
#include <QTemporaryDir>
#include <QTest>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <stdexcept>
#include <string>
#include <tuple>

#ifndef _WIN32
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>
#endif

using namespace lunetra::platform;

static const QString HoldLockMode = "--hold-lock";

// Sets, or for a null value removes, an environment variable until the guard ends.
[[nodiscard]] static auto Override(const char* name, const QByteArray& value) {
    auto set = [name](const QByteArray& v) { v.isNull() ? qunsetenv(name) : qputenv(name, v); };
    const QByteArray previous = qgetenv(name);
    set(value);
    return qScopeGuard([=] { set(previous); });
}

static QByteArray Contents(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

#ifndef _WIN32
// Puts a thing of this kind in the path's place: "file" (empty), "garbage" (a file nobody may
// read), "folder" (not empty), "fifo", "null" (the null device, which only root may make) or
// "->target" (a symbolic link).
static bool Make(const QString& kind, const QString& path) {
    QFile file(path);
    if (kind.startsWith("->"))
        return QFile::link(kind.mid(2), path);
    if (kind == "folder")
        return QDir().mkpath(path + "/x");
    if (kind == "fifo")
        return ::mkfifo(QFile::encodeName(path), 0600) == 0;
    if (kind == "null")
        return ::mknod(QFile::encodeName(path), S_IFCHR | 0666, ::makedev(1, 3)) == 0;
    return file.open(QIODevice::WriteOnly) &&
           (kind == "file" || (file.write("\0\xff 99999\nx", 10) == 10 && file.setPermissions({})));
}
#endif

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
        QTRY_COMPARE_WITH_TIMEOUT(Contents(opener + ".log"), "1 " + address, 10000);
        QVERIFY2(!QFile::exists(dir.filePath("pwned")), "a command was run");
    }

    // Compatible both ways with the files that Qt's INI format wrote before: each value goes
    // in through one and comes out of the other, next to keys that must stay untouched.
    void settingsStoreSharesItsFormatWithQt() {
        const QString path = dir.filePath("s.ini");
        const std::string at = path.toStdString();
        // Quotes, escapes, CRLF, a section and a control character before a hex digit; a
        // leading @ and spaces; nothing.
        for (const char* value : {"Zoë \"q\" a, b\\\r\n[Settings] k=v;#\t\x01"
                                  "a",
                                  "@ spaced ", ""}) {
            QFile::remove(path);
            QSettings(path, QSettings::IniFormat).setValue("Settings/Qt", QString::fromUtf8(value));
            SettingsStore store = SettingsStore::atFile(at);
            QCOMPARE(store.read("Settings", "Qt"), std::string(value));
            store.write("Other", "Ours", value);
            const QSettings qt(path, QSettings::IniFormat);
            QCOMPARE(qt.value("Other/Ours").toString(), QString::fromUtf8(value));
            QCOMPARE(qt.value("Settings/Qt").toString(), QString::fromUtf8(value));
        }
        // Edited by hand: a byte order mark, CRLF, comments, blanks and a stray line stay.
        const QByteArray text = "\xEF\xBB\xBF; mine\r\n[Settings]\r\n Old = 1 ; note\r\nstray\r\n";
        QVERIFY(std::ofstream(at, std::ios::binary) << text.constData());
        SettingsStore::atFile(at).write("Settings", "New", "2");
        QCOMPARE(Contents(path), text + "New=2\n");
        QCOMPARE(SettingsStore::atFile(at).read("Settings", "Old"), "1");
    }

    // Whatever stands in the settings file's place, nothing waits on it (a hang fails the test
    // run), nothing replaces it and a write fails; a link to a regular file is written through.
    void settingsStoreTouchesOnlyRegularFiles() {
#ifdef _WIN32
        QSKIP("No FIFOs or device nodes here.");
#else
        const QString base = dir.filePath("kinds/");
        // Beside "s", the lock folder an earlier store waited on.
        QVERIFY(QDir().mkpath(base + "s.lock"));
        const bool device = Make("null", base + "null");
        // Row: settings path, what is put there first (nothing if empty), whether a write works.
        // clang-format off
        const std::tuple<QString, QString, bool> rows[] = {
            {"fifo", "fifo", false}, {"to-fifo", "->fifo", false}, {"folder", "folder", false},
            {"dangling", "->none", false},
            {"to-null", device ? "->null" : "", !device}, {"real", "file", true},
            {"to-real", "->real", true}, {"s", "", true}};
        // clang-format on
        for (const auto& [name, kind, writable] : rows) {
            QVERIFY(kind.isEmpty() || Make(kind, base + name));
            SettingsStore store = SettingsStore::atFile((base + name).toStdString());
            const std::string key = name.toStdString(); // a link may share a file with a row before
            if (writable)
                store.write("Settings", key, "v");
            else
                QVERIFY_THROWS_EXCEPTION(std::runtime_error, store.write("Settings", key, "v"));
            QCOMPARE(store.read("Settings", key), writable ? "v" : "");
            const QFileInfo after(base + name);
            QCOMPARE(after.isSymLink(), kind.startsWith("->"));
            QCOMPARE(after.isFile(), writable); // nothing, not even the device, became a file
        }
#endif
    }

    // A relative XDG_CONFIG_HOME is ignored (XDG rules); the store then lives in ~/.config.
    void userStoreFollowsTheXdgRules() {
#ifdef _WIN32
        QSKIP("The store lives in the roaming application data here.");
#endif
        const auto home = Override("HOME", QFile::encodeName(dir.filePath("home")));
        const QByteArray absolute = QFile::encodeName(dir.filePath("cfg"));
        for (const QByteArray& config : {QByteArray("rel/config"), QByteArray(), {""}, absolute}) {
            const auto variable = Override("XDG_CONFIG_HOME", config);
            const QString file =
                (config == absolute ? dir.filePath("cfg") : dir.filePath("home/.config")) +
                "/a_b.conf";
            SettingsStore store("a/b");
            QCOMPARE(store.path(), file.toStdString());
            store.write("Settings", "K", "v"); // the folder is made as needed
            QVERIFY(QFile::exists(file));
        }
    }

#ifndef _WIN32
    // Only a live instance blocks a start: whatever else lies in the lock's place (left by a
    // start killed half-way, or put there) is taken over, also by racing starts. A released lock
    // is free, even while a program its holder started still runs.
    void anythingButALiveLockIsTakenOver() {
        QVERIFY(std::ofstream(dir.filePath("outside").toStdString()) << "mine");
        const QStringList kinds = {"file",   "folder", "garbage",
                                   "->none", "fifo",   "->" + dir.filePath("outside")};
        for (int row = 0; row < kinds.size(); ++row) {
            const QString folder = dir.filePath("taken/%1").arg(row), race = folder + "/race";
            QVERIFY(QDir().mkpath(race) && Make(kinds[row], folder + "/Lunetra.lock") &&
                    Make(kinds[row], race + "/Lunetra.lock"));
            InstanceGuard first("Lunetra", folder.toStdString()),
                second("Lunetra", folder.toStdString());
            QVERIFY2(first.isFirstInstance(), qPrintable(kinds[row]));
            QVERIFY2(!second.isFirstInstance(), qPrintable(kinds[row]));
            first.release();
            QVERIFY2(second.isFirstInstance(), qPrintable(kinds[row]));
            if (row >= 2) // the races are slow: one kind opened, one moved aside
                continue;
            QProcess starts[4]; // at once, each holding the lock if it gets it
            for (QProcess& start : starts)
                start.start(QCoreApplication::applicationFilePath(), {HoldLockMode, race});
            int locked = 0;
            for (QProcess& start : starts) {
                QTRY_VERIFY_WITH_TIMEOUT(start.canReadLine(), 10000);
                locked += start.readLine() == "locked\n";
            }
            QVERIFY2(locked == 1, qPrintable(kinds[row]));
            for (QProcess& start : starts) {
                start.closeWriteChannel();
                QVERIFY(start.waitForFinished(10000));
            }
            QVERIFY(InstanceGuard("Lunetra", race.toStdString()).isFirstInstance());
        }
        QCOMPARE(Contents(dir.filePath("outside")), "mine");
    }

    // Without a sound runtime folder of the user's own, the lock goes to a folder that is
    // the user's alone, never to one that all users share.
    void theLockLivesInAFolderOfTheUsersAlone() {
        const auto temporary = Override("TMPDIR", QFile::encodeName(dir.filePath("tmp")));
        const QString own = dir.filePath("tmp/lunetra-%1").arg(::getuid()),
                      shared = dir.filePath("shared-run"), run = dir.filePath("run");
        // Its own folder starts open to others, to be closed.
        for (const auto& [folder, mode] :
             {std::pair(own, 0777), std::pair(shared, 01777), std::pair(run, 0700)})
            QVERIFY(QDir().mkpath(folder) && ::chmod(QFile::encodeName(folder), mode) == 0);
        for (const QByteArray& runtime : {QByteArray(), QByteArray(""), QByteArray("run"),
                                          QFile::encodeName(shared), QFile::encodeName(run)}) {
            const auto variable = Override("XDG_RUNTIME_DIR", runtime);
            const InstanceGuard guard("Lunetra");
            const bool sound = runtime.endsWith("/run");
            QCOMPARE(QString::fromStdString(guard.lockPath()),
                     (sound ? QString(runtime) : own) + "/Lunetra.lock");
            struct stat folder {};
            QVERIFY(::stat(QFile::encodeName(own), &folder) == 0);
            QCOMPARE(folder.st_mode & 0777, 0700u);
        }
        // A link in its place, to a folder that all may use, is never used.
        const auto variable = Override("XDG_RUNTIME_DIR", {});
        QVERIFY(QDir(own).removeRecursively() && QFile::link(shared, own));
        InstanceGuard guard("Lunetra");
        QCOMPARE(guard.lockPath(), std::string());
        QVERIFY(guard.isFirstInstance());
    }
#endif
};

int main(int argc, char** argv) {
    // A child run: holds the lock until the test closes its input.
    if (argc == 3 && argv[1] == HoldLockMode) {
        InstanceGuard guard("Lunetra", argv[2]);
        std::puts(guard.isFirstInstance() ? "locked" : "busy");
#ifndef _WIN32
        // A program started from here must not keep the lock alive after this one is gone.
        std::system("sleep 20 </dev/null >/dev/null 2>&1 &");
#endif
        std::fflush(stdout);
        return std::getchar();
    }
    QApplication app(argc, argv);
    TestPlatform test;
    return QTest::qExec(&test, argc, argv);
}

#include "test_platform.moc"
