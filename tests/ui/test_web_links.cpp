#include "support/Addresses.h"
#include "support/FakeServices.h"
#include "ui/ClickableLabel.h"
#include "ui/frmDisplay.h"
#include "ui/frmMain.h"

#include <QAction>
#include <QApplication>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

#include <algorithm>

using namespace lunetra;

class WebLinksTest : public QObject {
    Q_OBJECT

    std::unique_ptr<test::FakeServices> services;
    std::unique_ptr<frmMain> mainWindow;

    // The main window, or a result window brought up by a real lookup.
    QMainWindow* open(const QString& kind) {
        if (kind == QLatin1String("main"))
            return mainWindow.get();
        mainWindow->findChild<QLineEdit*>(QStringLiteral("txtName"))->setText(QStringLiteral("A"));
        mainWindow->cmdNext_Click();
        return mainWindow->resultWindow();
    }
    static void trigger(QWidget* window, const char* entry) {
        window->findChild<QAction*>(QLatin1String(entry))->trigger();
    }
    // A menu as "name caption" lines, separators included.
    static QStringList entries(const QList<QAction*>& actions) {
        QStringList lines;
        for (const QAction* action : actions)
            lines << (action->menu() ? action->menu()->objectName() : action->objectName()) + u' ' +
                         (action->isSeparator() ? QStringLiteral("-") : action->text());
        return lines;
    }

private slots:
    void init() {
        services = std::make_unique<test::FakeServices>();
        mainWindow = std::make_unique<frmMain>(*services);
        mainWindow->show();
    }
    void cleanup() {
        mainWindow.reset();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    // On both windows: the menus are as designed, each entry and label opens its page and leaves
    // the window up, and the About entry shows the one About window, made on first use, modal,
    // with the focus on OK each time.
    void menusAndLabelsOpenTheirPages() {
        const std::tuple<QString, QStringList, QStringList> bars[] = {
            {"main",
             {"mnuFindPowerSign Find My &Ixion Astrology Sign", "mnuExit E&xit"},
             {"mnuOnline &Online Help", "mnuVisit &Visit Us Online", "mnuHelp1 -",
              "mnuUpdate Check for Software &Update", "mnuHelp2 -", "mnuAbout &About Software"}},
            {"result",
             {"mnuFileBack &Back", "mnuExit E&xit"},
             {"mnuOnline &Online Help", "mnuVisit &Visit Us Online", "mnuFileSep1 -",
              "mnuUpdate &Check for Software Update", "mnuFileSep2 -",
              "mnuAbout &About Software"}}};
        using namespace test::design;
        const std::pair<const char*, std::string> links[] = {
            {"mnuOnline", OnConfiguredHosts(ProductHelpPage)},
            {"mnuVisit", OnConfiguredHosts(MakerHomePage)},
            {"mnuUpdate", OnConfiguredHosts(ProductDownloadPage)},
            {"mnuDonate", OnConfiguredHosts(DonationPage)},
            {"Label61", OnConfiguredHosts(MakerHomePage)},
            {"lblCobrand", OnConfiguredHosts(CoBrandingPage)},
            {"lblFullBrand", OnConfiguredHosts(FullBrandingPage)}};
        // A press released off the label, or a right click, is no click.
        auto* banner = mainWindow->findChild<ClickableLabel*>(QStringLiteral("Label61"));
        QTest::mousePress(banner, Qt::LeftButton);
        QTest::mouseRelease(banner, Qt::LeftButton, {}, QPoint(-5, -5));
        QTest::mouseClick(banner, Qt::RightButton);
        QVERIFY(services->openedPages.empty());
        QList<QWidget*> abouts;
        QStringList seen;
        QVERIFY(!std::ranges::any_of(QApplication::topLevelWidgets(), [](const QWidget* made) {
            return made->objectName() == QLatin1String("frmAbout");
        }));
        for (const auto& [kind, file, help] : bars) {
            QMainWindow* window = open(kind);
            QVERIFY(QTest::qWaitForWindowExposed(window));
            const QList<QAction*> bar = window->menuBar()->actions();
            QCOMPARE(entries(bar),
                     (QStringList{"mnuFile &File", "mnuHelp &Help", "mnuDonate &Donate",
                                  "mnuMakeMoneyOnline Make Money &Online"}));
            QCOMPARE(entries(bar[0]->menu()->actions()), file);
            QCOMPARE(entries(bar[1]->menu()->actions()), help);
            QVERIFY(bar[2]->isEnabled() && !bar[2]->menu());
            QVERIFY(!bar[3]->isEnabled()); // the offer entry can never be chosen
            for (const auto& [control, page] : links) {
                if (auto* label = window->findChild<ClickableLabel*>(control)) {
                    label->raise();
                    QTest::mouseClick(label, Qt::LeftButton);
                    QCOMPARE(label->cursor().shape(), Qt::PointingHandCursor);
                } else {
                    trigger(window, control);
                }
                QVERIFY2(services->openedPages.back() == page, control);
            }
            QTimer::singleShot(0, this, [&] {
                QWidget* about = QApplication::activeModalWidget();
                about->close(); // first, so that a failed check cannot leave it open
                abouts << about;
                seen << about->objectName() + u' ' + about->focusWidget()->objectName() + u' ' +
                            about->windowTitle();
            });
            trigger(window, "mnuAbout");
            QVERIFY(window->isVisible());
        }
        QCOMPARE(services->openedPages.size(), 2 * std::size(links));
        QCOMPARE(services->settingWrites, 0); // the update entry leaves the reminder's day alone
        QCOMPARE(abouts[1], abouts[0]);
        QCOMPARE(seen, QStringList(2, "frmAbout cmdOK Lunetra v1.0"));
        QVERIFY(abouts[0]->isModal() && !abouts[0]->windowIcon().isNull());
    }

    void fileEntriesRunTheButtonsProcedures() {
        QSignalSpy leaving(mainWindow.get(), &WorkingWindow::leaving);
        trigger(mainWindow.get(), "mnuFindPowerSign"); // with an empty name, as the button
        QCOMPARE(services->messages, QStringList{"Please Enter Your Name"});
        trigger(open(QStringLiteral("result")), "mnuFileBack");
        QVERIFY(mainWindow->isVisible() && !mainWindow->resultWindow());
        trigger(open(QStringLiteral("result")), "mnuExit");
        QVERIFY(!mainWindow->isVisible() && !mainWindow->resultWindow());
        mainWindow->show();
        trigger(mainWindow.get(), "mnuExit");
        QVERIFY(!mainWindow->isVisible());
        QCOMPARE(leaving.count(), 3); // each close of a working window
    }
};

QTEST_MAIN(WebLinksTest)
#include "test_web_links.moc"
