// Drives the built program in a real X session (run under xvfb-run) as a person would, with
// xdotool for the keyboard. Every run gets its own settings, lock and browser folders.

#include <QDate>
#include <QDeadlineTimer>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>

#include <fstream>
#include <memory>

#include <sys/stat.h>

namespace {

const QString Lunetra = LUNETRA_BINARY, MainTitle = "Lunetra v1.0", NoticeTitle = "Lunetra";

QString RunXdotool(const QStringList& arguments) {
    QProcess xdotool;
    xdotool.start("xdotool", arguments);
    xdotool.waitForFinished(5000);
    return QString::fromLocal8Bit(xdotool.readAllStandardOutput()).trimmed();
}

QString Contents(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

} // namespace

class LunetraBinaryTest : public QObject {
    Q_OBJECT

    std::unique_ptr<QTemporaryDir> home;
    std::vector<std::unique_ptr<QProcess>> started;

    QString at(const QString& name) const { return home->filePath(name); }
    // Starts the program with its own folders and a browser that only writes down what it
    // was asked to open; each of `variables` sets a variable (name=value) or removes it.
    QProcess* launch(const QStringList& variables = {}, const QStringList& arguments = {}) {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        for (const QString& variable :
             QStringList{"XDG_CONFIG_HOME=" + at("config"), "XDG_RUNTIME_DIR=" + at("runtime"),
                         "PATH=" + at("bin") + u':' + env.value("PATH"), "QT_QPA_PLATFORM"} +
                 variables) {
            if (variable.contains(u'='))
                env.insert(variable.section(u'=', 0, 0), variable.section(u'=', 1));
            else
                env.remove(variable);
        }
        auto& process = started.emplace_back(std::make_unique<QProcess>());
        process->setProcessEnvironment(env);
        process->setWorkingDirectory(home->path());
        process->start(Lunetra, arguments);
        process->waitForStarted(5000);
        return process.get();
    }
    // The windows of the process on the screen with exactly this title.
    QStringList visibleWindows(QProcess* process, const QString& title) {
        const QString found = RunXdotool({"search", "--all", "--onlyvisible", "--pid",
                                          QString::number(process->processId()), "--name",
                                          u'^' + QRegularExpression::escape(title) + u'$'});
        return found.isEmpty() ? QStringList() : found.split(u'\n');
    }
    // The id of such a window, once there is one.
    QString waitForWindow(QProcess* process, const QString& title, int milliseconds = 10000) {
        QStringList found;
        for (QDeadlineTimer end(milliseconds);
             found.isEmpty() && !end.hasExpired() && process->state() == QProcess::Running;
             QThread::msleep(100))
            found = visibleWindows(process, title);
        return found.value(0);
    }
    // The main window comes, and no notice or question with it.
    bool showsTheMainWindowAlone(QProcess* process) {
        return !waitForWindow(process, MainTitle).isEmpty() &&
               waitForWindow(process, NoticeTitle, 300).isEmpty();
    }
    void press(const QString& window, const QString& keys) {
        if (!window.isEmpty())
            RunXdotool({"windowfocus", window});
        QThread::msleep(300);
        RunXdotool(QStringList{"key", "--clearmodifiers"} + keys.split(u' '));
    }
    QString settingsText() { return Contents(at("config/lunetra.conf")); }

private slots:
    void initTestCase() {
        if (QStandardPaths::findExecutable("xdotool").isEmpty())
            QSKIP("xdotool is not installed");
        QVERIFY2(qEnvironmentVariableIsSet("DISPLAY"), "run this test under xvfb-run");
    }
    void init() {
        home = std::make_unique<QTemporaryDir>();
        const QDir folder(home->path());
        QVERIFY(folder.mkdir("config") && folder.mkdir("bin") &&
                folder.mkdir("runtime", QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner));
        QVERIFY(std::ofstream(at("bin/xdg-open").toStdString())
                << "#!/bin/sh\nprintf '%s\\n' \"$1\" >> \"$(dirname \"$0\")/opened\"\n");
        QVERIFY(QFile::setPermissions(at("bin/xdg-open"), QFile::ReadOwner | QFile::ExeOwner));
    }
    void cleanup() {
        for (auto& process : started) {
            process->kill();
            process->waitForFinished(5000);
        }
        started.clear();
        home.reset();
    }

