#include "platform/Browser.h"
#include "platform/InstanceGuard.h"
#include "platform/SettingsStore.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QScopeGuard>
#include <QSettings>
#include <QSysInfo>
#include <QTemporaryDir>
#include <QTest>

#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <stdexcept>
#include <string>
#include <tuple>

#include <fcntl.h>
#include <linux/capability.h>
#include <pwd.h>
#include <sys/file.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/syscall.h>
#include <sys/sysmacros.h>
#include <unistd.h>

using namespace lunetra::platform;

static const QString HoldLockMode = "--hold-lock", StoreDayMode = "--store-day",
                     WriteLimitedMode = "--write-limited", NoDescriptorsMode = "--no-descriptors";

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

// Puts a thing of this kind in the path's place: "file" (empty), "garbage" (a file nobody may
// read), "folder" (not empty), "empty" (a folder), "fifo", "null" (the null device, which only
// root may make) or "->target" (a symbolic link).
static bool Make(const QString& kind, const QString& path) {
    QFile file(path);
    if (kind.startsWith("->"))
        return QFile::link(kind.mid(2), path);
    if (kind == "folder" || kind == "empty")
        return QDir().mkpath(kind == "folder" ? path + "/x" : path);
    if (kind == "fifo")
        return ::mkfifo(QFile::encodeName(path), 0600) == 0;
    if (kind == "null")
        return ::mknod(QFile::encodeName(path), S_IFCHR | 0666, ::makedev(1, 3)) == 0;
    return file.open(QIODevice::WriteOnly) &&
           (kind == "file" || (file.write("\0\xff 99999\nx", 10) == 10 && file.setPermissions({})));
}

// Run as root, the test would open files no user may; it gives up passing over permissions, as
// a user's run never has it, child runs included.
static void ActAsAUser() {
    __user_cap_header_struct header{_LINUX_CAPABILITY_VERSION_3, 0};
    __user_cap_data_struct caps[2] = {};
    if (::syscall(SYS_capget, &header, caps) == 0) {
        caps[0].effective &= ~((1u << CAP_DAC_OVERRIDE) | (1u << CAP_DAC_READ_SEARCH));
        ::syscall(SYS_capset, &header, caps);
    }
}

