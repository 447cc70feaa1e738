#include "support/AccessibleControls.h"
#include "support/Colours.h"
#include "support/FakeServices.h"
#include "ui/Look.h"
#include "ui/ScreenReader.h"
#include "ui/Style.h"
#include "ui/frmDisplay.h"
#include "ui/frmMain.h"

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QRegularExpression>
#include <QScreen>
#include <QSignalSpy>
#include <QTest>

using namespace lunetra;

class MainWindowTest : public QObject {
    Q_OBJECT

    std::unique_ptr<test::FakeServices> services;
    std::unique_ptr<frmMain> window;

    template <typename T = QWidget> T* child(const char* name, QWidget* in = nullptr) {
        return (in ? in : window.get())->findChild<T*>(QLatin1String(name));
    }
    QLineEdit* name() { return child<QLineEdit>("txtName"); }
    QComboBox* list(int i) {
        return child<QComboBox>(std::array{"cboDate", "cboMonth", "cboYear"}[i]);
    }
    // The day, month and year lists' texts, space-separated.
    QString date() {
        return list(0)->currentText() + ' ' + list(1)->currentText() + ' ' + list(2)->currentText();
    }
    void enter(const QString& typed, const QString& date) {
        name()->setText(typed);
        for (int i = 0; i < 3; ++i)
            list(i)->setCurrentText(date.section(u' ', i, i));
        child<QPushButton>("cmdNext")->click();
    }
    QString sign() { return child<QLabel>("lblIxionSign", window->resultWindow())->text(); }
    // The frame stands in the centre of the screen the test runs on (its size is the build's).
    static void verifyCentred(QWidget* shown) {
        QVERIFY(QTest::qWaitForWindowExposed(shown));
        const QPoint offset =
            shown->frameGeometry().center() - shown->screen()->availableGeometry().center();
        QVERIFY2(offset.manhattanLength() <= 1, qPrintable(shown->objectName()));
    }

private slots:
    void initTestCase() {
        QApplication::setStyle(new Style);
        DescribeWidgetsToScreenReaders();
    }
    void init() { // also between the cases of one test
        // A painter left unbalanced, or any other complaint of the toolkit's, is a fault.
        QTest::failOnWarning(QRegularExpression("."));
        cleanup();
        services = std::make_unique<test::FakeServices>();
        window = std::make_unique<frmMain>(*services);
        window->show();
        QVERIFY(QTest::qWaitForWindowActive(window.get()));
    }
    void cleanup() {
        window.reset();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    // Which offer lies on top is the start-up draw's; the life-cycle test checks it.
    void startsOnFirstOfJanuary1900InTheCentreAndARefusedEntryKeepsIt() {
        verifyCentred(window.get());
        QCOMPARE(date(), QStringLiteral("1 January 1900"));
        QCOMPARE(list(2)->count(), 119);
        QVERIFY(!list(2)->isEditable());
        QCOMPARE(window->minimumSize(), window->maximumSize());
        for (const char* next : {"cboDate", "cboMonth", "cboYear", "cmdNext", "cmdExit"}) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            QCOMPARE(QApplication::focusWidget()->objectName(), QLatin1String(next));
        }
        // A refused entry keeps the window as it was. The name is checked before the date, and its
        // message alone sends the focus to the name, here from Exit.
        const std::tuple<QString, const char*, const char*> refused[] = {
            {"", "31 February 1950", "Please Enter Your Name"},
            {"A", "29 February 1950", "Please Enter Correct Date Or Month!"},
            {"A", "31 April 1950", "Please Enter Correct Date Or Month !"}};
        for (const auto& [typed, when, message] : refused) {
            child("cmdExit")->setFocus();
            enter(typed, when);
            QCOMPARE(services->messages.takeLast(), QLatin1String(message));
            QCOMPARE(QApplication::focusWidget(), typed.isEmpty() ? name() : child("cmdExit"));
        }
        QVERIFY(window->isVisible() && !window->resultWindow());
        QCOMPARE(date(), QStringLiteral("31 April 1950"));
    }

