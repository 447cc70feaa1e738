// Drives the built program in a real X session (run under xvfb-run) as a person would, with
// xdotool for the keyboard. Every run gets its own settings, lock and browser folders.

#include "support/Addresses.h"

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

const QString Lunetra = LUNETRA_BINARY, MainTitle = "Lunetra v1.0", NoticeTitle = "Lunetra";

static QByteArray Output(const QString& program, const QStringList& arguments, int wait = 5000) {
    QProcess tool;
    tool.start(program, arguments);
    if (!tool.waitForFinished(wait)) // one that keeps telling is stopped after the wait
        tool.kill(), tool.waitForFinished(wait);
    return tool.readAllStandardOutput();
}
static QString Run(const QString& program, const QStringList& arguments) {
    return QString::fromLocal8Bit(Output(program, arguments)).trimmed();
}

// The numbers xprop or xwininfo give for one property or field, in decimal or hex.
static QList<qlonglong> Numbers(const QString& text) {
    QList<qlonglong> numbers;
    for (const QString& part : text.section(QRegularExpression("[=#:]"), -1).split(u','))
        if (bool ok = false; numbers << part.trimmed().toLongLong(&ok, 0), !ok)
            numbers.removeLast();
    return numbers;
}
static QList<qlonglong> Property(const QString& window, const QString& name) {
    return Numbers(Run(
        "xprop", (window.isEmpty() ? QStringList{"-root"} : QStringList{"-id", window}) << name));
}

// One number of what xwininfo tells.
static qlonglong Field(const QString& info, const QString& name) {
    return Numbers(info.section(name, 1, 1).section(u'\n', 0, 0)).value(0);
}

// The window with its frame, as the window manager placed it.
static QRect FrameOf(const QString& window) {
    const QString info = Run("xwininfo", {"-id", window});
    const QList<qlonglong> edges = Property(window, "_NET_FRAME_EXTENTS");
    return QRect(Field(info, "Absolute upper-left X:"), Field(info, "Absolute upper-left Y:"),
                 Field(info, "Width:"), Field(info, "Height:"))
        .marginsAdded(QMargins(edges.value(0), edges.value(2), edges.value(1), edges.value(3)));
}

class LunetraBinaryTest : public QObject {
    Q_OBJECT

    std::unique_ptr<QTemporaryDir> home;
    std::vector<std::unique_ptr<QProcess>> started;
    // Under a real desktop's window manager (on-desktop.sh), or in its Wayland session.
    const bool desktop = qEnvironmentVariableIsSet("LUNETRA_DESKTOP_LOG");
    const bool kde = desktop && qEnvironmentVariable("XDG_SESSION_TYPE") == "wayland" &&
                     qEnvironmentVariable("XDG_CURRENT_DESKTOP") == "KDE";

    QString at(const QString& name) const { return home->filePath(name); }
    // Starts the program with its own folders and a browser that only writes down what it
    // was asked to open; each of `variables` sets a variable (name=value) or removes it.
    QProcess* launch(const QStringList& variables = {}, const QStringList& arguments = {},
                     const QString& program = Lunetra) {
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
        process->start(program, arguments);
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
        // A window manager is asked, as a pager would, rather than passed by.
        if (!window.isEmpty())
            Run("xdotool", {desktop ? "windowactivate" : "windowfocus", window});
        QThread::msleep(300);
        Run("xdotool", QStringList{"key", "--clearmodifiers"} + keys.split(u' '));
    }
    // A file of the run's folders, or nothing where there is none.
    QString contents(const QString& name) {
        QFile file(at(name));
        return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
    }

