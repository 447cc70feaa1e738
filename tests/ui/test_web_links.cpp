#include "config/Sites.h"
#include "support/FakeServices.h"
#include "ui/ClickableLabel.h"
#include "ui/frmDisplay.h"
#include "ui/frmMain.h"
#include "ui/modHelp.h"

#include <QAction>
#include <QApplication>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QTest>

#include <memory>

using namespace lunetra;
using lunetra::test::FakeServices;

namespace {
QString Host(std::string_view host) {
    return QString::fromUtf8(host.data(), qsizetype(host.size()));
}
std::string Page(std::string_view host, const char* path) {
    return "http://" + std::string(host) + path;
}
} // namespace

class WebLinksTest : public QObject {
    Q_OBJECT

    std::unique_ptr<FakeServices> services;
    std::unique_ptr<frmMain> mainWindow;

    // The window of the given kind, shown: the result window comes from a real lookup.
    QMainWindow* open(const QString& kind) {
        if (kind == QLatin1String("main"))
            return mainWindow.get();
        mainWindow->findChild<QLineEdit*>(QStringLiteral("txtName"))->setText(QStringLiteral("A"));
        mainWindow->cmdNext_Click();
        return mainWindow->resultWindow();
    }
    // The entries of a menu as "name caption" lines, separators included.
    static QStringList entries(const QList<QAction*>& actions) {
        QStringList lines;
        for (const QAction* action : actions)
            lines << action->objectName() + u' ' +
                         (action->isSeparator() ? QStringLiteral("-") : action->text());
        return lines;
    }

private slots:
    void init() {
        services = std::make_unique<FakeServices>();
        mainWindow = std::make_unique<frmMain>(*services);
        mainWindow->show();
    }
    void cleanup() { mainWindow.reset(); }

    void everyTargetHasItsAddress() {
        using namespace modHelp;
        QCOMPARE(ProductHelpPage(), Page(sites::ProductHost, "/lunetra-help.html"));
        QCOMPARE(ProductDownloadPage(), Page(sites::ProductHost, "/download-lunetra.html"));
        QCOMPARE(MakerHomePage(), Page(sites::MakerHost, ""));
        QCOMPARE(MakerSoftwarePage(), Page(sites::MakerHost, "/qorvanesoftwares"));
        QCOMPARE(DonationPage(), Page(sites::HelpHost, "/donate.html"));
        QCOMPARE(FullBrandingPage(), Page(sites::HelpHost, "/fully-branded.html"));
        QCOMPARE(CoBrandingPage(), Page(sites::HelpHost, "/co-brand.html"));
    }

    void menuBarsAreAsDesigned_data() {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QStringList>("file");
        QTest::addColumn<QStringList>("help");
        const QStringList bar{"mnuFile &File", "mnuHelp &Help", "mnuDonate &Donate",
                              "mnuMakeMoneyOnline Make Money &Online"};
        QTest::newRow("main") << "main"
                              << QStringList{"mnuFindPowerSign Find My &Ixion Astrology Sign",
                                             "mnuExit E&xit"}
                              << QStringList{"mnuOnline &Online Help",
                                             "mnuVisit &Visit Us Online",
                                             "mnuHelp1 -",
                                             "mnuUpdate Check for Software &Update",
                                             "mnuHelp2 -",
                                             "mnuAbout &About Software"};
        QTest::newRow("result") << "result" << QStringList{"mnuFileBack &Back", "mnuExit E&xit"}
                                << QStringList{"mnuOnline &Online Help",
                                               "mnuVisit &Visit Us Online",
                                               "mnuFileSep1 -",
                                               "mnuUpdate &Check for Software Update",
                                               "mnuFileSep2 -",
                                               "mnuAbout &About Software"};
    }
    void menuBarsAreAsDesigned() {
        QFETCH(QString, kind);
        QFETCH(QStringList, file);
        QFETCH(QStringList, help);
        QMainWindow* window = open(kind);
        QList<QAction*> top = window->menuBar()->actions();
        QStringList bar;
        for (const QAction* action : top)
            bar << (action->menu() ? action->menu()->objectName() : action->objectName()) + u' ' +
                       action->text();
        QCOMPARE(bar, (QStringList{"mnuFile &File", "mnuHelp &Help", "mnuDonate &Donate",
                                   "mnuMakeMoneyOnline Make Money &Online"}));
        QCOMPARE(entries(top[0]->menu()->actions()), file);
        QCOMPARE(entries(top[1]->menu()->actions()), help);
        QVERIFY(!top[2]->menu() && !top[3]->menu());
        QVERIFY(top[2]->isEnabled());
        QVERIFY(!top[3]->isEnabled());
        for (QAction* action : window->findChildren<QAction*>())
            QVERIFY2(action->shortcut().isEmpty() && !action->isCheckable(),
                     qPrintable(action->objectName()));
    }