    // Measured as drawn, under the desktop's colours and under a dark theme's. The banner and the
    // two offers of both windows are said as links, by the text they show ("&&" in a caption
    // shows, and is said, as one "&").
    void bothWindowsShowTheirDesignedColoursAndSayEachControlsNameAndRole() {
        using namespace look;
        using enum QAccessible::Role;
        for (const QPalette& desktop : {QApplication::palette(), test::DarkPalette()}) {
            QApplication::setPalette(desktop);
            init();
            list(0)->setFocus(); // drawn with the focus's dotted line too
            test::CheckColours(*window, {{"Frame2", Band},
                                         {"Frame1", Background},
                                         {"cboDate", Background, {-30, 3}},
                                         {"cboYear", Purple, {}, true},
                                         {"cmdNext", ButtonGrey},
                                         {"cmdExit", ButtonGrey},
                                         {"Label3", Purple, {}, true}});
            // clang-format off
            test::CheckSpoken(*window, {{"Label61", Link}, {"lblFullBrand", Link},
                                        {"lblCobrand", Link}, {"txtName", EditableText, "Name"},
                                        {"cboDate", ComboBox, "Day of birth", "Date"},
                                        {"cboMonth", ComboBox, "Month of birth", "Month"},
                                        {"cboYear", ComboBox, "Year of birth", "Year"},
                                        {"cmdNext", Button, "Find My Ixion Astrology Sign"},
                                        {"cmdExit", Button, "Exit"}});
            // clang-format on
            enter(QStringLiteral("ANN"), "21 October 1904");
            QWidget* result = window->resultWindow();
            // Both windows in the design's font, Verdana 8.25 pt, as their menus show it.
            for (QWidget* shown : {static_cast<QWidget*>(window.get()), result}) {
                const QFont font = shown->findChild<QMenuBar*>()->font();
                QCOMPARE(font.families().value(0), QStringLiteral("Verdana"));
                QCOMPARE(font.pointSizeF(), 8.25);
            }
            test::CheckColours(*result, {{"Frame2", Band},
                                         {"fraPowerSign", Background},
                                         {"Frame5", Band},
                                         {"cmdExit", ButtonGrey},
                                         {"cmdBack", ButtonGrey},
                                         {"lblFullBrand", Orange, {}, true}});
            // The reading of Virgo, not the design's placeholder.
            QVERIFY(child<QLabel>("lblSignDesc", result)->text().startsWith("This will be"));
            // clang-format off
            test::CheckSpoken(*result, {{"Label61", Link}, {"lblFullBrand", Link},
                                        {"lblCobrand", Link}, {"lblSignDesc", StaticText},
                                        {"lblIxionSign", StaticText, "Your Ixion sign: Virgo"},
                                        {"cmdExit", Button, "Exit"}, {"cmdBack", Button, "Back"}});
            // clang-format on
        }
        QApplication::setPalette(QPalette());
    }

    void lettersAppearInCapitalsAndOtherCharactersShowTheMessage() {
        QTest::keyClicks(name(), QStringLiteral("abc Xy"));
        for (const Qt::Key key : {Qt::Key_Backspace, Qt::Key_Home, Qt::Key_Delete})
            QTest::keyClick(name(), key);
        QTest::keyClick(name(), Qt::Key_Q, Qt::AltModifier); // an access key, not text
        QCOMPARE(name()->text(), QStringLiteral("BC X"));
        QVERIFY(services->messages.empty());
        // A digit, then the copy, paste and cut chords, whichever text X11 sends with them,
        // change neither the name nor the clipboard; which characters are letters is the entry
        // rules' test.
        const std::tuple<Qt::Key, Qt::KeyboardModifiers, QString> refused[] = {
            {Qt::Key_7, {}, "7"},
            {Qt::Key_C, Qt::ControlModifier, "\x03"},
            {Qt::Key_V, Qt::ControlModifier, "v"},
            {Qt::Key_X, Qt::ControlModifier, ""}};
        QApplication::clipboard()->setText(QStringLiteral("PASTED"));
        for (const auto& [key, modifiers, text] : refused) {
            name()->selectAll(); // so that a cut or a paste would show
            QKeyEvent press(QEvent::KeyPress, key, modifiers, text);
            QApplication::sendEvent(name(), &press);
            QCOMPARE(name()->text() + QApplication::clipboard()->text(),
                     QStringLiteral("BC XPASTED"));
        }
        QCOMPARE(services->messages, QStringList(4, "Please Enter only Letters"));
        QCOMPARE(services->icons, std::vector(4, MessageIcon::Information));
        name()->paste(); // what the context menu does: not filtered
        QCOMPARE(name()->text(), QStringLiteral("PASTED"));
    }