    // No display, one that is named but cannot be reached, Wayland alone or a platform Qt
    // lacks: one line that says so and an ordinary failure, never Qt's abort.
    void withoutAUsableDisplayItSaysSoInOneLine() {
        for (const QStringList& variables : {QStringList{"DISPLAY", "WAYLAND_DISPLAY"},
                                             {"DISPLAY=:4321", "WAYLAND_DISPLAY"},
                                             {"DISPLAY", "WAYLAND_DISPLAY=wayland-7"},
                                             {"QT_QPA_PLATFORM=nosuch"}}) {
            QProcess* process = launch(variables);
            QVERIFY(process->waitForFinished(10000));
            const QString said = QString::fromLocal8Bit(process->readAllStandardError());
            QVERIFY2(process->exitStatus() == QProcess::NormalExit && process->exitCode() == 1,
                     qPrintable(variables.join(u' ')));
            QVERIFY2(said.count(u'\n') == 1 && said.contains("xvfb-run"), qPrintable(said));
        }
    }

    void aPersonFindsASignGoesBackAndLeavesThroughTheExitWindow() {
        QProcess* lunetra = launch();
        const QString mainWindow = waitForWindow(lunetra, MainTitle);
        QVERIFY2(!mainWindow.isEmpty(), "the main window did not appear");
        // The first start keeps today as the reminder's day and asks nothing.
        QVERIFY(settingsText().contains(QDate::currentDate().toString(Qt::ISODate)));
        // The one window with the main title that is not the main window itself.
        const auto otherWindow = [&] {
            const QStringList found = visibleWindows(lunetra, MainTitle);
            return found.size() == 1 && found != QStringList{mainWindow} ? found.first() : "";
        };
        press(mainWindow, "a n n Tab 2 1 Tab O c t Tab 1 9 0 4 alt+i");
        QTRY_VERIFY(!otherWindow().isEmpty()); // the result
        press(otherWindow(), "alt+b");
        QTRY_COMPARE(visibleWindows(lunetra, MainTitle), QStringList{mainWindow}); // nothing else
        press(mainWindow, "Escape");
        QTRY_VERIFY(!otherWindow().isEmpty());         // the exit window
        QCOMPARE(lunetra->state(), QProcess::Running); // the exit window keeps it alive
        press({}, "alt+x"); // the exit window has the keyboard without being clicked
        QVERIFY2(lunetra->waitForFinished(10000), "Exit did not end the program");
        QCOMPARE(lunetra->exitStatus(), QProcess::NormalExit);
        QCOMPARE(lunetra->exitCode(), 0);
        QVERIFY2(!QFile::exists(at("bin/opened")), "a page was opened unasked");
    }

    // While one runs, a second start shows a notice and ends on OK, leaving the first and the
    // settings alone, also without a runtime folder or with another temporary folder; once the
    // first is killed (no chance to give the lock back), the next start shows its main window.
    void aSecondStartIsRefusedButNotAfterTheFirstWasKilled() {
        QProcess* first = launch();
        QVERIFY(!waitForWindow(first, MainTitle).isEmpty());
        const QString settingsBefore = settingsText();
        for (const QStringList& variables :
             {QStringList(), {"XDG_RUNTIME_DIR"}, {"TMPDIR=" + at("bin")}}) {
            QProcess* second = launch(variables);
            const QString notice = waitForWindow(second, NoticeTitle);
            QVERIFY2(!notice.isEmpty(), qPrintable("no notice with " + variables.join(u' ')));
            QVERIFY(waitForWindow(second, MainTitle, 300).isEmpty());
            press(notice, "Return");
            QVERIFY2(second->waitForFinished(10000), "the second start did not end after OK");
            QCOMPARE(second->exitCode(), 0);
        }
        QCOMPARE(first->state(), QProcess::Running);
        QCOMPARE(settingsText(), settingsBefore);

        first->kill();
        QVERIFY(first->waitForFinished(5000));
        QVERIFY2(showsTheMainWindowAlone(launch()), "the next start showed no main window");
    }

    // Nor do an empty lock, as a start killed early leaves it, and a FIFO in the settings'
    // place keep the main window away; test_platform has every other kind of leftover.
    void itReadsNoCommandLineNotEvenQtsOptionsAndLeftoversDoNotMatter() {
        QVERIFY(QFile(at("config/lunetra.lock")).open(QIODevice::WriteOnly));
        QVERIFY(::mkfifo(QFile::encodeName(at("config/lunetra.conf")), 0600) == 0);
        QProcess* lunetra = launch({}, {"-qwindowtitle", "Renamed", "-platform", "offscreen"});
        QVERIFY2(showsTheMainWindowAlone(lunetra), "no main window on the display, as it is");
        QVERIFY(visibleWindows(lunetra, "Renamed").isEmpty());
    }
};

QTEST_GUILESS_MAIN(LunetraBinaryTest)
#include "test_lunetra_binary.moc"
