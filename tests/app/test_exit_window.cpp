#include "app/frmNagScreen2.h"
#include "config/Sites.h"
#include "support/AccessibleControls.h"
#include "support/Addresses.h"
#include "support/Colours.h"
#include "support/FakeServices.h"
#include "support/Layout.h"
#include "ui/ScreenReader.h"
#include "ui/Style.h"

#include <QApplication>
#include <QInputMethodQueryEvent>
#include <QLabel>
#include <QTest>

using namespace lunetra;

const QStringList Fields = {"txtName", "txtEmail", "txtFriendName", "txtFriendEmail", "txtMessage"};
const QStringList Placeholders = {"Your Name", "Your Email Address", "Friend's Name",
                                  "Friend's Email Address", "Your Message"};

class ExitWindowTest : public QObject {
    Q_OBJECT
    test::FakeServices services;
    QStringList fieldsWhileAsked;
    std::unique_ptr<frmNagScreen2> window;

    QWidget* get(const QString& name) { return window->findChild<QWidget*>(name); }
    static QString text(const QWidget* shown) {
        return shown->property(shown->inherits("QPlainTextEdit") ? "plainText" : "text").toString();
    }
    // Clicks into the field, which empties itself of its placeholder (a Tab into it would select
    // the text and hide a placeholder left in). The message box lies out of view: the user
    // reaches it with Tab and empties it before typing.
    void type(const QString& name, const QString& keys) {
        get(name)->setFocus(name == Fields[4] ? Qt::TabFocusReason : Qt::MouseFocusReason);
        if (name == Fields[4])
            QTest::keySequence(QApplication::focusWidget(), QKeySequence("Ctrl+A, Backspace"));
        for (const QChar key : keys)
            QTest::sendKeyEvent(QTest::Click, QApplication::focusWidget(),
                                Qt::Key(key.toUpper().unicode()), key, {});
    }

private slots:
    void initTestCase() {
        QApplication::setStyle(new Style);
        DescribeWidgetsToScreenReaders();
    }
    // A fresh record and window; the window of the test before goes (it asks nothing of the
    // services while it is torn down).
    void init() {
        services = test::FakeServices();
        // A message box is a window of its own: it takes the activation while it is up. What
        // the address fields show meanwhile is noted.
        fieldsWhileAsked.clear();
        services.whileAsking = [this] {
            QWidget box;
            box.show();
            box.activateWindow();
            if (QTest::qWaitForWindowActive(&box))
                for (const char* field : {"txtEmail", "txtFriendEmail"})
                    fieldsWhileAsked << text(get(field));
            box.close();
            window->activateWindow();
            (void)QTest::qWaitForWindowActive(window.get());
        };
        // Ending the program is counted as the program does it: by ending the process.
        window = std::make_unique<frmNagScreen2>(services, [this] { services.endProcess(); });
        window->show();
        window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(window.get()));
    }

    // White with navy frames and coloured texts, as drawn, under a dark desktop theme too; the
    // keyboard starts on Exit, so that the placeholders stay in view.
    void newWindowItsColoursAndItsButtons() {
        for (const QPalette& desktop : {QApplication::palette(), test::DarkPalette()}) {
            QApplication::setPalette(desktop);
            init();
            QCOMPARE(QApplication::focusWidget(), get("cmdClose"));
            const QColor navy(0, 0, 128);
            // clang-format off
            test::CheckColours(*window, {{"frmNagScreen2", Qt::white, {2, 2}},
                {"Frame2", navy, {-2, -2}}, {"Frame6", navy, {-2, -2}}, {"Label1", navy, {}, true},
                {"Label3", Qt::white, {}, true}, {"lblGoToHome", QColor(255, 255, 0), {}, true},
                {"Check1", QColor(0, 0, 192), {}, true},
                {"Check1", Qt::white, {7, 18}}, // inside the box
                {"txtName", Qt::white}, {"txtName", Qt::black, {}, true}});
            // clang-format on
        }
        QApplication::setPalette(QPalette());
        test::CheckApart(*window);
        using enum QAccessible::Role;
        const QString visit = "Click Here To Visit " + QString::fromUtf8(sites::MakerHost) + " Now";
        // clang-format off
        test::CheckSpoken(*window, {{"Label1", StaticText, "Lunetra v1.0"}, {"Label2", StaticText},
            {"Check1", CheckBox, visit}, {"cmdClose", Button, "Exit"},
            {"txtName", EditableText, "Your name"},
            {"txtEmail", EditableText, "Your e-mail address"},
            {"txtFriendName", EditableText, "Your friend's name"},
            {"txtFriendEmail", EditableText, "Your friend's e-mail address"},
            {"txtMessage", EditableText, "Message to your friend"},
            {"cmdSubmit", Button, "Refer A Friend Now"}, {"Label3", StaticText},
            {"lblGoToHome", Link, "Click Here To Visit Qorvane Softwares"}});
        // clang-format on
        // On top from the start: setting it later would hide and re-show the window.
        const frmNagScreen2 unshown(services, {});
        QVERIFY(unshown.windowFlags().testFlag(Qt::WindowStaysOnTopHint));
        // The link centred at the foot of the column, below the invitation, which reads from the
        // top of its place; every character typed into an address, a composed one too, reaches
        // the check for spaces (an input method is told an address takes none), while a name
        // takes any.
        const auto* link = static_cast<QLabel*>(get("lblGoToHome"));
        QVERIFY(link->y() > get("Label3")->geometry().bottom() &&
                link->alignment() & Qt::AlignHCenter &&
                static_cast<QLabel*>(get("Label3"))->alignment() & Qt::AlignTop);
        for (const QString& field : {Fields[0], Fields[1], Fields[3]}) {
            QInputMethodQueryEvent asked(Qt::ImEnabled);
            QApplication::sendEvent(get(field), &asked);
            QCOMPARE(asked.value(Qt::ImEnabled).toBool(), field == Fields[0]);
        }
        // The picture drawn to fill its place.
        const auto* picture = static_cast<QLabel*>(get("Picture1"));
        QCOMPARE(picture->pixmap().deviceIndependentSize().toSize(), picture->size());

        // Links open their page on each use, the box anywhere in its rectangle; Exit and
        // closing each end the program.
        using namespace test::design;
        const std::string home = OnConfiguredHosts(MakerHomePage);
        QWidget* check = get("Check1");
        for (const QWidget* link : {check, get("lblGoToHome")}) // and show it by the hand
            QCOMPARE(link->cursor().shape(), Qt::PointingHandCursor);
        QTest::mouseClick(check, Qt::LeftButton, {}, {check->width() - 2, check->height() - 2});
        QTest::keyClick(check, Qt::Key_Space);
        QTest::mouseClick(get("lblGoToHome"), Qt::LeftButton);
        QCOMPARE(services.openedPages,
                 (std::vector{home, home, OnConfiguredHosts(MakerSoftwarePage)}));
        QVERIFY(!check->property("checked").toBool());
        QTest::mouseClick(get("cmdClose"), Qt::LeftButton);
        QCOMPARE(services.processEnds, 1);
        QVERIFY(window->close() && services.processEnds == 2);
    }

    void aMessageBoxLeavesTheFieldsAsTheyAre() {
        // The user empties one address (Control with the space types nothing), moves to the
        // other and types a space there.
        type("txtEmail", QString());
        QTest::sendKeyEvent(QTest::Click, get("txtEmail"), Qt::Key_Space, ' ', Qt::ControlModifier);
        type("txtFriendEmail", " ");
        QCOMPARE(fieldsWhileAsked, (QStringList{"Your Email Address", ""}));
        QVERIFY(QApplication::focusWidget() == get("txtFriendEmail") &&
                text(get("txtFriendEmail")).isEmpty());
    }

    // The order of the checks and their messages are the refer-a-friend test's; here, what the
    // window adds. Each row: what is typed into each field, in the order of Fields (null: left
    // alone), and what each of two presses of Send is refused with (empty: the request is opened).
    void send() {
        const std::pair<QStringList, QString> rows[] = {
            {{{}, "ann@mail.org", {}, "ann @mail.org", {}},
             "Please Enter Distinct Email Addresses"},
            {{"Ann", "", "  ", "bob@mail.org", ""}, "Please Enter Proper Email Address"},
            {{"  Zo\u00eb & Jo #1  ", "ann@mail.org", "Bob", "bob@mail.org", {}}, ""}};
        for (const auto& [typed, refusal] : rows) {
            init();
            for (int i = 0; i < 5; ++i)
                if (!typed[i].isNull())
                    type(Fields[i], typed[i]);
            for (int press = 0; press < 2; ++press)
                QTest::mouseClick(get("cmdSubmit"), Qt::LeftButton);
            // Sent each time, as typed but for the spaces around, each field in its place and
            // the message as the window made it.
            using namespace test::design;
            const std::string sent = OnConfiguredHosts(ReferAFriendPage) +
                                     "?taf1=Zo\u00eb & Jo #1&taf2=ann@mail.org&taf3=Your "
                                     "Message\r\n&taf4=Bob&taf5=bob@mail.org&taf6=" +
                                     OnConfiguredHosts(ProductHomePage);
            QCOMPARE(services.openedPages, std::vector(refusal.isEmpty() ? 2 : 0, sent));
            // Each space typed into an address is refused as it is typed.
            const QStringList said(typed[3].count(u' '), "Email Address Cannot Contain Space");
            QCOMPARE(services.messages, said + QStringList(refusal.size() ? 2 : 0, refusal));
            QCOMPARE(services.icons,
                     std::vector(std::size_t(services.messages.size()), MessageIcon::Critical));
            // A field left blank shows its placeholder again.
            for (int i = 0; i < 5; ++i)
                if (!typed[i].isNull() && typed[i].simplified().isEmpty())
                    QCOMPARE(text(get(Fields[i])), Placeholders[i]);
        }
    }
};

QTEST_MAIN(ExitWindowTest)
#include "test_exit_window.moc"