    void entriesAndLabelsOpenTheirPages_data() {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QString>("control");
        QTest::addColumn<QString>("page");
        for (const char* kind : {"main", "result"}) {
            auto row = [&](const char* control, const std::string& page) {
                QTest::addRow("%s %s", kind, control)
                    << kind << control << QString::fromStdString(page);
            };
            row("mnuOnline", modHelp::ProductHelpPage());
            row("mnuVisit", modHelp::MakerHomePage());
            row("mnuUpdate", modHelp::ProductDownloadPage());
            row("mnuDonate", modHelp::DonationPage());
            row("Label61", modHelp::MakerHomePage());
            row("lblCobrand", modHelp::CoBrandingPage());
            row("lblFullBrand", modHelp::FullBrandingPage());
        }
    }
    void entriesAndLabelsOpenTheirPages() {
        QFETCH(QString, kind);
        QFETCH(QString, control);
        QFETCH(QString, page);
        QMainWindow* window = open(kind);
        QVERIFY(QTest::qWaitForWindowExposed(window));
        services->settings["LastUpdateReminder"] = "2026-01-01";
        for (int time = 1; time <= 2; ++time) {
            if (auto* label = window->findChild<ClickableLabel*>(control)) {
                label->raise();
                QTest::mouseClick(label, Qt::LeftButton);
                QCOMPARE(label->cursor().shape(), Qt::PointingHandCursor);
            } else {
                window->findChild<QAction*>(control)->trigger();
            }
            QCOMPARE(services->openedPages.size(), std::size_t(time));
            QCOMPARE(QString::fromStdString(services->openedPages.back()), page);
        }
        QVERIFY(window->isVisible());
        QCOMPARE(services->settingWrites, 0); // the update entry leaves the reminder's date alone
        QVERIFY(services->messages.empty());
    }

    void aPressDraggedOffALabelIsNoClick() {
        auto* banner = mainWindow->findChild<ClickableLabel*>(QStringLiteral("Label61"));
        QTest::mousePress(banner, Qt::LeftButton);
        QTest::mouseRelease(banner, Qt::LeftButton, {}, QPoint(-5, -5));
        QTest::mouseClick(banner, Qt::RightButton);
        QVERIFY(services->openedPages.empty());
    }

    void theDisabledOfferEntryCannotBeChosen() {
        auto* offer = mainWindow->findChild<QAction*>(QStringLiteral("mnuMakeMoneyOnline"));
        offer->trigger();
        QVERIFY(services->openedPages.empty());
    }

    void findEntryIsTheFindButton() {
        mainWindow->findChild<QAction*>(QStringLiteral("mnuFindPowerSign"))->trigger();
        QCOMPARE(services->messageTexts(), QStringList{"Please Enter Your Name"});
        mainWindow->findChild<QLineEdit*>(QStringLiteral("txtName"))->setText(QStringLiteral("A"));
        mainWindow->findChild<QAction*>(QStringLiteral("mnuFindPowerSign"))->trigger();
        QVERIFY(mainWindow->resultWindow() && mainWindow->resultWindow()->isVisible());
        QVERIFY(!mainWindow->isVisible());
    }

    void exitEntriesLeaveLikeTheExitButtons_data() {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<std::vector<std::string>>("requests");
        QTest::newRow("main") << "main" << std::vector<std::string>{"show"};
        QTest::newRow("result") << "result" << std::vector<std::string>{"hide", "show"};
    }
    void exitEntriesLeaveLikeTheExitButtons() {
        QFETCH(QString, kind);
        QFETCH(std::vector<std::string>, requests);
        QPointer<QMainWindow> window = open(kind);
        window->findChild<QAction*>(QStringLiteral("mnuExit"))->trigger();
        QVERIFY(!window || !window->isVisible());
        QVERIFY(!mainWindow->isVisible());
        QCOMPARE(services->exitWindowRequests, requests);
    }

    void backEntryIsTheBackButton() {
        QMainWindow* result = open(QStringLiteral("result"));
        result->findChild<QAction*>(QStringLiteral("mnuFileBack"))->trigger();
        QVERIFY(mainWindow->isVisible());
        QCOMPARE(services->exitWindowRequests, (std::vector<std::string>{"hide", "show", "hide"}));
    }

    void bannerNamesTheMakersSite() {
        auto* banner = mainWindow->findChild<ClickableLabel*>(QStringLiteral("Label61"));
        QVERIFY(banner->text().endsWith(Host(sites::MakerHost)));
        QVERIFY(banner->rect().width() <= mainWindow->width()); // one line that fits
    }
};

QTEST_MAIN(WebLinksTest)
#include "test_web_links.moc"
