#include "app/frmNagScreen2.h"
#include "config/Sites.h"
#include "support/FakeServices.h"
#include "ui/modHelp.h"

#include <QApplication>
#include <QTest>

using namespace lunetra;

const QString Appeals[] = {
    "Qorvane Softwares, such as this can be created and maintained only with your support. The "
    "best way to support Qorvane is to visit Qorvane regularly and take part in the discussions "
    "and other activities on the board.",
    "Visit Qorvane regularly. Support Qorvane by taking part in the discussions and other "
    "activities. These softwares cannot be supported and maintained, without you regularly "
    "visiting Qorvane",
    "Qorvane is a FREE online discussion forum for all things mystic. To help Qorvane develop and "
    "maintain this software visit Qorvane regularly.",
    "Qorvane needs your help. All you need to do is visit Qorvane regularly and take part in the "
    "various discussions and activites to help us maintain and develop more Qorvane Softwares.",
};
const QStringList Fields = {"txtName", "txtEmail", "txtFriendName", "txtFriendEmail", "txtMessage"};
const QStringList Placeholders = {"Your Name", "Your Email Address", "Friend's Name",
                                  "Friend's Email Address", "Your Message"};

// A real message box takes the focus away while it shows.
struct Fake : test::FakeServices {
    MessageAnswer showMessage(const QString& text, MessageIcon icon, MessageButtons b) override {
        if (QWidget* focus = QApplication::focusWidget())
            focus->clearFocus();
        return FakeServices::showMessage(text, icon, b);
    }
};

class ExitWindowTest : public QObject {
    Q_OBJECT
    std::unique_ptr<Fake> services;
    std::unique_ptr<frmNagScreen2> window;

