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

QString Run(const QString& program, const QStringList& arguments) {
    QProcess tool;
    tool.start(program, arguments);
    tool.waitForFinished(5000);
    return QString::fromLocal8Bit(tool.readAllStandardOutput()).trimmed();
}

// The numbers xprop or xwininfo give for one property or field, in decimal or hex.
QList<qlonglong> Numbers(const QString& text) {
    QList<qlonglong> numbers;
    for (const QString& part : text.section(QRegularExpression("[=#:]"), -1).split(u','))
        if (bool ok = false; numbers << part.trimmed().toLongLong(&ok, 0), !ok)
            numbers.removeLast();
    return numbers;
}
QList<qlonglong> Property(const QString& window, const QString& name) {
    return Numbers(Run(
        "xprop", (window.isEmpty() ? QStringList{"-root"} : QStringList{"-id", window}) << name));
}

// The window with its frame, as the window manager placed it.
QRect FrameOf(const QString& window) {
    const QString info = Run("xwininfo", {"-id", window});
    const auto field = [&](const QString& name) {
        return Numbers(info.section(name, 1, 1).section(u'\n', 0, 0)).value(0);
    };
    const QList<qlonglong> edges = Property(window, "_NET_FRAME_EXTENTS");
    return QRect(field("Absolute upper-left X:"), field("Absolute upper-left Y:"), field("Width:"),
                 field("Height:"))
        .marginsAdded(QMargins(edges.value(0), edges.value(2), edges.value(1), edges.value(3)));
}

} // namespace

class LunetraBinaryTest : public QObject {
    Q_OBJECT

