#include "app/frmNagScreen2.h"
#include "config/Sites.h"
#include "support/FakeServices.h"
#include "ui/ClickableLabel.h"
#include "ui/Look.h"
#include "ui/modHelp.h"

#include <QApplication>
#include <QCheckBox>
#include <QFile>
#include <QFocusEvent>
#include <QFrame>
#include <QHash>
#include <QImage>
#include <QImageReader>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>

#include <functional>
#include <memory>
#include <string>
#include <vector>

using lunetra::ClickableLabel;
using lunetra::frmNagScreen2;
using lunetra::MessageAnswer;
using lunetra::MessageButtons;
using lunetra::MessageIcon;
using lunetra::test::FakeServices;

namespace {

const QColor Navy{0, 0, 128};
const QString NoSpace = QStringLiteral("Email Address Cannot Contain Space");
const QString Distinct = QStringLiteral("Please Enter Distinct Email Addresses");
const QString Proper = QStringLiteral("Please Enter Proper Email Address");
const QString NoName = QStringLiteral("Please Enter Your Name");
const QString NoMessage = QStringLiteral("Please Enter Your Message");
const QString NoFriendName = QStringLiteral("Please Enter Your Friend's Name");

QString FromView(std::string_view text) {
    return QString::fromUtf8(text.data(), qsizetype(text.size()));
}

// Tells the order of seeding and drawing, and can stand in for a real message box, which takes
// the focus away from the window while it is up.
class ExitWindowServices : public FakeServices {
public:
    std::vector<std::string> randomCalls;
    std::function<void()> whileMessageShows;

    void seedRandom() override {
        randomCalls.push_back("seed");
        FakeServices::seedRandom();
    }
    double nextRandom() override {
        randomCalls.push_back("draw");
        return FakeServices::nextRandom();
    }
    MessageAnswer showMessage(const QString& text, MessageIcon icon,
                              MessageButtons buttons) override {
        if (whileMessageShows)
            whileMessageShows();
        return FakeServices::showMessage(text, icon, buttons);
    }
};

QString PlaceholderOf(const QString& field) {
    static const QHash<QString, QString> placeholders = {
        {QStringLiteral("txtName"), QStringLiteral("Your Name")},
        {QStringLiteral("txtEmail"), QStringLiteral("Your Email Address")},
        {QStringLiteral("txtFriendName"), QStringLiteral("Friend's Name")},
        {QStringLiteral("txtFriendEmail"), QStringLiteral("Friend's Email Address")},
        {QStringLiteral("txtMessage"), QStringLiteral("Your Message")},
    };
    return placeholders.value(field);
}

int CountPixels(const QImage& image, const std::function<bool(const QColor&)>& wanted) {
    int count = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            count += wanted(image.pixelColor(x, y)) ? 1 : 0;
    return count;
}

} // namespace

class ExitWindowTest : public QObject {
    Q_OBJECT

    std::unique_ptr<ExitWindowServices> services;
    std::unique_ptr<frmNagScreen2> window;
    int endCalls = 0;

    template <typename T> T* child(const QString& name) {
        T* found = window->findChild<T*>(name);
        if (!found)
            qFatal("no control named %s", qPrintable(name));
        return found;
    }
    QLineEdit* edit(const QString& name) { return child<QLineEdit>(name); }
    QPlainTextEdit* message() { return child<QPlainTextEdit>(QStringLiteral("txtMessage")); }
    QWidget* field(const QString& name) { return child<QWidget>(name); }
    QPushButton* exitButton() { return child<QPushButton>(QStringLiteral("cmdClose")); }