    // The windows KWin knows, as a script of its own prints them on KWin's output.
    QString kwinWindows() {
        const QStringList call{"--session", "--print-reply", "--dest=org.kde.KWin", "/Scripting"};
        const QString script = "string:" + QStringLiteral(LUNETRA_SOURCE_DIR) + "/kwin-windows.js";
        for (const QStringList& step :
             {QStringList{"loadScript", script}, {"start"}, {"unloadScript", script}})
            Run("dbus-send", call + QStringList{"org.kde.kwin.Scripting." + step[0]} + step.mid(1));
        QFile log(qEnvironmentVariable("LUNETRA_DESKTOP_LOG"));
        return log.open(QIODevice::ReadOnly) ? QString::fromLocal8Bit(log.readAll()) : QString();
    }
    // What weston shows, from its debugging scope.
    QString westonScene() {
        return QString::fromLocal8Bit(
            Output("env",
                   {"XDG_RUNTIME_DIR=" + at("runtime"), "WAYLAND_DISPLAY=lunetra-test",
                    "weston-debug", "scene-graph"},
                   2000));
    }
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
        for (auto& process : started)
            process->kill(), process->waitForFinished(5000);
        started.clear();
        home.reset();
    }

    // No display, one that is named but cannot be reached, or Wayland alone: one line that
    // says so and an ordinary failure, never Qt's abort; a platform Qt lacks is named, and
    // where it is Wayland's, the package that brings it.
    void withoutAUsableDisplayItSaysSoInOneLine() {
        const QString bare = at("bin/bare"); // a copy that finds no plug-in at all
        QVERIFY(QFile::copy(Lunetra, bare) && std::ofstream(at("bin/qt.conf").toStdString())
                                                  << "[Paths]\nPlugins=/none\n");
        for (const auto& [variables, told, program] :
             {std::tuple{QStringList{"DISPLAY", "WAYLAND_DISPLAY"}, "xvfb-run", Lunetra},
              {{"DISPLAY=:4321", "WAYLAND_DISPLAY"}, "xvfb-run", Lunetra},
              {{"DISPLAY", "WAYLAND_DISPLAY=wayland-7"}, "xvfb-run", Lunetra},
              {{"QT_QPA_PLATFORM=nosuch"},
               "no \"nosuch\" platform plug-in here; set "
               "QT_QPA_PLATFORM to one Qt has (wayland-egl, ",
               Lunetra},
              {{"QT_QPA_PLATFORM=wayland"},
               "no \"wayland\" platform plug-in here; install qt6-wayland, or unset",
               bare}}) {
            QProcess* process = launch(variables, {}, program);
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
        // The work area, or the whole screen where the window manager keeps none (KWin).
        QList<qlonglong> area = Property({}, "_NET_WORKAREA");
        if (area.size() < 4) {
            const QString screen = Run("xwininfo", {"-root"});
            area = {0, 0, Field(screen, "Width:"), Field(screen, "Height:")};
        }
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
        // Lunetra reads no command line, not even Qt's options.
        QProcess* lunetra = launch({}, {"-qwindowtitle", "Renamed", "-platform", "offscreen"});
        const QString mainWindow = waitForWindow(lunetra, MainTitle);
        QVERIFY2(!mainWindow.isEmpty(), "the main window did not appear");
        QVERIFY2(centred(mainWindow), qPrintable(Run("xwininfo", {"-id", mainWindow})));
        // Up without an image plug-in, whose loading would slow every start.
        QFile maps(QString("/proc/%1/maps").arg(lunetra->processId()));
        QVERIFY(maps.open(QIODevice::ReadOnly) && !maps.readAll().contains("/imageformats/"));
        if (desktop) {
            // One title bar, the window manager's: Lunetra asks for a frame and draws none.
            QVERIFY(Property(mainWindow, "_NET_FRAME_EXTENTS").value(2) >= 15);
            const QList<qlonglong> motif = Property(mainWindow, "_MOTIF_WM_HINTS");
            QVERIFY(!(motif.value(0) & 2) || motif.value(2) != 0);
        }
        const QRect placed = FrameOf(mainWindow);
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
        QVERIFY2(lunetra->waitForFinished(10000) && lunetra->exitStatus() == QProcess::NormalExit &&
                     lunetra->exitCode() == 0,
                 "Exit did not end the program well");
        QVERIFY2(!QFile::exists(at("bin/opened")), "a page was opened unasked");
        // Nor a word on the error output, in a Wayland session either.
        QCOMPARE(lunetra->readAllStandardError(), QByteArray());
    }

    // Native Wayland, when the user asks for it or no X server answers: where the compositor
    // frames windows (KWin), the window takes that frame, one title bar in all; where it does
    // not (weston), the window is exactly the design's width with a title bar of its own above
    // it. Lunetra starts there without a complaint, and ends as asked.
    void onNativeWaylandTheCompositorsFrameOrItsOwn() {
        if (desktop && !kde)
            QSKIP("the compositor's frame is checked under KWin, the own bar under weston");
        const int designWidth = 7485 / 15, designHeight = 5910 / 15; // below the menu bar
        QStringList variables{"QT_QPA_PLATFORM=wayland"};
        if (!kde) {
            if (QStandardPaths::findExecutable("weston").isEmpty())
                QSKIP("weston is not installed");
            started.emplace_back(std::make_unique<QProcess>())
                ->start("env", {"XDG_RUNTIME_DIR=" + at("runtime"), "weston", "--debug",
                                "--backend=headless-backend.so", "--socket=lunetra-test"});
            QTRY_VERIFY(QFile::exists(at("runtime/lunetra-test")));
            // A Wayland session whose X server is gone: Wayland without being asked for.
            variables = QStringList{"XDG_SESSION_TYPE=wayland", "WAYLAND_DISPLAY=lunetra-test",
                                    "DISPLAY=:4321"};
        }
        QProcess* lunetra = launch(variables);
        QRect frame, window;
        const QRegularExpression toplevel(
            kde ? "window Lunetra v1.0 noBorder=false frame=(-?\\d+),(-?\\d+),(\\d+),(\\d+) "
                  "buffer=(-?\\d+),(-?\\d+),(\\d+),(\\d+)"
                : "top-level window 'Lunetra v1.0'.*\\n\\s*position: \\((-?\\d+), (-?\\d+)\\) -> "
                  "\\((-?\\d+), (-?\\d+)\\)");
        QTRY_VERIFY_WITH_TIMEOUT(
            [&] {
                const QRegularExpressionMatch found =
                    toplevel.match(kde ? kwinWindows() : westonScene());
                const auto n = [&](int i) { return found.captured(i).toInt(); };
                frame = kde ? QRect(n(1), n(2), n(3), n(4))
                            : QRect(QPoint(n(1), n(2)), QPoint(n(3) - 1, n(4) - 1));
                window = kde ? QRect(n(5), n(6), n(7), n(8)) : frame;
                return found.hasMatch();
            }(),
            10000);
        QCOMPARE(window.width(), designWidth);
        if (kde) // KWin's bar above the window, nothing of Lunetra's own in it
            QVERIFY2(frame.height() - window.height() >= 15 && window.height() < designHeight + 30,
                     qPrintable(kwinWindows()));
        else // the menu bar and Lunetra's own title bar above the design's client area
            QVERIFY2(window.height() >= designHeight + 2 * 15, qPrintable(westonScene()));
        QCOMPARE(lunetra->state(), QProcess::Running);
        lunetra->terminate();
        QVERIFY(lunetra->waitForFinished(5000));
        QCOMPARE(lunetra->readAllStandardError(), QByteArray());
    }

    // Fifteen days after the last reminder the question comes first; Yes opens the download
    // page in the browser, exactly as written, and the main window then comes and stays. Qt's own
    // messages, asked for, reach the error output: those held while the display is tried, and
    // those after start-up.
    void theReminderIsAnsweredBeforeTheMainWindowStays() {
        QVERIFY(std::ofstream(at("config/lunetra.conf").toStdString())
                << "[Settings]\nLastUpdateReminder=2001-01-01\n");
        QProcess* lunetra = launch({"QT_LOGGING_RULES=qt.qpa.plugin=true;qt.qpa.events=true"});
        const QString question = waitForWindow(lunetra, NoticeTitle);
        QVERIFY2(!question.isEmpty() && waitForWindow(lunetra, MainTitle, 300).isEmpty(),
                 "no question before the main window");
        press(question, "Return");
        QVERIFY(!waitForWindow(lunetra, MainTitle).isEmpty());
        QTest::qWait(500);
        QCOMPARE(lunetra->state(), QProcess::Running);
        QVERIFY(
            contents("config/lunetra.conf").contains(QDate::currentDate().toString(Qt::ISODate)));
        using namespace lunetra::test::design;
        QCOMPARE(contents("bin/opened").toStdString(),
                 OnConfiguredHosts(ProductDownloadPage) + '\n');
        const QByteArray told = lunetra->readAllStandardError();
        QVERIFY(told.contains("Successfully loaded Qt platform plugin") &&
                told.contains("qt.qpa.events"));
        // A copy under another name is another program, with settings of its own, whose windows
        // the desktop tells apart.
        QVERIFY(QFile::copy(Lunetra, at("bin/stars")));
        const QString copy = waitForWindow(launch({}, {}, at("bin/stars")), MainTitle);
        QVERIFY(Run("xprop", {"-id", copy, "WM_CLASS"}).endsWith("\"stars\", \"stars\""));
        QVERIFY(QFile::exists(at("config/stars.conf")));
    }
};

QTEST_GUILESS_MAIN(LunetraBinaryTest)
#include "test_lunetra_binary.moc"
