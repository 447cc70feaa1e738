// Drives the built program in a real X session (run under xvfb-run) as a person would, with
// xdotool for the keyboard. Every run gets its own settings, lock and browser folders.
#include "config/Sites.h"

#include <QDate>
#include <QDirIterator>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>

#include <memory>

#include <sys/stat.h>

namespace {

const QString Lunetra = QStringLiteral(LUNETRA_BINARY);

QString RunXdotool(const QStringList& arguments) {
    QProcess xdotool;
    xdotool.start(QStringLiteral("xdotool"), arguments);
    xdotool.waitForFinished(5000);
    return QString::fromLocal8Bit(xdotool.readAllStandardOutput()).trimmed();
}

} // namespace

class LunetraBinaryTest : public QObject {
    Q_OBJECT

    std::unique_ptr<QTemporaryDir> home;
    std::vector<std::unique_ptr<QProcess>> started;

    QProcessEnvironment environment() {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("XDG_CONFIG_HOME"), home->filePath(QStringLiteral("config")));
        env.insert(QStringLiteral("XDG_RUNTIME_DIR"), home->filePath(QStringLiteral("runtime")));
        // A browser that only writes down what it was asked to open.
        env.insert(QStringLiteral("PATH"), home->filePath(QStringLiteral("bin")) + u':' +
                                               env.value(QStringLiteral("PATH")));
        env.remove(QStringLiteral("QT_QPA_PLATFORM"));
        return env;
    }
    QProcess* launch(const QProcessEnvironment& env, const QStringList& arguments = {}) {
        auto process = std::make_unique<QProcess>();
        process->setProcessEnvironment(env);
        process->setWorkingDirectory(home->path());
        process->start(Lunetra, arguments);
        process->waitForStarted(5000);
        started.push_back(std::move(process));
        return started.back().get();
    }
    QProcess* launch() { return launch(environment()); }
    // The windows of the process on the screen with exactly this title.
    QStringList visibleWindows(QProcess* process, const QString& title) {
        const QString found = RunXdotool(
            {QStringLiteral("search"), QStringLiteral("--all"), QStringLiteral("--onlyvisible"),
             QStringLiteral("--pid"), QString::number(process->processId()),
             QStringLiteral("--name"), u'^' + QRegularExpression::escape(title) + u'$'});
        return found.isEmpty() ? QStringList() : found.split(u'\n');
    }
    // The id of such a window, once there is one.
    QString waitForWindow(QProcess* process, const QString& title, int milliseconds = 10000) {
        QElapsedTimer timer;
        timer.start();
        while (timer.elapsed() < milliseconds && process->state() == QProcess::Running) {
            const QStringList found = visibleWindows(process, title);
            if (!found.isEmpty())
                return found.first();
            QThread::msleep(100);
        }
        return {};
    }
    void press(const QString& window, const QString& keys) {
        RunXdotool({QStringLiteral("windowfocus"), window});
        QThread::msleep(300);
        RunXdotool(QStringList{QStringLiteral("key"), QStringLiteral("--clearmodifiers")} +
                   keys.split(u' '));
    }
    QString settingsText() {
        QDirIterator files(home->filePath(QStringLiteral("config")), QDir::Files,
                           QDirIterator::Subdirectories);
        QString text;
        while (files.hasNext()) {
            QFile file(files.next());
            if (file.open(QIODevice::ReadOnly))
                text += QString::fromUtf8(file.readAll());
        }
        return text;
    }