    // Escape, and Enter away from a button, mean Exit; Enter on a button presses it. The
    // result window opens with the focus on Exit, and Tab moves it to Back.
    void enterAndEscape() {
        // On the result window or the main one, the focus, the key, and which window is up after.
        const std::tuple<bool, const char*, Qt::Key, QString> presses[] = {
            {false, "txtName", Qt::Key_Return, "none"},
            {false, "cboMonth", Qt::Key_Enter, "none"},
            {false, "cmdNext", Qt::Key_Escape, "none"},
            {false, "cmdNext", Qt::Key_Return, "result"},
            {true, "cmdExit", Qt::Key_Return, "none"},
            {true, "cmdBack", Qt::Key_Escape, "none"},
            {true, "cmdBack", Qt::Key_Return, "main"}};
        for (const auto& [onResult, focus, key, after] : presses) {
            init();
            name()->setText(QStringLiteral("ANN"));
            if (onResult) {
                child<QPushButton>("cmdNext")->click();
                QVERIFY(QTest::qWaitForWindowActive(window->resultWindow()));
                if (focus == std::string_view("cmdBack"))
                    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            } else {
                child(focus)->setFocus();
            }
            QWidget* pressed = QApplication::focusWidget();
            QCOMPARE(pressed->objectName(), QLatin1String(focus));
            QSignalSpy leaving(static_cast<WorkingWindow*>(pressed->window()),
                               &WorkingWindow::leaving);
            QTest::keyClick(pressed, key);
            QCOMPARE(window->isVisible(), after == "main");
            QCOMPARE(window->resultWindow() != nullptr, after == "result");
            QCOMPARE(leaving.count(), after == "result" ? 0 : 1); // a lookup only hides the window
        }
    }

    // A name of a million letters is kept whole (no length limit) and looked up like any other;
    // how fast is the find benchmark's to say.
    void backKeepsTheEntryAndEachLookupShowsOnlyItsOwnSign() {
        const QString million(1'000'000, u'N');
        enter(million, "20 October 1904");
        QPointer<frmDisplay> first = window->resultWindow();
        verifyCentred(first);
        QVERIFY(!window->isVisible());
        QCOMPARE(sign(), QStringLiteral("Leo"));
        // Exit is the default button of both windows.
        for (QWidget* shown : std::initializer_list<QWidget*>{window.get(), first})
            for (auto* button : shown->findChildren<QPushButton*>())
                QCOMPARE(button->isDefault(), button->objectName() == QLatin1String("cmdExit"));
        child<QPushButton>("cmdBack", first)->click();
        QVERIFY(window->isVisible() && !window->resultWindow());
        QVERIFY(name()->text() == million);
        QCOMPARE(date(), QStringLiteral("20 October 1904"));
        // A lookup before the closed window is gone shows a window of its own, which stays.
        enter(QStringLiteral("ANN LEE"), "21 October 1904");
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(!first);
        QVERIFY(window->resultWindow() && window->resultWindow()->isVisible());
        QCOMPARE(sign(), QStringLiteral("Virgo"));
    }
};

QTEST_MAIN(MainWindowTest)
#include "test_main_window.moc"
