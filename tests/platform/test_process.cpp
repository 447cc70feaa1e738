#include "platform/Process.h"

#include "EnvironmentOverride.h"

#include <QCoreApplication>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

namespace {

constexpr const char* EndMode = "--end-process";
constexpr const char* NameMode = "--print-name";
constexpr const char* NameWithoutAppMode = "--print-name-without-app";

const char* markerPath = nullptr;

void LeaveMarker() {
    if (FILE* file = std::fopen(markerPath, "w"))
        std::fclose(file);
}

// Would leave the marker if static objects were destroyed.
struct MarksOnDestruction {
    ~MarksOnDestruction() {
        if (markerPath != nullptr)
            LeaveMarker();
    }
} marksOnDestruction;

// Runs in a child copy of this test.
int RunChild(int argc, char** argv) {
    if (std::strcmp(argv[1], EndMode) == 0 && argc == 4) {
        markerPath = argv[2];
        std::atexit(LeaveMarker);
        QCoreApplication app(argc, argv);
        QObject::connect(&app, &QCoreApplication::aboutToQuit, LeaveMarker);
        std::fputs("unflushed", stdout); // a pipe buffers it: lost when nothing is flushed
        if (std::strcmp(argv[3], "default") == 0)
            lunetra::platform::EndProcess();
        lunetra::platform::EndProcess(std::atoi(argv[3]));
    }
    if (std::strcmp(argv[1], NameMode) == 0) {
        QCoreApplication app(argc, argv);
        std::fputs(lunetra::platform::ExecutableBaseName().c_str(), stdout);
        return 0;
    }
    if (std::strcmp(argv[1], NameWithoutAppMode) == 0) {
        std::fputs(lunetra::platform::ExecutableBaseName().c_str(), stdout);
        return 0;
    }
    return 99;
}

bool IsChildMode(const char* argument) {
    return std::strcmp(argument, EndMode) == 0 || std::strcmp(argument, NameMode) == 0 ||
           std::strcmp(argument, NameWithoutAppMode) == 0;
}

// Runs this test's executable (or a copy of it) in a child mode and returns what it printed.
QByteArray RunSelf(const QString& program, const QStringList& arguments, int* exitCode = nullptr) {
    QProcess child;
    child.start(program, arguments);
    if (!child.waitForFinished(10000) || child.exitStatus() != QProcess::NormalExit)
        return "<did not finish normally>";
    if (exitCode != nullptr)
        *exitCode = child.exitCode();
    return child.readAllStandardOutput();
}

} // namespace

class TestProcess : public QObject {
    Q_OBJECT

private slots:
    void endProcessEndsAtOnce_data() {
        QTest::addColumn<QString>("code");
        QTest::addColumn<int>("expectedExitCode");
        QTest::newRow("default") << QStringLiteral("default") << 0;
        QTest::newRow("zero") << QStringLiteral("0") << 0;
        QTest::newRow("three") << QStringLiteral("3") << 3;
        QTest::newRow("largest") << QStringLiteral("255") << 255;
    }

    void endProcessEndsAtOnce() {
        QFETCH(QString, code);
        QFETCH(int, expectedExitCode);
        QTemporaryDir directory;
        QVERIFY(directory.isValid());
        const QString marker = directory.filePath(QStringLiteral("ran-after-end"));

        int exitCode = -1;
        const QByteArray output = RunSelf(QCoreApplication::applicationFilePath(),
                                          {QString::fromLatin1(EndMode), marker, code}, &exitCode);

        QCOMPARE(exitCode, expectedExitCode);
        QCOMPARE(output, QByteArray());
        QVERIFY2(!QFile::exists(marker), "clean-up ran after the process was ended");
    }

    void executableBaseNameDropsTheLastExtension_data() {
        QTest::addColumn<QString>("fileName");
        QTest::addColumn<QString>("expected");
        QTest::newRow("no extension") << QStringLiteral("lunetra") << QStringLiteral("lunetra");
        QTest::newRow("extension") << QStringLiteral("Lunetra.exe") << QStringLiteral("Lunetra");
        QTest::newRow("dots in the name")
            << QStringLiteral("lunetra.v1.0.exe") << QStringLiteral("lunetra.v1.0");
        QTest::newRow("blanks and non-ASCII letters")
            << QStringLiteral("Zoë Ünal.bin") << QStringLiteral("Zoë Ünal");
    }

    void executableBaseNameDropsTheLastExtension() {
        QFETCH(QString, fileName);
        QFETCH(QString, expected);
        QTemporaryDir directory;
        QVERIFY(directory.isValid());
        const QString copy = directory.filePath(fileName);
        QVERIFY(QFile::copy(QCoreApplication::applicationFilePath(), copy));
        QVERIFY(QFile::setPermissions(copy, QFile::ReadOwner | QFile::ExeOwner));

        QCOMPARE(QString::fromUtf8(RunSelf(copy, {QString::fromLatin1(NameMode)})), expected);
    }

    void executableBaseNameWithoutApplicationObject() {
        QCOMPARE(RunSelf(QCoreApplication::applicationFilePath(),
                         {QString::fromLatin1(NameWithoutAppMode)}),
                 QByteArray("lunetra"));
    }

    void hasDisplay_data() {
        QTest::addColumn<QByteArray>("display");
        QTest::addColumn<QByteArray>("waylandDisplay");
        QTest::addColumn<QByteArray>("platform");
        QTest::addColumn<bool>("expected");
        const QByteArray unset;
        const QByteArray empty("");
        QTest::newRow("nothing set") << unset << unset << unset << false;
        QTest::newRow("all empty") << empty << empty << empty << false;
        QTest::newRow("X11") << QByteArray(":0") << unset << unset << true;
        QTest::newRow("Wayland") << unset << QByteArray("wayland-0") << unset << true;
        QTest::newRow("chosen platform") << unset << unset << QByteArray("offscreen") << true;
        QTest::newRow("X11, others empty") << QByteArray(":1") << empty << empty << true;
        QTest::newRow("everything")
            << QByteArray(":0") << QByteArray("wayland-0") << QByteArray("xcb") << true;
    }

    void hasDisplay() {
#if defined(_WIN32) || defined(__APPLE__)
        QSKIP("There is always a display here.");
#endif
        QFETCH(QByteArray, display);
        QFETCH(QByteArray, waylandDisplay);
        QFETCH(QByteArray, platform);
        QFETCH(bool, expected);
        const EnvironmentOverride x11("DISPLAY", display);
        const EnvironmentOverride wayland("WAYLAND_DISPLAY", waylandDisplay);
        const EnvironmentOverride chosen("QT_QPA_PLATFORM", platform);
        QCOMPARE(lunetra::platform::HasDisplay(), expected);
    }
};

int main(int argc, char** argv) {
    if (argc >= 2 && IsChildMode(argv[1]))
        return RunChild(argc, argv);
    QCoreApplication app(argc, argv);
    TestProcess test;
    return QTest::qExec(&test, argc, argv);
}

#include "test_process.moc"