class TestPlatform : public QObject {
    Q_OBJECT
    const QTemporaryDir dir; // each test uses file names of its own in it

private slots:
    void browserGetsTheAddressAsOneUnchangedArgument() {
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

    // Other entries stay as they were, and a file the earlier Qt-based store wrote reads. A file
    // that cannot be read (an I/O error, or too large to be Lunetra's, also only by the time a
    // value is stored) is never replaced: reading throws, and so does storing.
    void settingsStoreNeverReplacesWhatItCannotRead() {
        const QString path = dir.filePath("s.conf");
        QSettings(path, QSettings::IniFormat).setValue("Settings/Day", "2026-12-06");
        SettingsStore store = SettingsStore::atFile(path.toStdString());
        for (const auto& [section, key, value] :
             {std::tuple("Other", "K", "1"), {"Settings", "New", "2"}, {"Other", "K", "3"}})
            store.write(section, key, value);
        QCOMPARE(Contents(path), "[Settings]\nDay=2026-12-06\nNew=2\n[Other]\nK=3\n");
        QCOMPARE(store.read("Settings", "Day"), "2026-12-06");
        // Also by a program started with its input closed, where the file, and the copy that
        // replaces it, get descriptor 0.
        QProcess child;
        child.start("sh", {"-c", "exec \"$0\" --store-day \"$1\" <&-",
                           QCoreApplication::applicationFilePath(), path});
        QVERIFY(child.waitForFinished(10000) && child.readAllStandardOutput() == "2026-12-07\n");
        // Nor by one whose write cannot be finished, here for a limit on the size of files.
        const QByteArray kept = Contents(path);
        child.start(QCoreApplication::applicationFilePath(), {WriteLimitedMode, path});
        QVERIFY(child.waitForFinished(10000) && child.exitCode() == 3 && Contents(path) == kept);
        QVERIFY(std::ofstream(path.toStdString(), std::ios::app) << std::string(1 << 17, '\n'));
        const QByteArray before = Contents(path);
        QVERIFY(QFile::link("/proc/self/mem", dir.filePath("io.conf"))); // reads give EIO
        for (SettingsStore unreadable :
             {store, SettingsStore::atFile(dir.filePath("io.conf").toStdString())}) {
            QVERIFY_THROWS_EXCEPTION(std::runtime_error, unreadable.read("Settings", "Day"));
            QVERIFY_THROWS_EXCEPTION(std::runtime_error, unreadable.write("Settings", "Day", "1"));
        }
        QCOMPARE(Contents(path), before);
    }

    // Whatever stands in the settings file's place, nothing waits on it (a hang fails the test
    // run), nothing replaces it and a write fails; a link to a regular file is written through.
    void settingsStoreTouchesOnlyRegularFiles() {
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
    }

    // The store and the lock live in $XDG_CONFIG_HOME, or in ~/.config when that is unset, empty
    // or relative (XDG rules); no lock is made in a folder that others may write in, and no
    // lock then keeps the user out. (The program's test starts with other runtime and
    // temporary folders.)
    void userStoreAndLockFollowTheXdgRules() {
        const auto home = Override("HOME", QFile::encodeName(dir.filePath("home")));
        const QByteArray absolute = QFile::encodeName(dir.filePath("cfg"));
        for (const QByteArray& config : {QByteArray("rel/config"), QByteArray(), {""}, absolute}) {
            const auto variable = Override("XDG_CONFIG_HOME", config);
            const QString folder =
                config == absolute ? dir.filePath("cfg") : dir.filePath("home/.config");
            SettingsStore store("lunetra");
            QCOMPARE(store.path(), (folder + "/lunetra.conf").toStdString());
            store.write("Settings", "K", "v"); // the folder is made as needed
            QVERIFY(QFile::exists(folder + "/lunetra.conf"));
            QCOMPARE(InstanceGuard("lunetra").lockName(), (folder + "/lunetra.lock").toStdString());
        }
        // With no HOME either, the account's home from the system's accounts.
        if (const passwd* user = ::getpwuid(::getuid())) {
            const auto noHome = Override("HOME", {}), noConfig = Override("XDG_CONFIG_HOME", {});
            QCOMPARE(SettingsStore("lunetra").path(),
                     std::string(user->pw_dir) + "/.config/lunetra.conf");
            // An account the system does not know has none (only root may be one for a while).
            if (::getuid() == 0 && ::setresuid(54321, 54321, 0) == 0) {
                const std::string unknown = SettingsStore("lunetra").path();
                QVERIFY(::setresuid(0, 0, 0) == 0 && unknown.empty());
                ActAsAUser(); // root again, without passing over permissions
            }
        }
        // Separators in the program's name would name a file elsewhere.
        QCOMPARE(InstanceGuard("a/b\\c", "/f").lockName(), std::string("/f/a_b_c.lock"));
        const auto shared = Override("XDG_CONFIG_HOME", absolute);
        QVERIFY(::chmod(absolute, 01777) == 0);
        InstanceGuard guard("lunetra");
        QCOMPARE(guard.lockName(), std::string());
        QVERIFY(guard.isFirstInstance());
    }

    // Only a live instance blocks a start: whatever else lies in the lock's place (left by a
    // start killed half-way, or put there) is taken over, also by racing starts.
    void anythingButALiveLockIsTakenOver() {
        QVERIFY(std::ofstream(dir.filePath("outside").toStdString()) << "mine");
        const QStringList kinds = {
            "file", "folder", "garbage", "->none", "fifo", "empty", "->" + dir.filePath("outside")};
        for (int row = 0; row < kinds.size(); ++row) {
            const QString folder = dir.filePath("taken/%1").arg(row);
            QVERIFY(QDir().mkpath(folder) && Make(kinds[row], folder + "/Lunetra.lock"));
            InstanceGuard first("Lunetra", folder.toStdString()),
                second("Lunetra", folder.toStdString());
            QVERIFY2(first.isFirstInstance(), qPrintable(kinds[row]));
            // Only a folder with something in it is kept, moved aside.
            QCOMPARE(QDir(folder).entryList({"*.left-*"}, QDir::AllEntries | QDir::System).size(),
                     kinds[row] == "folder" ? 1 : 0);
            QVERIFY2(!second.isFirstInstance(), qPrintable(kinds[row]));
            first.release();
            QVERIFY2(second.isFirstInstance(), qPrintable(kinds[row]));
        }
        QCOMPARE(Contents(dir.filePath("outside")), "mine");
        // Where nothing can be cleared away, not even moved aside, the user is let in all the same.
        const QString stuck = dir.filePath("stuck/Lunetra.lock");
        QVERIFY(Make("folder", stuck) &&
                Make("folder", stuck + ".left-" + QString::number(::getpid())));
        QVERIFY(InstanceGuard("Lunetra", dir.filePath("stuck").toStdString()).isFirstInstance());
        // A guard asked again keeps its answer. A start that can open nothing lets the user in
        // and leaves a live lock alone, which goes with its guard.
        const QString live = dir.filePath("live");
        {
            InstanceGuard running("Lunetra", live.toStdString());
            QVERIFY(QDir().mkpath(live) && running.isFirstInstance() && running.isFirstInstance());
            QCOMPARE(QProcess::execute(QCoreApplication::applicationFilePath(),
                                       {NoDescriptorsMode, live}),
                     0);
            QVERIFY(!InstanceGuard("Lunetra", live.toStdString()).isFirstInstance());
        }
        QVERIFY(InstanceGuard("Lunetra", live.toStdString()).isFirstInstance());
        // A start clears a leftover only while it holds the folder, and waits while another does;
        // of the starts that raced for it, one alone gets the lock. A released lock is free, even
        // while a program its holder started still runs.
        const QString held = dir.filePath("held");
        QVERIFY(Make("folder", held + "/Lunetra.lock"));
        const int hold = ::open(QFile::encodeName(held), O_RDONLY | O_DIRECTORY);
        QVERIFY(::flock(hold, LOCK_EX) == 0);
        QProcess starts[3]; // each holding the lock if it gets it
        for (QProcess& start : starts)
            start.start(QCoreApplication::applicationFilePath(), {HoldLockMode, held});
        QTest::qWait(200);
        QVERIFY(QFile::exists(held + "/Lunetra.lock/x"));
        ::close(hold);
        QByteArray said;
        for (QProcess& start : starts) {
            QTRY_VERIFY_WITH_TIMEOUT(start.canReadLine(), 10000);
            said += start.readLine();
        }
        QCOMPARE(said.count("locked"), 1);
        for (QProcess& start : starts) {
            start.closeWriteChannel();
            QVERIFY(start.waitForFinished(10000));
        }
        QVERIFY(InstanceGuard("Lunetra", held.toStdString()).isFirstInstance());
    }
};

int main(int argc, char** argv) {
    ActAsAUser();
    // A child run: holds the lock until the test closes its input.
    if (argc == 3 && argv[1] == HoldLockMode) {
        InstanceGuard guard("Lunetra", argv[2]);
        std::puts(guard.isFirstInstance() ? "locked" : "busy");
        // A program started from here must not keep the lock alive after this one is gone.
        const int started = std::system("sleep 20 </dev/null >/dev/null 2>&1 &");
        std::fflush(stdout);
        return started == 0 ? std::getchar() : 1;
    }
    if (argc == 3 && argv[1] == StoreDayMode) { // a child run: a day stored and read back
        SettingsStore store = SettingsStore::atFile(argv[2]);
        store.write("Settings", "Day", "2026-12-07");
        return std::puts(store.read("Settings", "Day").c_str()) < 0;
    }
    if (argc == 3 && argv[1] == WriteLimitedMode) { // a child run: no file over 16 bytes
        const rlimit limit{16, 16};
        std::signal(SIGXFSZ, SIG_IGN);
        try {
            ::setrlimit(RLIMIT_FSIZE, &limit);
            SettingsStore::atFile(argv[2]).write("Settings", "Day", std::string(100, '9'));
        } catch (const std::runtime_error&) {
            return 3;
        }
        return 0;
    }
    if (argc == 3 && argv[1] == NoDescriptorsMode) { // a child run: no descriptor to be had
        const rlimit limit{3, 3};
        ::setrlimit(RLIMIT_NOFILE, &limit);
        std::_Exit(InstanceGuard("Lunetra", argv[2]).isFirstInstance() ? 0 : 1); // no exit checks
    }
    QApplication app(argc, argv);
    TestPlatform test;
    return QTest::qExec(&test, argc, argv);
}

#include "test_platform.moc"