    QWidget* get(const QString& name) { return window->findChild<QWidget*>(name); }
    static QString text(const QWidget& root, const QString& name) {
        const QWidget* shown = root.findChild<QWidget*>(name);
        return shown->property(shown->inherits("QPlainTextEdit") ? "plainText" : "text").toString();
    }
    // Clicks into the field, which empties itself of its placeholder (a Tab into it would select
    // the text and hide a placeholder left in). The message box lies out of view: the user
    // reaches it with Tab from the field before and empties it before typing.
    void type(const QString& name, const QString& keys) {
        get(name == Fields[4] ? Fields[3] : name)->setFocus(Qt::MouseFocusReason);
        if (name == Fields[4])
            for (const char* step : {"Tab", "Ctrl+A", "Backspace"})
                QTest::keySequence(QApplication::focusWidget(), QKeySequence(step));
        for (const QChar key : keys)
            QTest::sendKeyEvent(QTest::Click, QApplication::focusWidget(),
                                Qt::Key(key.toUpper().unicode()), key, {});
    }

private slots:
    void init() {
        services = std::make_unique<Fake>();
        // Ending the program is counted as the program does it: by ending the process.
        window = std::make_unique<frmNagScreen2>(*services, [this] { services->endProcess(); });
        window->show();
        window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(window.get()));
    }
    void cleanup() { window.reset(); }

    void newWindow_data() {
        QTest::addColumn<double>("draw");
        QTest::addColumn<int>("appeal");
        for (const auto& [draw, appeal] :
             {std::pair{0.0, 0}, {0.2499999, 0}, {0.25, 1}, {0.5, 2}, {0.75, 3}, {0.9999999, 3}})
            QTest::addRow("%.7g", draw) << draw << appeal;
    }
    void newWindow() {
        QFETCH(double, draw);
        QFETCH(int, appeal);
        test::FakeServices fresh;
        fresh.draws = {draw};
        const frmNagScreen2 created(fresh, {});
        QCOMPARE(text(created, "Label2"), Appeals[appeal]);
        QCOMPARE(fresh.seeds, 1);
        // On top from the start: setting it later would hide and re-show the window.
        QVERIFY(!created.isVisible() && created.windowFlags().testFlag(Qt::WindowStaysOnTopHint));
        // Pairs of a control's name and its caption.
        const QStringList captions = {
            "Label1",        "Lunetra v1.0",
            "Check1",        "Click Here To Visit " + QString::fromUtf8(sites::MakerHost) + " Now",
            "cmdClose",      "E&xit",
            "cmdSubmit",     "Refer A Friend &Now",
            "lblGoToHome",   "Click Here To Visit Qorvane Softwares",
            "Frame2Caption", "Refer A Friend",
            "Frame6Caption", "Download Qorvane Softwares"};
        for (qsizetype i = 0; i < captions.size(); i += 2)
            QCOMPARE(text(created, captions[i]), captions[i + 1]);
    }

    void check1AndLinkOpenTheirPageOnEachUse() {
        QWidget* check = get("Check1");
        QTest::mouseClick(check, Qt::LeftButton, {}, {20, check->height() / 2});
        QTest::keyClick(check, Qt::Key_Space);
        QTest::mouseClick(get("lblGoToHome"), Qt::LeftButton);
        const std::string home = modHelp::MakerHomePage();
        QCOMPARE(services->openedPages, (std::vector{home, home, modHelp::MakerSoftwarePage()}));
        QVERIFY(!check->property("checked").toBool());
        QCOMPARE(services->processEnds, 0);
    }

    void exitAndCloseEachEndTheProgramOnce() {
        QTest::mouseClick(get("cmdClose"), Qt::LeftButton);
        QCOMPARE(services->processEnds, 1);
        QVERIFY(window->close());
        QCOMPARE(services->processEnds, 2);
    }

    // What is typed into each field, in the order of Fields (null: left alone); then Send is
    // pressed twice.
    void send_data() {
        QTest::addColumn<QStringList>("typed");
        QTest::addColumn<QString>("refusal"); // empty: the request is opened
        const QString ann = "ann@mail.org", bob = "bob@mail.org";
        const QString distinct = "Please Enter Distinct Email Addresses",
                      proper = "Please Enter Proper Email Address",
                      noName = "Please Enter Your Name";
        QTest::newRow("same address") << QStringList{{}, ann, {}, "ann @mail.org", {}} << distinct;
        QTest::newRow("placeholders") << QStringList(5, {}) << proper;
        QTest::newRow("blank e-mail") << QStringList{"Ann", "", "  ", bob, {}} << proper;
        QTest::newRow("no name") << QStringList{{}, " ann@mail.org", "Bob", bob, {}} << noName;
        QTest::newRow("blank message")
            << QStringList{"Ann", ann, "Bob", bob, ""} << "Please Enter Your Message";
        QTest::newRow("accepted") << QStringList{"  Zo\u00eb & Jo #1  ", ann, "Bob", bob, {}} << "";
    }
    void send() {
        QFETCH(QStringList, typed);
        QFETCH(QString, refusal);
        for (int i = 0; i < 5; ++i)
            if (!typed[i].isNull())
                type(Fields[i], typed[i]);
        get("cmdClose")->setFocus(Qt::TabFocusReason);
        QTest::mouseClick(get("cmdSubmit"), Qt::LeftButton);
        QTest::mouseClick(get("cmdSubmit"), Qt::LeftButton);
        const std::string page = "http://" + std::string(sites::MakerHost) +
                                 "/zelk-refer-a-friend.php?taf1=Zo\u00eb & Jo #1&taf2=ann@mail.org"
                                 "&taf3=Your Message\r\n&taf4=Bob&taf5=bob@mail.org&taf6=http://" +
                                 std::string(sites::ProductHost) + "/";
        QCOMPARE(services->openedPages, std::vector<std::string>(refusal.isEmpty() ? 2 : 0, page));
        // Each space typed into an address is refused as it is typed.
        QCOMPARE(services->messageTexts(), QStringList(typed[1].count(u' ') + typed[3].count(u' '),
                                                       "Email Address Cannot Contain Space") +
                                               QStringList(refusal.isEmpty() ? 0 : 2, refusal));
        for (const auto& message : services->messages)
            QCOMPARE(message.icon, MessageIcon::Critical);
        // A field left blank shows its placeholder again.
        for (int i = 0; i < 5; ++i)
            if (!typed[i].isNull() && typed[i].simplified().isEmpty())
                QCOMPARE(text(*window, Fields[i]), Placeholders[i]);
    }
};

QTEST_MAIN(ExitWindowTest)
#include "test_exit_window.moc"