    static QString textOf(QWidget* field) {
        if (auto* box = qobject_cast<QPlainTextEdit*>(field))
            return box->toPlainText();
        return static_cast<QLineEdit*>(field)->text();
    }
    // Text that arrives other than by typing, as a paste does.
    static void put(QWidget* field, const QString& text) {
        if (auto* box = qobject_cast<QPlainTextEdit*>(field))
            box->setPlainText(text);
        else
            static_cast<QLineEdit*>(field)->setText(text);
    }
    void enter(QWidget* field) { field->setFocus(Qt::TabFocusReason); }
    void leave() { exitButton()->setFocus(Qt::TabFocusReason); }
    // Clicks into a text box, clears what the click left and types the value.
    void fill(const QString& name, const QString& value) {
        QLineEdit* box = edit(name);
        QTest::mouseClick(box, Qt::LeftButton);
        box->selectAll();
        QTest::keyClick(box, Qt::Key_Delete);
        QTest::keyClicks(box, value);
    }
    // Reaches the hidden message box the only way a user can: with Tab from the field before.
    void tabIntoMessage() {
        enter(edit(QStringLiteral("txtFriendEmail")));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    }
    void submit() {
        QTest::mouseClick(child<QPushButton>(QStringLiteral("cmdSubmit")), Qt::LeftButton);
    }
    std::string referAddress(const std::string& query) {
        return "http://" + std::string(lunetra::sites::MakerHost) + "/zelk-refer-a-friend.php?" +
               query + "&taf6=http://" + std::string(lunetra::sites::ProductHost) + "/";
    }

private slots:
    void init() {
        services = std::make_unique<ExitWindowServices>();
        endCalls = 0;
        window = std::make_unique<frmNagScreen2>(*services, [this] { ++endCalls; });
        window->show();
        window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(window.get()));
    }
    void cleanup() {
        window.reset();
        services.reset();
    }

    void isAFixedWhiteWindowThatIsNotModal() {
        QCOMPARE(window->objectName(), QStringLiteral("frmNagScreen2"));
        QCOMPARE(window->windowTitle(), QStringLiteral("Lunetra v1.0"));
        QVERIFY(window->isWindow());
        QVERIFY(!window->isModal());
        QCOMPARE(window->size(), lunetra::look::TwipsSize(11115, 4725));
        QCOMPARE(window->minimumSize(), window->size());
        QCOMPARE(window->maximumSize(), window->size());
        const Qt::WindowFlags flags = window->windowFlags();
        QVERIFY(flags.testFlag(Qt::WindowCloseButtonHint));
        QVERIFY(!flags.testFlag(Qt::WindowMinimizeButtonHint));
        QVERIFY(!flags.testFlag(Qt::WindowMaximizeButtonHint));
        QCOMPARE(window->palette().color(QPalette::Window), QColor(Qt::white));
        QVERIFY(window->autoFillBackground());
    }

    void controlsSitWhereDesigned_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("parent");
        QTest::addColumn<QRect>("twips");
        const QString top = QStringLiteral("frmNagScreen2");
        const QString refer = QStringLiteral("Frame2");
        const QString software = QStringLiteral("Frame6");
        QTest::newRow("Label1") << "Label1" << top << QRect(1080, 240, 3705, 435);
        QTest::newRow("Label2") << "Label2" << top << QRect(120, 840, 6975, 1095);
        QTest::newRow("Check1") << "Check1" << top << QRect(30, 2040, 7185, 555);
        QTest::newRow("cmdClose") << "cmdClose" << top << QRect(6000, 2760, 1245, 375);
        QTest::newRow("Frame2") << "Frame2" << top << QRect(120, 3240, 7065, 1455);
        QTest::newRow("Frame6") << "Frame6" << top << QRect(7320, 120, 3735, 4575);
        QTest::newRow("Label3") << "Label3" << software << QRect(120, 360, 3495, 3855);
        QTest::newRow("lblGoToHome") << "lblGoToHome" << software << QRect(75, 4250, 3585, 210);
        QTest::newRow("txtMessage, out of view")
            << "txtMessage" << refer << QRect(4800, 3600, 0, 0);
    }
    void controlsSitWhereDesigned() {
        QFETCH(QString, name);
        QFETCH(QString, parent);
        QFETCH(QRect, twips);
        QWidget* control = child<QWidget>(name);
        QCOMPARE(control->parentWidget()->objectName(), parent);
        const QRect place =
            lunetra::look::TwipsRect(twips.x(), twips.y(), twips.width(), twips.height());
        if (twips.isEmpty()) {
            QCOMPARE(control->pos(), place.topLeft());
            QVERIFY(!control->parentWidget()->rect().intersects(control->geometry()));
        } else {
            QCOMPARE(control->geometry(), place);
        }
    }

    void theFormLiesInTheReferFrame() {
        const QStringList names = {"txtName",        "txtEmail",   "txtFriendName",
                                   "txtFriendEmail", "txtMessage", "cmdSubmit"};
        QFrame* frame = child<QFrame>(QStringLiteral("Frame2"));
        for (const QString& name : names) {
            QWidget* control = child<QWidget>(name);
            QCOMPARE(control->parentWidget(), frame);
            if (name != QStringLiteral("txtMessage"))
                QVERIFY2(frame->rect().contains(control->geometry()), qPrintable(name));
        }
        const QRect name = edit(QStringLiteral("txtName"))->geometry();
        const QRect email = edit(QStringLiteral("txtEmail"))->geometry();
        const QRect friendName = edit(QStringLiteral("txtFriendName"))->geometry();
        const QRect friendEmail = edit(QStringLiteral("txtFriendEmail"))->geometry();
        const QRect send = child<QPushButton>(QStringLiteral("cmdSubmit"))->geometry();
        QCOMPARE(name.top(), email.top());
        QVERIFY(name.right() < email.left());
        QCOMPARE(friendName.top(), friendEmail.top());
        QVERIFY(name.bottom() < friendName.top());
        QVERIFY(friendName.bottom() < send.top());
    }

    void showsItsDesignedTexts() {
        QCOMPARE(child<QLabel>(QStringLiteral("Label1"))->text(), QStringLiteral("Lunetra v1.0"));
        QCOMPARE(child<QCheckBox>(QStringLiteral("Check1"))->text(),
                 QStringLiteral("Click Here To Visit ") + FromView(lunetra::sites::MakerHost) +
                     QStringLiteral(" Now"));
        QCOMPARE(exitButton()->text(), QStringLiteral("E&xit"));
        QCOMPARE(child<QPushButton>(QStringLiteral("cmdSubmit"))->text(),
                 QStringLiteral("Refer A Friend &Now"));
        QCOMPARE(child<QLabel>(QStringLiteral("Frame2Caption"))->text(),
                 QStringLiteral("Refer A Friend"));
        QCOMPARE(child<QLabel>(QStringLiteral("Frame6Caption"))->text(),
                 QStringLiteral("Download Qorvane Softwares"));
        QCOMPARE(child<ClickableLabel>(QStringLiteral("lblGoToHome"))->text(),
                 QStringLiteral("Click Here To Visit Qorvane Softwares"));
        const QString invitation = child<QLabel>(QStringLiteral("Label3"))->text();
        QVERIFY(invitation.contains(QStringLiteral("Qorvane")));
        QVERIFY(invitation.size() > 100);
        QVERIFY(child<QLabel>(QStringLiteral("Label2"))->wordWrap());
        QVERIFY(child<QLabel>(QStringLiteral("Label3"))->wordWrap());
        QVERIFY(child<QLabel>(QStringLiteral("Picture1"))->geometry().right() <
                child<QLabel>(QStringLiteral("Label1"))->geometry().left());
    }

    void pictureShowsWhenItCanBeRead() {
        const bool readable = QImageReader(QStringLiteral(":/lunetra/nag-picture.svg")).canRead() ||
                              QImageReader(QStringLiteral(":/lunetra/nag-picture.png")).canRead();
        auto* picture = child<QLabel>(QStringLiteral("Picture1"));
        const QPixmap shown = picture->pixmap();
        QCOMPARE(!shown.isNull(), readable);
        if (readable)
            QVERIFY(shown.deviceIndependentSize().toSize().boundedTo(picture->size()) ==
                    shown.deviceIndependentSize().toSize());
    }

    void fieldsStartWithTheirPlaceholdersAsText() {
        QCOMPARE(edit(QStringLiteral("txtName"))->text(), QStringLiteral("Your Name"));
        QCOMPARE(edit(QStringLiteral("txtEmail"))->text(), QStringLiteral("Your Email Address"));
        QCOMPARE(edit(QStringLiteral("txtFriendName"))->text(), QStringLiteral("Friend's Name"));
        QCOMPARE(edit(QStringLiteral("txtFriendEmail"))->text(),
                 QStringLiteral("Friend's Email Address"));
        QCOMPARE(message()->toPlainText(), QStringLiteral("Your Message\n"));
        QStringList accessibleNames;
        for (const char* name :
             {"txtName", "txtEmail", "txtFriendName", "txtFriendEmail", "txtMessage"}) {
            accessibleNames << field(QString::fromLatin1(name))->accessibleName();
            if (auto* box = window->findChild<QLineEdit*>(QString::fromLatin1(name)))
                QVERIFY(box->placeholderText().isEmpty());
        }
        accessibleNames.removeDuplicates();
        accessibleNames.removeAll(QString());
        QCOMPARE(accessibleNames.size(), 5);
    }

    void linksShowAHandAndTheBoxStartsClear() {
        auto* check = child<QCheckBox>(QStringLiteral("Check1"));
        QVERIFY(!check->isChecked());
        QCOMPARE(check->cursor().shape(), Qt::PointingHandCursor);
        QCOMPARE(child<ClickableLabel>(QStringLiteral("lblGoToHome"))->cursor().shape(),
                 Qt::PointingHandCursor);
    }

    void colours_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("role");
        QTest::addColumn<QColor>("colour");
        const int window = QPalette::Window, text = QPalette::WindowText;
        QTest::newRow("Frame2 is navy") << "Frame2" << window << Navy;
        QTest::newRow("Frame6 is navy") << "Frame6" << window << Navy;
        QTest::newRow("Frame2's caption is white") << "Frame2Caption" << text << QColor(Qt::white);
        QTest::newRow("Frame6's caption is white") << "Frame6Caption" << text << QColor(Qt::white);
        QTest::newRow("Label3 is white") << "Label3" << text << QColor(Qt::white);
        QTest::newRow("lblGoToHome is yellow") << "lblGoToHome" << text << QColor(255, 255, 0);
        QTest::newRow("Check1 is blue") << "Check1" << text << QColor(0, 0, 192);
        // The frames' colours must not leak into the text boxes inside them.
        QTest::newRow("txtName is white") << "txtName" << int(QPalette::Base) << QColor(Qt::white);
        QTest::newRow("txtName writes black")
            << "txtName" << int(QPalette::Text) << QColor(Qt::black);
    }
    void colours() {
        QFETCH(QString, name);
        QFETCH(int, role);
        QFETCH(QColor, colour);
        QCOMPARE(child<QWidget>(name)->palette().color(QPalette::ColorRole(role)), colour);
    }

    void framesShowNavyWithWhiteCaptions_data() {
        QTest::addColumn<QString>("frame");
        QTest::newRow("Frame2") << "Frame2";
        QTest::newRow("Frame6") << "Frame6";
    }
    void framesShowNavyWithWhiteCaptions() {
        QFETCH(QString, frame);
        auto* panel = child<QFrame>(frame);
        const QImage shown = panel->grab().toImage();
        QCOMPARE(shown.pixelColor(2, shown.height() - 3), Navy);
        const QRect caption = child<QLabel>(frame + QStringLiteral("Caption"))->geometry();
        const qreal ratio = shown.devicePixelRatio();
        const QImage title = shown.copy(QRect(caption.topLeft() * ratio, caption.size() * ratio));
        const int white = CountPixels(title, [](const QColor& c) { return c.lightness() > 200; });
        const int navy = CountPixels(title, [](const QColor& c) { return c == Navy; });
        QVERIFY2(white > 20, qPrintable(QString::number(white)));
        QVERIFY(navy > white);
    }

    void appealFollowsTheDraw_data() {
        QTest::addColumn<double>("draw");
        QTest::addColumn<QString>("appeal");
        const QString appeals[] = {
            QStringLiteral(
                "Qorvane Softwares, such as this can be created and maintained only with "
                "your support. The best way to support Qorvane is to visit Qorvane "
                "regularly and take part in the discussions and other activities on the "
                "board."),
            QStringLiteral("Visit Qorvane regularly. Support Qorvane by taking part in the "
                           "discussions and other activities. These softwares cannot be supported "
                           "and maintained, without you regularly visiting Qorvane"),
            QStringLiteral(
                "Qorvane is a FREE online discussion forum for all things mystic. To help "
                "Qorvane develop and maintain this software visit Qorvane regularly."),
            QStringLiteral("Qorvane needs your help. All you need to do is visit Qorvane regularly "
                           "and take part in the various discussions and activites to help us "
                           "maintain and develop more Qorvane Softwares."),
        };
        QTest::newRow("0") << 0.0 << appeals[0];
        QTest::newRow("0.2499999") << 0.2499999 << appeals[0];
        QTest::newRow("0.25") << 0.25 << appeals[1];
        QTest::newRow("0.5") << 0.5 << appeals[2];
        QTest::newRow("0.74999") << 0.74999 << appeals[2];
        QTest::newRow("0.75") << 0.75 << appeals[3];
        QTest::newRow("0.9999999") << 0.9999999 << appeals[3];
    }
    void appealFollowsTheDraw() {
        QFETCH(double, draw);
        QFETCH(QString, appeal);
        ExitWindowServices fresh;
        fresh.draws = {draw, 0.99};
        frmNagScreen2 created(fresh, [] {});
        QCOMPARE(created.findChild<QLabel*>(QStringLiteral("Label2"))->text(), appeal);
        QCOMPARE(fresh.randomCalls, (std::vector<std::string>{"seed", "draw"}));
    }

    void staysOnTopFromBeforeItsFirstShow() {
        ExitWindowServices fresh;
        frmNagScreen2 created(fresh, [] {});
        QVERIFY(!created.isVisible());
        QVERIFY(created.windowFlags().testFlag(Qt::WindowStaysOnTopHint));
        QVERIFY(created.testAttribute(Qt::WA_ShowWithoutActivating));
        created.show();
        created.hide();
        created.show();
        QVERIFY(created.windowFlags().testFlag(Qt::WindowStaysOnTopHint));
        QVERIFY(created.windowFlags().testFlag(Qt::WindowCloseButtonHint));
        QCOMPARE(created.size(), lunetra::look::TwipsSize(11115, 4725));
    }

    void tickingCheck1OpensTheHomePageOnceAndClearsIt_data() {
        QTest::addColumn<bool>("byKeyboard");
        QTest::newRow("mouse") << false;
        QTest::newRow("Space key") << true;
    }
    void tickingCheck1OpensTheHomePageOnceAndClearsIt() {
        QFETCH(bool, byKeyboard);
        auto* check = child<QCheckBox>(QStringLiteral("Check1"));
        check->setFocus(Qt::TabFocusReason);
        for (std::size_t tick = 1; tick <= 2; ++tick) {
            if (byKeyboard)
                QTest::keyClick(check, Qt::Key_Space);
            else
                QTest::mouseClick(check, Qt::LeftButton, {}, QPoint(20, check->height() / 2));
            QVERIFY(!check->isChecked());
            QCOMPARE(services->openedPages,
                     std::vector<std::string>(tick, lunetra::modHelp::MakerHomePage()));
        }
        QVERIFY(services->messages.empty());
        QCOMPARE(endCalls, 0);
    }

    void lblGoToHomeOpensTheSoftwarePage() {
        QTest::mouseClick(child<ClickableLabel>(QStringLiteral("lblGoToHome")), Qt::LeftButton);
        QCOMPARE(services->openedPages,
                 std::vector<std::string>{lunetra::modHelp::MakerSoftwarePage()});
        QCOMPARE(endCalls, 0);
    }

    void leavingEndsTheApplicationOnce_data() {
        QTest::addColumn<QString>("how");
        QTest::newRow("Exit button") << "button";
        QTest::newRow("access key Alt+X") << "key";
        QTest::newRow("title bar") << "close";
    }
    void leavingEndsTheApplicationOnce() {
        QFETCH(QString, how);
        if (how == QStringLiteral("button"))
            QTest::mouseClick(exitButton(), Qt::LeftButton);
        else if (how == QStringLiteral("key"))
            QTest::keyClick(window.get(), Qt::Key_X, Qt::AltModifier);
        else
            QVERIFY(window->close());
        // An access key presses the button on screen for a moment before it clicks.
        QTRY_COMPARE(endCalls, 1);
        QTest::qWait(50);
        QCOMPARE(endCalls, 1);
        QVERIFY(services->openedPages.empty());
    }

    void tabWalksTheFormInOrder() {
        enter(edit(QStringLiteral("txtName")));
        const char* order[] = {"txtEmail", "txtFriendName", "txtFriendEmail", "txtMessage",
                               "cmdSubmit"};
        for (const char* next : order) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            QCOMPARE(QApplication::focusWidget()->objectName(), QString::fromLatin1(next));
        }
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab, Qt::ShiftModifier);
        QCOMPARE(QApplication::focusWidget(), message());
        // Tab leaves the message box; it types no tab character into it.
        QCOMPARE(message()->toPlainText(), QStringLiteral("Your Message\n"));
    }

    void placeholderGoesOnFocusAndComesBackWhenLeftEmpty_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("placeholder");
        QTest::newRow("txtName") << "txtName"
                                 << "Your Name";
        QTest::newRow("txtEmail") << "txtEmail"
                                  << "Your Email Address";
        QTest::newRow("txtFriendName") << "txtFriendName"
                                       << "Friend's Name";
        QTest::newRow("txtFriendEmail") << "txtFriendEmail"
                                        << "Friend's Email Address";
        QTest::newRow("txtMessage") << "txtMessage"
                                    << "Your Message";
    }
    void placeholderGoesOnFocusAndComesBackWhenLeftEmpty() {
        QFETCH(QString, name);
        QFETCH(QString, placeholder);
        QWidget* box = field(name);
        put(box, placeholder);
        for (int round = 0; round < 2; ++round) {
            enter(box);
            QCOMPARE(QApplication::focusWidget(), box);
            QCOMPARE(textOf(box), QString());
            leave();
            QCOMPARE(textOf(box), placeholder);
        }
        QVERIFY(services->messages.empty());
    }

    void focusGainedEmptiesOnlyThePlaceholder_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("emptied");
        QTest::newRow("placeholder within spaces") << "txtName"
                                                   << "  Your Name   " << true;
        QTest::newRow("placeholder in other case") << "txtName"
                                                   << "your name" << false;
        QTest::newRow("placeholder and more") << "txtName"
                                              << "Your Name." << false;
        QTest::newRow("placeholder after a tab") << "txtFriendEmail"
                                                 << "\tFriend's Email Address" << false;
        QTest::newRow("another field's placeholder") << "txtEmail"
                                                     << "Your Name" << false;
        QTest::newRow("an address") << "txtEmail"
                                    << "ann@mail.org" << false;
        QTest::newRow("message as created") << "txtMessage"
                                            << "Your Message\r\n"
                                            << false;
        QTest::newRow("message placeholder") << "txtMessage"
                                             << "Your Message" << true;
    }
    void focusGainedEmptiesOnlyThePlaceholder() {
        QFETCH(QString, name);
        QFETCH(QString, text);
        QFETCH(bool, emptied);
        QWidget* box = field(name);
        put(box, text);
        const QString shown = textOf(box);
        enter(box);
        QCOMPARE(textOf(box), emptied ? QString() : shown);
    }

    void focusLostRestoresOnlyAnEmptyField_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("restored");
        QTest::newRow("empty name") << "txtName"
                                    << "" << true;
        QTest::newRow("name of spaces") << "txtName"
                                        << "   " << true;
        QTest::newRow("name within spaces") << "txtName"
                                            << " x " << false;
        QTest::newRow("name of a tab") << "txtName"
                                       << "\t" << false;
        QTest::newRow("address of spaces") << "txtEmail"
                                           << "  " << true;
        QTest::newRow("friend's name of spaces") << "txtFriendName"
                                                 << " " << true;
        QTest::newRow("friend's address") << "txtFriendEmail"
                                          << "bob@mail.org" << false;
        QTest::newRow("message of spaces") << "txtMessage"
                                           << "    " << true;
        QTest::newRow("message of a line break") << "txtMessage"
                                                 << "\n"
                                                 << false;
    }
    void focusLostRestoresOnlyAnEmptyField() {
        QFETCH(QString, name);
        QFETCH(QString, text);
        QFETCH(bool, restored);
        QWidget* box = field(name);
        enter(box);
        put(box, text);
        const QString shown = textOf(box);
        leave();
        QCOMPARE(textOf(box), restored ? PlaceholderOf(name) : shown);
    }

    void typedTextStaysThroughLeavingAndComingBack() {
        fill(QStringLiteral("txtName"), QStringLiteral("Ann Lee"));
        fill(QStringLiteral("txtFriendEmail"), QStringLiteral("bob@mail.org"));
        tabIntoMessage();
        QCOMPARE(QApplication::focusWidget(), message());
        QTest::keyClicks(message(), QStringLiteral("Hi"));
        leave();
        enter(edit(QStringLiteral("txtName")));
        enter(message());
        QCOMPARE(edit(QStringLiteral("txtName"))->text(), QStringLiteral("Ann Lee"));
        QCOMPARE(edit(QStringLiteral("txtFriendEmail"))->text(), QStringLiteral("bob@mail.org"));
        QVERIFY(message()->toPlainText().contains(QStringLiteral("Hi")));
        QVERIFY(services->messages.empty());
    }

    void aContextMenuLeavesAnEmptiedFieldEmpty() {
        QLineEdit* box = edit(QStringLiteral("txtEmail"));
        enter(box);
        QCOMPARE(box->text(), QString());
        QFocusEvent out(QEvent::FocusOut, Qt::PopupFocusReason);
        QApplication::sendEvent(box, &out);
        QCOMPARE(box->text(), QString());
    }

    void aSpaceTypedIntoAnAddressIsRefused_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("modifiers");
        QTest::newRow("txtEmail") << "txtEmail" << int(Qt::NoModifier);
        QTest::newRow("txtEmail, Shift+Space") << "txtEmail" << int(Qt::ShiftModifier);
        QTest::newRow("txtFriendEmail") << "txtFriendEmail" << int(Qt::NoModifier);
    }
    void aSpaceTypedIntoAnAddressIsRefused() {
        QFETCH(QString, name);
        QFETCH(int, modifiers);
        QLineEdit* box = edit(name);
        fill(name, QStringLiteral("ab"));
        QTest::keyClick(box, Qt::Key_Space, Qt::KeyboardModifiers(modifiers));
        QCOMPARE(services->messageTexts(), QStringList{NoSpace});
        QCOMPARE(services->messages.back().icon, MessageIcon::Critical);
        QCOMPARE(box->text(), QStringLiteral("ab"));
        QCOMPARE(QApplication::focusWidget(), box);
        QTest::keyClicks(box, QStringLiteral("c"));
        QCOMPARE(box->text(), QStringLiteral("abc"));
        QCOMPARE(services->messages.size(), std::size_t(1));
    }

    void aSpaceTypedIntoANameIsKept_data() {
        QTest::addColumn<QString>("name");
        QTest::newRow("txtName") << "txtName";
        QTest::newRow("txtFriendName") << "txtFriendName";
    }
    void aSpaceTypedIntoANameIsKept() {
        QFETCH(QString, name);
        fill(name, QStringLiteral("Ann Lee "));
        QCOMPARE(edit(name)->text(), QStringLiteral("Ann Lee "));
        QVERIFY(services->messages.empty());
    }

    // A real message box takes the focus while it is up and gives it back when it closes; the
    // field must come out as it went in.
    void theSpaceMessageBoxTakingTheFocusChangesNothing_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<bool>("boxIsAWindow");
        for (const bool boxIsAWindow : {true, false}) {
            const char* how = boxIsAWindow ? "box window" : "focus to Exit";
            QTest::addRow("txtEmail holding text, %s", how) << "txtEmail"
                                                            << "ab" << boxIsAWindow;
            QTest::addRow("txtEmail emptied, %s", how) << "txtEmail"
                                                       << "" << boxIsAWindow;
            QTest::addRow("txtFriendEmail emptied, %s", how) << "txtFriendEmail"
                                                             << "" << boxIsAWindow;
        }
    }
    void theSpaceMessageBoxTakingTheFocusChangesNothing() {
        QFETCH(QString, name);
        QFETCH(QString, typed);
        QFETCH(bool, boxIsAWindow);
        QLineEdit* box = edit(name);
        fill(name, typed);
        QWidget standIn;
        standIn.resize(200, 100);
        bool tookFocus = false;
        services->whileMessageShows = [&] {
            if (!boxIsAWindow) {
                exitButton()->setFocus(Qt::OtherFocusReason);
                tookFocus = QApplication::focusWidget() == exitButton();
                return;
            }
            standIn.show();
            standIn.activateWindow();
            tookFocus = QTest::qWaitForWindowActive(&standIn) && QApplication::focusWidget() != box;
            standIn.hide();
            window->activateWindow();
            QVERIFY(QTest::qWaitForWindowActive(window.get()));
        };
        QTest::keyClick(box, Qt::Key_Space);
        QVERIFY(tookFocus);
        QCOMPARE(services->messageTexts(), QStringList{NoSpace});
        QCOMPARE(QApplication::focusWidget(), box);
        QCOMPARE(box->text(), typed);
        QTest::keyClicks(box, QStringLiteral("c"));
        QCOMPARE(box->text(), typed + QStringLiteral("c"));
    }

    // Null leaves a field untouched; any other value is typed into it after clicking in.
    void eachRefusalThroughTheForm_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("email");
        QTest::addColumn<QString>("friendName");
        QTest::addColumn<QString>("friendEmail");
        QTest::addColumn<bool>("emptyMessage");
        QTest::addColumn<QString>("refusal");
        const QString untouched;
        const QString ann = QStringLiteral("ann@mail.org");
        const QString bob = QStringLiteral("bob@mail.org");
        QTest::newRow("same address twice")
            << untouched << ann << untouched << ann << false << Distinct;
        QTest::newRow("same address twice before a message check")
            << "Ann" << ann << "Bob" << ann << true << Distinct;
        QTest::newRow("both addresses left as placeholders")
            << untouched << untouched << untouched << untouched << false << Proper;
        QTest::newRow("own address emptied") << "Ann"
                                             << ""
                                             << "Bob" << bob << false << Proper;
        QTest::newRow("friend's address emptied") << "Ann" << ann << "Bob"
                                                  << "" << false << Proper;
        QTest::newRow("own address without @") << "Ann"
                                               << "ann.mail.org"
                                               << "Bob" << bob << false << Proper;
        QTest::newRow("friend's address without a full stop") << "Ann" << ann << "Bob"
                                                              << "bob@mailorg" << false << Proper;
        QTest::newRow("name left as placeholder")
            << untouched << ann << "Bob" << bob << false << NoName;
        QTest::newRow("name emptied") << "" << ann << "Bob" << bob << false << NoName;
        QTest::newRow("name of spaces") << "   " << ann << "Bob" << bob << false << NoName;
        QTest::newRow("message emptied by keyboard")
            << "Ann" << ann << "Bob" << bob << true << NoMessage;
        QTest::newRow("friend's name left as placeholder")
            << "Ann" << ann << untouched << bob << false << NoFriendName;
        QTest::newRow("@ and a full stop alone pass the address checks")
            << "Ann"
            << "@." << untouched << ".@" << false << NoFriendName;
    }
    void eachRefusalThroughTheForm() {
        QFETCH(QString, name);
        QFETCH(QString, email);
        QFETCH(QString, friendName);
        QFETCH(QString, friendEmail);
        QFETCH(bool, emptyMessage);
        QFETCH(QString, refusal);
        const std::pair<const char*, QString> values[] = {{"txtName", name},
                                                          {"txtEmail", email},
                                                          {"txtFriendName", friendName},
                                                          {"txtFriendEmail", friendEmail}};
        for (const auto& [field, value] : values)
            if (!value.isNull())
                fill(QString::fromLatin1(field), value);
        if (emptyMessage) {
            tabIntoMessage();
            QCOMPARE(QApplication::focusWidget(), message());
            QTest::keyClick(message(), Qt::Key_A, Qt::ControlModifier);
            QTest::keyClick(message(), Qt::Key_Delete);
            QCOMPARE(message()->toPlainText(), QString());
            QTest::keyClick(message(), Qt::Key_Tab);
        }
        submit();
        QCOMPARE(services->messageTexts(), QStringList{refusal});
        QCOMPARE(services->messages.back().icon, MessageIcon::Critical);
        QVERIFY(services->openedPages.empty());
        // What the user left, with the placeholders back in the fields left empty; the refusal
        // itself changes nothing.
        for (const auto& [field, value] : values) {
            const QString placeholder = PlaceholderOf(QString::fromLatin1(field));
            QCOMPARE(edit(QString::fromLatin1(field))->text(),
                     value.isNull() || value.trimmed().isEmpty() ? placeholder : value);
        }
        QCOMPARE(endCalls, 0);
    }

    void aFilledFormOpensTheRequestEachTime_data() {
        QTest::addColumn<QString>("typedMessage");
        QTest::addColumn<QString>("taf3");
        QTest::newRow("message untouched") << QString() << QStringLiteral("Your Message\r\n");
        QTest::newRow("message rewritten on two lines")
            << QStringLiteral(" Hi there\nsee this ") << QStringLiteral("Hi there\r\nsee this");
    }
    void aFilledFormOpensTheRequestEachTime() {
        QFETCH(QString, typedMessage);
        QFETCH(QString, taf3);
        fill(QStringLiteral("txtName"), QStringLiteral("  Zo"));
        QTest::sendKeyEvent(QTest::Click, edit(QStringLiteral("txtName")), Qt::Key_Ediaeresis,
                            QStringLiteral("\u00eb"), Qt::NoModifier);
        QTest::keyClicks(edit(QStringLiteral("txtName")), QStringLiteral(" & Jo #1  "));
        fill(QStringLiteral("txtEmail"), QStringLiteral("zoe@mail.org"));
        // Pasted: letters beyond Latin-1, and spaces that typing into an address would refuse.
        enter(edit(QStringLiteral("txtFriendName")));
        edit(QStringLiteral("txtFriendName"))->insert(QStringLiteral("\u015etefan Ionescu"));
        enter(edit(QStringLiteral("txtFriendEmail")));
        edit(QStringLiteral("txtFriendEmail"))->insert(QStringLiteral("  ZOE@MAIL.ORG "));
        if (!typedMessage.isNull()) {
            tabIntoMessage();
            QTest::keyClick(message(), Qt::Key_A, Qt::ControlModifier);
            const QStringList lines = typedMessage.split(u'\n');
            for (qsizetype i = 0; i < lines.size(); ++i) {
                if (i > 0)
                    QTest::keyClick(message(), Qt::Key_Return);
                QTest::keyClicks(message(), lines[i]);
            }
        }
        submit();
        submit();
        const std::string expected =
            referAddress("taf1=Zo\u00eb & Jo #1&taf2=zoe@mail.org&taf3=" + taf3.toStdString() +
                         "&taf4=\u015etefan Ionescu&taf5=ZOE@MAIL.ORG");
        QVERIFY(services->messages.empty());
        QCOMPARE(services->openedPages, (std::vector<std::string>{expected, expected}));
        QCOMPARE(edit(QStringLiteral("txtName"))->text(), QStringLiteral("  Zo\u00eb & Jo #1  "));
        QVERIFY(window->isVisible());
        QCOMPARE(endCalls, 0);
    }
};

QTEST_MAIN(ExitWindowTest)
#include "test_exit_window.moc"
