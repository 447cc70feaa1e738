#include "platform/InstanceGuard.h"
#include "platform/Process.h"

#include "EnvironmentOverride.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>

#include <cstdio>
#include <cstring>
#include <string>

using lunetra::platform::InstanceGuard;

namespace {

constexpr const char* HoldMode = "--hold-lock";
constexpr const char* EndMode = "--lock-and-end";

// Runs in a child copy of this test: takes the lock, says whether it got it, then either sits
// on it until killed or ends the process at once, the way the application ends.
int RunAsLockHolder(const char* mode, const char* directory, const char* name) {
    InstanceGuard guard(name, directory);
    const bool first = guard.isFirstInstance();
    std::fputs(first ? "locked\n" : "busy\n", stdout);
    std::fflush(stdout);
    if (std::strcmp(mode, EndMode) == 0)
        lunetra::platform::EndProcess(first ? 0 : 1);
    QThread::sleep(60); // killed long before
    return 2;
}

std::string Path(const QTemporaryDir& directory) {
    return directory.path().toStdString();
}

} // namespace

class TestInstanceGuard : public QObject {
    Q_OBJECT

private slots:
    void firstInstanceTakesTheLock() {
        QTemporaryDir directory;
        QVERIFY(directory.isValid());
        InstanceGuard first("Lunetra", Path(directory));
        InstanceGuard second("Lunetra", Path(directory));
        InstanceGuard otherApplication("Lunetra2", Path(directory));

        QVERIFY(first.isFirstInstance());
        QVERIFY(first.isFirstInstance()); // asking again keeps the lock
        QVERIFY(!second.isFirstInstance());
        QVERIFY(!second.isFirstInstance());
        QVERIFY(otherApplication.isFirstInstance());

        first.release();
        QVERIFY(second.isFirstInstance());
        QVERIFY(!first.isFirstInstance());
        first.release(); // not held: nothing happens
        QVERIFY(!first.isFirstInstance());
    }

    void destroyedGuardGivesTheLockBack() {
        QTemporaryDir directory;
        QVERIFY(directory.isValid());
        {
            InstanceGuard first("Lunetra", Path(directory));
            QVERIFY(first.isFirstInstance());
        }
        InstanceGuard next("Lunetra", Path(directory));
        QVERIFY(next.isFirstInstance());
    }

    void missingLockFolderIsMade() {
        QTemporaryDir directory;
        QVERIFY(directory.isValid());
        const std::string nested = directory.filePath(QStringLiteral("a/b")).toStdString();
        InstanceGuard first("Lunetra", nested);
        InstanceGuard second("Lunetra", nested);
        QVERIFY(first.isFirstInstance());
        QVERIFY(!second.isFirstInstance());
    }

    void unusableLockFolderDoesNotKeepTheUserOut() {
        QTemporaryDir directory;
        QVERIFY(directory.isValid());
        QFile file(directory.filePath(QStringLiteral("a-file")));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.close();
        InstanceGuard guard("Lunetra",
                            directory.filePath(QStringLiteral("a-file/locks")).toStdString());
        QVERIFY(guard.isFirstInstance());
    }

    void oddNamesStayInTheLockFolder_data() {
        QTest::addColumn<QString>("name");
        QTest::newRow("blanks and non-ASCII letters") << QStringLiteral("Zoë Ünal app");
        QTest::newRow("separators") << QStringLiteral("a/b\\c");
        QTest::newRow("empty") << QString();
    }

    void oddNamesStayInTheLockFolder() {
        QFETCH(QString, name);
        QTemporaryDir directory;
        QVERIFY(directory.isValid());
        InstanceGuard first(name.toStdString(), Path(directory));
        InstanceGuard second(name.toStdString(), Path(directory));
        QVERIFY(first.isFirstInstance());
        QVERIFY(!second.isFirstInstance());
        // Nothing lands outside the lock folder.
        QCOMPARE(QDir(directory.path()).entryList(QDir::Dirs | QDir::NoDotAndDotDot),
                 QStringList());
    }

    void userRuntimeFolderIsTheDefault() {
#if defined(_WIN32) || defined(__APPLE__)
        QSKIP("The runtime folder cannot be redirected here.");
#else
        QTemporaryDir runtime; // made private to the user, as the runtime folder must be
        QVERIFY(runtime.isValid());
        const EnvironmentOverride runtimeFolder("XDG_RUNTIME_DIR",
                                                QFile::encodeName(runtime.path()));
        InstanceGuard first("Lunetra");
        InstanceGuard second("Lunetra");
        QVERIFY(first.isFirstInstance());
        QVERIFY(QFile::exists(runtime.filePath(QStringLiteral("Lunetra.lock"))));
        QVERIFY(!second.isFirstInstance());
        first.release();
        QVERIFY(second.isFirstInstance());
#endif
    }

    void lockOfAGoneProcessDoesNotBlock_data() {
        QTest::addColumn<QString>("mode");
        QTest::newRow("holder killed") << QString::fromLatin1(HoldMode);
        QTest::newRow("holder ended without clean-up") << QString::fromLatin1(EndMode);
    }

    void lockOfAGoneProcessDoesNotBlock() {
        QFETCH(QString, mode);
        QTemporaryDir directory;
        QVERIFY(directory.isValid());

        QProcess holder;
        holder.start(QCoreApplication::applicationFilePath(),
                     {mode, directory.path(), QStringLiteral("Lunetra")});
        QVERIFY(holder.waitForStarted(10000));
        QVERIFY(holder.waitForReadyRead(10000));
        QCOMPARE(holder.readLine(), QByteArray("locked\n"));

        if (mode == QLatin1String(HoldMode)) {
            // A live holder in another process blocks ...
            InstanceGuard whileAlive("Lunetra", Path(directory));
            QVERIFY(!whileAlive.isFirstInstance());
            holder.kill(); // SIGKILL: the holder gets no chance to tidy up
        }
        QVERIFY(holder.waitForFinished(10000));
        // ... and the lock file it leaves behind does not.
        QVERIFY(QFile::exists(directory.filePath(QStringLiteral("Lunetra.lock"))));
        InstanceGuard next("Lunetra", Path(directory));
        QVERIFY(next.isFirstInstance());
        InstanceGuard after("Lunetra", Path(directory));
        QVERIFY(!after.isFirstInstance());
    }
};

int main(int argc, char** argv) {
    if (argc == 4 && (std::strcmp(argv[1], HoldMode) == 0 || std::strcmp(argv[1], EndMode) == 0))
        return RunAsLockHolder(argv[1], argv[2], argv[3]);
    QCoreApplication app(argc, argv);
    TestInstanceGuard test;
    return QTest::qExec(&test, argc, argv);
}

#include "test_instance_guard.moc"