    std::unique_ptr<QTemporaryDir> home;
    std::vector<std::unique_ptr<QProcess>> started;
    QProcess windowManager;

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
        const QString found = Run("xdotool", {"search", "--all", "--onlyvisible", "--pid",
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
    void press(const QString& window, const QString& keys) {
        if (!window.isEmpty())
            Run("xdotool", {"windowfocus", window});
        QThread::msleep(300);
        Run("xdotool", QStringList{"key", "--clearmodifiers"} + keys.split(u' '));
    }
    QString settingsText() {
        QFile file(at("config/lunetra.conf"));
        return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
    }

private slots:
    void initTestCase() {
        if (QStandardPaths::findExecutable("xdotool").isEmpty())
            QSKIP("xdotool is not installed");
        QVERIFY2(qEnvironmentVariableIsSet("DISPLAY"), "run this test under xvfb-run");
        // Some cases run under a real window manager, named by this variable.
        QStringList manager =
            QProcess::splitCommand(qEnvironmentVariable("LUNETRA_WINDOW_MANAGER"));
        if (manager.isEmpty())
            return;
        windowManager.start(manager.takeFirst(), manager);
        QTRY_VERIFY_WITH_TIMEOUT(!Property({}, "_NET_SUPPORTING_WM_CHECK").isEmpty() &&
                                     !Property({}, "_NET_WORKAREA").isEmpty(),
                                 20000);
    }
    void cleanupTestCase() {
        windowManager.kill();
        windowManager.waitForFinished(5000);
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

    // No display, one that is named but cannot be reached, or Wayland alone: one line that
    // says so and an ordinary failure, never Qt's abort; a platform Qt lacks is named.
    void withoutAUsableDisplayItSaysSoInOneLine() {
        for (const auto& [variables, told] :
             {std::pair{QStringList{"DISPLAY", "WAYLAND_DISPLAY"}, "xvfb-run"},
              {{"DISPLAY=:4321", "WAYLAND_DISPLAY"}, "xvfb-run"},
              {{"DISPLAY", "WAYLAND_DISPLAY=wayland-7"}, "xvfb-run"},
              {{"QT_QPA_PLATFORM=nosuch"},
               "no \"nosuch\" platform plug-in here; set "
               "QT_QPA_PLATFORM to one Qt has (wayland-egl, "}}) {
            QProcess* process = launch(variables);
            QVERIFY(process->waitForFinished(10000));
            const QString said = QString::fromLocal8Bit(process->readAllStandardError());
            QVERIFY2(process->exitStatus() == QProcess::NormalExit && process->exitCode() == 1,
                     qPrintable(variables.join(u' ')));
            QVERIFY2(said.count(u'\n') == 1 && said.contains(told), qPrintable(said));
        }
    }

    // A person finds a sign, goes back and leaves through the exit window. Under the window
    // manager of a real desktop also: the windows are centred with their frames on the work
    // area, Back leaves the main window alone where it stood, and the exit window stays on top,
    // of a window activated later too, but not of a second start's notice.
    void aPersonFindsASignGoesBackAndLeavesThroughTheExitWindow() {
        const bool desktop = windowManager.state() == QProcess::Running;
        const QList<qlonglong> area = Property({}, "_NET_WORKAREA");
        const QPointF middle =
            QRectF(area.value(0), area.value(1), area.value(2), area.value(3)).center();
        const auto centred = [&](const QString& window) {
            if (!desktop)
                return true;
            if (!QTest::qWaitFor([&] { return !Property(window, "_NET_FRAME_EXTENTS").isEmpty(); }))
                return false;
            const QPointF off = QRectF(FrameOf(window)).center() - middle;
            return qAbs(off.x()) <= 2 && qAbs(off.y()) <= 2;
        };
        QProcess* lunetra = launch();
        const QString mainWindow = waitForWindow(lunetra, MainTitle);
        QVERIFY2(!mainWindow.isEmpty(), "the main window did not appear");
        QVERIFY2(centred(mainWindow), qPrintable(Run("xwininfo", {"-id", mainWindow})));
        const QRect placed = FrameOf(mainWindow);
        // The first start keeps today as the reminder's day and asks nothing.
        QVERIFY(settingsText().contains(QDate::currentDate().toString(Qt::ISODate)));
        // The one window with the main title that is not the main window itself.
        const auto otherWindow = [&] {
            const QStringList found = visibleWindows(lunetra, MainTitle);
            return found.size() == 1 && found != QStringList{mainWindow} ? found.first() : "";
        };
        press(mainWindow, "a n n Tab 2 1 Tab O c t Tab 1 9 0 4 alt+i");
        QTRY_VERIFY(!otherWindow().isEmpty()); // the result
        QVERIFY(centred(otherWindow()));
        press(otherWindow(), "alt+b");
        QTRY_COMPARE(visibleWindows(lunetra, MainTitle), QStringList{mainWindow});
        QTest::qWait(500); // nothing shows up late, or stays behind
        QCOMPARE(visibleWindows(lunetra, MainTitle), QStringList{mainWindow});
        QCOMPARE(FrameOf(mainWindow), placed);
        press(mainWindow, "Escape");
        QTRY_VERIFY(!otherWindow().isEmpty());         // the exit window
        QCOMPARE(lunetra->state(), QProcess::Running); // the exit window keeps it alive
        const QString exitWindow = otherWindow();
        if (desktop) {
            QVERIFY(
                Run("xprop", {"-id", exitWindow, "_NET_WM_STATE"}).contains("_NET_WM_STATE_ABOVE"));
            const auto above = [](const QString& upper, const QString& lower) {
                const QList<qlonglong> order = Property({}, "_NET_CLIENT_LIST_STACKING");
                return order.contains(lower.toLongLong()) &&
                       order.indexOf(upper.toLongLong()) > order.indexOf(lower.toLongLong());
            };
            started.emplace_back(std::make_unique<QProcess>())
                ->start("xmessage", {"-title", "Other", "Other"});
            QString other;
            QTRY_VERIFY(!(other = Run("xdotool", {"search", "--onlyvisible", "--name", "^Other$"}))
                             .isEmpty());
            Run("xdotool", {"windowactivate", other});
            QTRY_COMPARE(Property({}, "_NET_ACTIVE_WINDOW").value(0), other.toLongLong());
            QVERIFY(above(exitWindow, other));
            QProcess* second = launch();
            const QString notice = waitForWindow(second, NoticeTitle);
            QTRY_VERIFY(above(notice, exitWindow));
            press(notice, "Return");
            QVERIFY2(second->waitForFinished(10000), "the notice was not answered with Enter");
        }
        // Alone, the exit window has the keyboard without being clicked.
        press(desktop ? exitWindow : QString(), "alt+x");
        QVERIFY2(lunetra->waitForFinished(10000), "Exit did not end the program");
        QCOMPARE(lunetra->exitStatus(), QProcess::NormalExit);
        QCOMPARE(lunetra->exitCode(), 0);
        QVERIFY2(!QFile::exists(at("bin/opened")), "a page was opened unasked");
    }

    // On Wayland, here weston without a screen, the compositor places the windows; Lunetra
    // starts there without a complaint, and ends as asked.
    void onWaylandItStartsQuietlyAndEndsWhenTerminated() {
        if (QStandardPaths::findExecutable("weston").isEmpty())
            QSKIP("weston is not installed");
        started.emplace_back(std::make_unique<QProcess>())
            ->start("env", {"XDG_RUNTIME_DIR=" + at("runtime"), "weston",
                            "--backend=headless-backend.so", "--socket=lunetra-test"});
        QTRY_VERIFY(QFile::exists(at("runtime/lunetra-test")));
        QProcess* lunetra =
            launch({"QT_QPA_PLATFORM=wayland", "WAYLAND_DISPLAY=lunetra-test", "DISPLAY"});
        QTest::qWait(2000);
        QCOMPARE(lunetra->state(), QProcess::Running);
        lunetra->terminate();
        QVERIFY(lunetra->waitForFinished(5000));
        QCOMPARE(lunetra->readAllStandardError(), QByteArray());
    }

    // While one runs, a second start shows a notice and ends on OK, leaving the first and the
    // settings alone, also without a runtime folder or with another temporary folder. Once the
    // first is killed (no chance to give the lock back), the next start shows its main window,
    // also with a FIFO in the settings' place (test_platform has every other kind of leftover),
    // and reads no command line, not even Qt's options.
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
        QVERIFY(QFile::remove(at("config/lunetra.conf")) &&
                ::mkfifo(QFile::encodeName(at("config/lunetra.conf")), 0600) == 0);
        QProcess* next = launch({}, {"-qwindowtitle", "Renamed", "-platform", "offscreen"});
        QVERIFY2(!waitForWindow(next, MainTitle).isEmpty(), "the next start showed no main window");
        // and no notice or question with it
        QVERIFY(waitForWindow(next, NoticeTitle, 300).isEmpty());
        QVERIFY(visibleWindows(next, "Renamed").isEmpty());
    }
};

QTEST_GUILESS_MAIN(LunetraBinaryTest)
#include "test_lunetra_binary.moc"
