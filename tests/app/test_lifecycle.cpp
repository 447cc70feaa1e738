#include "app/Lifecycle.h"
#include "app/frmNagScreen2.h"
#include "support/FakeServices.h"
#include "ui/ClickableLabel.h"
#include "ui/frmDisplay.h"
#include "ui/frmMain.h"

#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include <memory>

using namespace lunetra;

namespace {

// The fake services with the real exit window behind them, as the program wires it.
class WiredServices : public test::FakeServices {
public:
    ExitWindowHost exitWindow{*this};
    bool mainWindowVisibleAtQuestion = false;
    int seedsAtQuestion = -1;

    void showExitWindow() override {
        FakeServices::showExitWindow();
        exitWindow.show();
    }
    void hideExitWindow() override {
        FakeServices::hideExitWindow();
        exitWindow.hide();
    }
    MessageAnswer showMessage(const QString& text, MessageIcon icon,
                              MessageButtons buttons) override {
        for (QWidget* window : QApplication::topLevelWidgets())
            mainWindowVisibleAtQuestion |= qobject_cast<frmMain*>(window) && window->isVisible();
        seedsAtQuestion = seeds;
        return FakeServices::showMessage(text, icon, buttons);
    }
};

} // namespace

class LifecycleTest : public QObject {
    Q_OBJECT

    std::unique_ptr<WiredServices> services;
    std::unique_ptr<frmMain> mainWindow;

    void start(std::initializer_list<double> draws = {0.0}) {
        services->draws = draws;
        mainWindow = StartUp(*services, true);
        QVERIFY(mainWindow);
    }
    frmNagScreen2* exitWindow() { return services->exitWindow.window(); }
    QString appeal() { return exitWindow()->findChild<QLabel*>(QStringLiteral("Label2"))->text(); }
    QString frontOffer(QWidget* window) {
        auto* offer = window->findChild<ClickableLabel*>(QStringLiteral("lblCobrand"));
        const QPoint centre = offer->mapTo(window, offer->rect().center());
        return window->childAt(centre)->objectName();
    }
    void find() {
        mainWindow->findChild<QLineEdit*>(QStringLiteral("txtName"))->setText(QStringLiteral("A"));
        mainWindow->cmdNext_Click();
    }

private slots:
    void init() { services = std::make_unique<WiredServices>(); }
    void cleanup() {
        mainWindow.reset();
        services.reset();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    void startUpAsksAboutUpdatesBeforeTheMainWindowShows() {
        services->settings["LastUpdateReminder"] = "2026-10-01";
        services->answers = {MessageAnswer::Yes};
        start();
        QCOMPARE(services->messages.size(), std::size_t(1));
        QVERIFY(!services->mainWindowVisibleAtQuestion);
        QCOMPARE(services->seedsAtQuestion, 1);
        QVERIFY(mainWindow->isVisible());
        QCOMPARE(services->openedPages.size(), std::size_t(1));
        QVERIFY(!exitWindow());
        // A reminder that fails never keeps the main window away.
        mainWindow.reset();
        services->settings["LastUpdateReminder"] = "not a date";
        start();
        QVERIFY(mainWindow->isVisible());
        QCOMPARE(services->messages.size(), std::size_t(1));
        QCOMPARE(services->processEnds, 0);
    }

    void aSecondInstanceSaysSoAndEndsWithoutWritingAnything() {
        QVERIFY(!StartUp(*services, false));
        QCOMPARE(services->messageTexts(), QStringList{"Application is already running"});
        QCOMPARE(services->messages.front().icon, MessageIcon::Information);
        QCOMPARE(services->messages.front().buttons, MessageButtons::Ok);
        QCOMPARE(services->processEnds, 1);
        QCOMPARE(services->settingWrites, 0);
        QCOMPARE(services->seeds, 0);
        for (QWidget* window : QApplication::topLevelWidgets())
            QVERIFY(!qobject_cast<frmMain*>(window));
    }

    void theOfferDrawChoosesTheFrontLabel_data() {
        QTest::addColumn<double>("draw");
        QTest::addColumn<QString>("front");
        QTest::newRow("n = 1") << 0.0 << "lblCobrand";
        QTest::newRow("n = 2.5 rounds to 2") << 0.25 << "lblFullBrand";
        QTest::newRow("n = 3") << 0.4 << "lblCobrand";
        QTest::newRow("n = 4") << 0.5 << "lblFullBrand";
        QTest::newRow("n = 5") << 0.7 << "lblCobrand";
        QTest::newRow("n = 5.5 rounds to 6") << 0.75 << "lblFullBrand";
        QTest::newRow("n = 7 keeps the design") << 0.95 << "lblCobrand";
    }
    void theOfferDrawChoosesTheFrontLabel() {
        QFETCH(double, draw);
        QFETCH(QString, front);
        start({draw, 0.0});
        QCOMPARE(frontOffer(mainWindow.get()), front);
        // It stays for the whole run; the result window keeps its own design order.
        find();
        QCOMPARE(frontOffer(mainWindow->resultWindow()), QStringLiteral("lblCobrand"));
        mainWindow->resultWindow()->cmdBack_Click();
        QCOMPARE(frontOffer(mainWindow.get()), front);
    }

    void leavingShowsTheExitWindowAndTheProgramGoesOn_data() {
        QTest::addColumn<bool>("fromResult");
        QTest::newRow("from the main window") << false;
        QTest::newRow("from the result window") << true;
    }
    void leavingShowsTheExitWindowAndTheProgramGoesOn() {
        QFETCH(bool, fromResult);
        start({0.0, 0.6});
        if (fromResult)
            find();
        (fromResult ? static_cast<QWidget*>(mainWindow->resultWindow()) : mainWindow.get())
            ->close();
        QVERIFY(!mainWindow->isVisible());
        QVERIFY(exitWindow() && exitWindow()->isVisible());
        QVERIFY(appeal().startsWith(QStringLiteral("Qorvane is a FREE online discussion forum")));
        QCOMPARE(services->processEnds, 0);
    }

    void theAppealDrawnAtAHiddenCreationIsTheOneShownAtExit() {
        start({0.0, 0.8, 0.1, 0.1});
        find();
        frmNagScreen2* created = exitWindow();
        const int seedsAfterCreation = services->seeds;
        QVERIFY(!created->isVisible()); // created hidden by the lookup
        mainWindow->resultWindow()->cmdBack_Click();
        QVERIFY(mainWindow->isVisible() && !created->isVisible()); // Back leaves none on screen
        find();
        mainWindow->resultWindow()->cmdExit_Click();
        QCOMPARE(exitWindow(), created);
        QCOMPARE(services->seeds, seedsAfterCreation);
        QVERIFY(appeal().startsWith(QStringLiteral("Qorvane needs your help.")));
        QVERIFY(created->isVisible());
    }

    void endApplicationUnloadsEveryWindowThenEnds() {
        start();
        find();
        QPointer<frmDisplay> result = mainWindow->resultWindow();
        EndApplication(*services);
        QVERIFY(services->processEnds >= 1);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(!result); // the result window was unloaded
        // Each working window ran its unload handling once.
        QCOMPARE(std::count(services->exitWindowRequests.begin(),
                            services->exitWindowRequests.end(), "show"),
                 2);
    }
};

QTEST_MAIN(LifecycleTest)
#include "test_lifecycle.moc"