private slots:
    void initTestCase() {
        if (QStandardPaths::findExecutable(QStringLiteral("xdotool")).isEmpty())
            QSKIP("xdotool is not installed");
        QVERIFY2(qEnvironmentVariableIsSet("DISPLAY"), "run this test under xvfb-run");
    }
    void init() {
        home = std::make_unique<QTemporaryDir>();
        QDir(home->path()).mkpath(QStringLiteral("config"));
        QDir(home->path()).mkpath(QStringLiteral("runtime"));
        QFile::setPermissions(home->filePath(QStringLiteral("runtime")),
                              QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        QDir(home->path()).mkpath(QStringLiteral("bin"));
        QFile opener(home->filePath(QStringLiteral("bin/xdg-open")));
        QVERIFY(opener.open(QIODevice::WriteOnly));
        opener.write("#!/bin/sh\nprintf '%s\\n' \"$1\" >> \"$(dirname \"$0\")/opened\"\n");
        opener.close();
        opener.setPermissions(opener.permissions() | QFile::ExeOwner);
    }
    void cleanup() {
        for (auto& process : started) {
            if (process->state() != QProcess::NotRunning) {
                process->kill();
                process->waitForFinished(5000);
            }
        }
        started.clear();
        home.reset();
    }

    // No display, one that is named but cannot be reached, or a platform Qt lacks: one line
    // that says so and an ordinary failure, never Qt's abort.
    void withoutAUsableDisplayItSaysSoInOneLine_data() {
        QTest::addColumn<QStringList>("variables"); // name=value, or a name alone to remove
        QTest::newRow("none") << QStringList{"DISPLAY", "WAYLAND_DISPLAY"};
        QTest::newRow("no server") << QStringList{"DISPLAY=:4321", "WAYLAND_DISPLAY"};
        QTest::newRow("Wayland alone") << QStringList{"DISPLAY", "WAYLAND_DISPLAY=wayland-7"};
        QTest::newRow("unknown platform") << QStringList{"QT_QPA_PLATFORM=nosuch"};
    }
    void withoutAUsableDisplayItSaysSoInOneLine() {
        QFETCH(QStringList, variables);
        QProcessEnvironment env = environment();
        for (const QString& variable : variables) {
            if (variable.contains(u'='))
                env.insert(variable.section(u'=', 0, 0), variable.section(u'=', 1));
            else
                env.remove(variable);
        }
        QProcess* process = launch(env);
        QVERIFY(process->waitForFinished(10000));
        QCOMPARE(process->exitStatus(), QProcess::NormalExit);
        QCOMPARE(process->exitCode(), 1);
        const QString said = QString::fromLocal8Bit(process->readAllStandardError());
        QCOMPARE(said.count(u'\n'), 1);
        QVERIFY2(said.contains(QStringLiteral("xvfb-run")), qPrintable(said));
    }

    // What a crash, another program or a person may leave where Lunetra keeps its lock and
    // settings never keeps its main window away.
    void leftoversNeverKeepTheMainWindowAway_data() {
        QTest::addColumn<QString>("leftover");
        for (const char* leftover :
             {"runtime/lunetra.lock=", "runtime/lunetra.lock/", "runtime/lunetra.lock|",
              "config/lunetra.conf|", "config/lunetra.conf.lock/", "relative config home"})
            QTest::newRow(leftover) << leftover;
    }
    void leftoversNeverKeepTheMainWindowAway() {
        QFETCH(QString, leftover);
        QProcessEnvironment env = environment();
        const QString path = home->filePath(leftover.chopped(1));
        if (leftover.endsWith(u'='))
            QVERIFY(
                QFile(path).open(QIODevice::WriteOnly)); // empty, as a start killed early leaves it
        else if (leftover.endsWith(u'/'))
            QVERIFY(QDir().mkpath(path));
        else if (leftover.endsWith(u'|'))
            QVERIFY(::mkfifo(QFile::encodeName(path), 0600) == 0);
        else {
            env.insert(QStringLiteral("XDG_CONFIG_HOME"), QStringLiteral("config"));
            env.insert(QStringLiteral("HOME"), home->filePath(QStringLiteral("home")));
        }
        QElapsedTimer timer;
        timer.start();
        QProcess* lunetra = launch(env);
        QVERIFY2(!waitForWindow(lunetra, QStringLiteral("Lunetra v1.0")).isEmpty(),
                 "no main window");
        qInfo("main window after %lld ms", timer.elapsed());
        QVERIFY(waitForWindow(lunetra, QStringLiteral("Lunetra"), 300).isEmpty());
        // The settings went to the user's own folder, never under the current one.
        if (leftover.startsWith(QStringLiteral("relative")))
            QTRY_VERIFY(
                QFile::exists(home->filePath(QStringLiteral("home/.config/lunetra.conf"))) &&
                !QFile::exists(home->filePath(QStringLiteral("config/lunetra.conf"))));
    }

    void aPersonFindsASignGoesBackAndLeavesThroughTheExitWindow() {
        QProcess* lunetra = launch();
        const QString title = QStringLiteral("Lunetra v1.0");
        const QString mainWindow = waitForWindow(lunetra, title);
        QVERIFY2(!mainWindow.isEmpty(), "the main window did not appear");
        // The first start keeps today as the reminder's day and asks nothing.
        QVERIFY(settingsText().contains(QDate::currentDate().toString(Qt::ISODate)));
        press(mainWindow, QStringLiteral("a n n Tab 2 1 Tab O c t Tab 1 9 0 4 alt+i"));
        QTRY_VERIFY(visibleWindows(lunetra, title).size() == 1 &&
                    visibleWindows(lunetra, title) != QStringList{mainWindow}); // the result
        press(visibleWindows(lunetra, title).first(), QStringLiteral("alt+b"));
        QTRY_COMPARE(visibleWindows(lunetra, title), QStringList{mainWindow}); // nothing else
        press(mainWindow, QStringLiteral("Escape"));
        QTRY_VERIFY(visibleWindows(lunetra, title).size() == 1 &&
                    visibleWindows(lunetra, title) != QStringList{mainWindow}); // the exit window
        QCOMPARE(lunetra->state(), QProcess::Running); // the exit window keeps it alive
        // The exit window has the keyboard without being clicked.
        QThread::msleep(300);
        RunXdotool(
            {QStringLiteral("key"), QStringLiteral("--clearmodifiers"), QStringLiteral("alt+x")});
        QVERIFY2(lunetra->waitForFinished(10000), "Exit did not end the program");
        QCOMPARE(lunetra->exitStatus(), QProcess::NormalExit);
        QCOMPARE(lunetra->exitCode(), 0);
    }

    void theUpdateQuestionComesBeforeTheMainWindowAtMostEveryFifteenDays_data() {
        QTest::addColumn<QString>("answer");
        QTest::addColumn<QString>("opened");
        QTest::newRow("No") << "Escape"
                            << "";
        const std::string download =
            "http://" + std::string(lunetra::sites::ProductHost) + "/download-lunetra.html\n";
        QTest::newRow("Yes, the default") << "Return" << QString::fromStdString(download);
    }
    void theUpdateQuestionComesBeforeTheMainWindowAtMostEveryFifteenDays() {
        QFETCH(QString, answer);
        QFETCH(QString, opened);
        QFile settings(home->filePath(QStringLiteral("config/lunetra.conf")));
        QVERIFY(settings.open(QIODevice::WriteOnly));
        settings.write("[Settings]\nLastUpdateReminder=" +
                       QDate::currentDate().addDays(-15).toString(Qt::ISODate).toLatin1() + '\n');
        settings.close();
        QProcess* lunetra = launch();
        const QString question = waitForWindow(lunetra, QStringLiteral("Lunetra"));
        QVERIFY2(!question.isEmpty(), "no update question");
        QVERIFY(waitForWindow(lunetra, QStringLiteral("Lunetra v1.0"), 300).isEmpty());
        press(question, answer);
        QVERIFY(!waitForWindow(lunetra, QStringLiteral("Lunetra v1.0")).isEmpty());
        QVERIFY(settingsText().contains(QDate::currentDate().toString(Qt::ISODate)));
        const auto openedPages = [&] {
            QFile record(home->filePath(QStringLiteral("bin/opened")));
            return record.open(QIODevice::ReadOnly) ? QString::fromUtf8(record.readAll())
                                                    : QString();
        };
        QTRY_COMPARE(openedPages(), opened);
        // The count starts again: the next start asks nothing.
        lunetra->kill();
        lunetra->waitForFinished(5000);
        QProcess* again = launch();
        QVERIFY(!waitForWindow(again, QStringLiteral("Lunetra v1.0")).isEmpty());
        QVERIFY(waitForWindow(again, QStringLiteral("Lunetra"), 300).isEmpty());
    }

    void aSecondStartIsRefusedAndTheFirstStays() {
        QProcess* first = launch();
        QVERIFY(!waitForWindow(first, QStringLiteral("Lunetra v1.0")).isEmpty());
        const QString settingsBefore = settingsText();
        QProcess* second = launch();
        const QString notice = waitForWindow(second, QStringLiteral("Lunetra"));
        QVERIFY2(!notice.isEmpty(), "the second start showed no notice");
        QVERIFY(waitForWindow(second, QStringLiteral("Lunetra v1.0"), 300).isEmpty());
        press(notice, QStringLiteral("Return"));
        QVERIFY2(second->waitForFinished(10000), "the second start did not end after OK");
        QCOMPARE(second->exitCode(), 0);
        QCOMPARE(first->state(), QProcess::Running);
        QVERIFY(!waitForWindow(first, QStringLiteral("Lunetra v1.0")).isEmpty());
        QCOMPARE(settingsText(), settingsBefore);
    }

    void itReadsNoCommandLineNotEvenQtsOptions() {
        QProcess* lunetra =
            launch(environment(), {QStringLiteral("-qwindowtitle"), QStringLiteral("Renamed"),
                                   QStringLiteral("-platform"), QStringLiteral("offscreen")});
        QVERIFY2(!waitForWindow(lunetra, QStringLiteral("Lunetra v1.0")).isEmpty(),
                 "no main window on the display, under its own title");
        QVERIFY(visibleWindows(lunetra, QStringLiteral("Renamed")).isEmpty());
    }

    void aKilledInstanceDoesNotBlockTheNextStart() {
        QProcess* first = launch();
        QVERIFY(!waitForWindow(first, QStringLiteral("Lunetra v1.0")).isEmpty());
        first->kill(); // SIGKILL: no chance to give the lock back
        QVERIFY(first->waitForFinished(5000));
        QProcess* next = launch();
        QVERIFY2(!waitForWindow(next, QStringLiteral("Lunetra v1.0")).isEmpty(),
                 "the next start did not show its main window");
        QVERIFY(waitForWindow(next, QStringLiteral("Lunetra"), 300).isEmpty());
    }
};

QTEST_GUILESS_MAIN(LunetraBinaryTest)
#include "test_lunetra_binary.moc"
