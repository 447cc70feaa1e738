#include "support/AccessibleControls.h"
#include "support/Addresses.h"
#include "support/Colours.h"
#include "support/FakeServices.h"
#include "support/Layout.h"
#include "ui/ClickableLabel.h"
#include "ui/Look.h"
#include "ui/ScreenReader.h"
#include "ui/Style.h"
#include "ui/frmAbout.h"
#include "ui/frmDisplay.h"
#include "ui/frmMain.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QInputMethodQueryEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QRegularExpression>
#include <QScreen>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

#include <algorithm>
#include <utility>

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
    // The main window, or a result window brought up by a real lookup.
    QMainWindow* open(const QString& kind) {
        if (kind == QLatin1String("main"))
            return window.get();
        enter(QStringLiteral("A"), date());
        return window->resultWindow();
    }
    static void trigger(QWidget* shown, const char* entry) {
        shown->findChild<QAction*>(QLatin1String(entry))->trigger();
    }
    // A menu as "name caption" lines, separators included.
    static QStringList entries(const QList<QAction*>& actions) {
        QStringList lines;
        for (const QAction* action : actions)
            lines << (action->menu() ? action->menu()->objectName() : action->objectName()) + u' ' +
                         (action->isSeparator() ? QStringLiteral("-") : action->text());
        return lines;
    }
    // Each control, or the window itself, in Verdana of the design's size, bold and underlined
    // as the design has it.
    using Font = std::tuple<const char*, double, bool, bool>;
    static void verifyFonts(const QWidget& shown, std::initializer_list<Font> table) {
        for (const auto& [control, size, bold, underlined] : table) {
            const QFont font =
                (shown.objectName() == control ? &shown : shown.findChild<QWidget*>(control))
                    ->font();
            QVERIFY2(font.family() == "Verdana" && font.styleHint() == QFont::SansSerif &&
                         font.pointSizeF() == size && font.bold() == bold &&
                         font.underline() == underlined,
                     control);
        }
    }
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
        QVERIFY(window->objectName() == "frmMain" && date() == "1 January 1900");
        QVERIFY(list(2)->count() == 119 && !list(2)->isEditable() &&
                window->minimumSize() == window->maximumSize());
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
        QVERIFY(window->isVisible() && !window->resultWindow() && date() == "31 April 1950");
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
            // clang-format off
            test::CheckColours(*window, {{"Frame2", Band}, {"Frame1", Background},
                {"cboDate", Background, {-30, 3}}, {"cboDate", Background, {3, -4}},
                {"cboYear", Purple, {}, true},
                {"txtName", Background, {3, 3}}, {"Label61", Orange, {}, true},
                {"cmdNext", ButtonGrey}, {"cmdExit", ButtonGrey}, {"Label3", Purple, {}, true}});
            // clang-format on
            for (int i = 0; i < 3; ++i) { // each list with its arrow at the right
                const QImage drawn = list(i)->grab().toImage();
                int ink = 0;
                for (int y = 2; y < drawn.height() - 2; ++y)
                    for (int x = drawn.width() - 14; x < drawn.width() - 2; ++x)
                        ink += drawn.pixelColor(x, y) != Background;
                QVERIFY2(ink > 6, qPrintable(QString::number(ink)));
            }
            // The default button, Exit, is outlined in black, another in a darker shade of its
            // face.
            const auto edge = [&](const char* button) {
                return child(button)->grab().toImage().pixelColor(0, 10);
            };
            QVERIFY(edge("cmdExit") == Qt::black && edge("cmdNext") != Qt::black &&
                    edge("cmdNext").lightness() < ButtonGrey.lightness());
            // A button with the keyboard shows it by a dotted line, in its text's colour, inside.
            auto* next = child<QPushButton>("cmdNext");
            next->setFocus();
            const QImage drawn = next->grab().toImage();
            int dots = 0;
            for (int x = 3; x < next->width() - 4; ++x)
                dots += drawn.pixelColor(x, 3) == next->palette().color(QPalette::ButtonText);
            QVERIFY2(dots > next->width() / 4 && dots < next->width() * 3 / 4,
                     qPrintable(QString::number(dots)));
            // clang-format off
            test::CheckSpoken(*window, {{"Label61", Link}, {"lblFullBrand", Link},
                                        {"lblCobrand", Link}, {"txtName", EditableText, "Name", "Name"},
                                        {"cboDate", ComboBox, "Day of birth", "Date"},
                                        {"cboMonth", ComboBox, "Month of birth", "Month"},
                                        {"cboYear", ComboBox, "Year of birth", "Year"},
                                        {"cmdNext", Button, "Find My Ixion Astrology Sign"},
                                        {"cmdExit", Button, "Exit"}});
            // clang-format on
            // "&&" shows as one "&", the spaces after it kept.
            QVERIFY(child<QLabel>("lblCobrand")->text().contains("your site's name &  link here"));
            enter(QStringLiteral("ANN"), "21 October 1904");
            QWidget* result = window->resultWindow();
            verifyFonts(*window, {{"Label61", 9, true, true},
                                  {"cmdNext", 9, true, false},
                                  {"Label1", 8.25, true, true},
                                  {"Label5", 8.25, false, true},
                                  {"txtName", 8.25, true, false},
                                  {"cboMonth", 8.25, true, false}});
            verifyFonts(*result, {{"Label3", 8.25, true, false},
                                  {"lblIxionSign", 9, true, false},
                                  {"lblSignDesc", 8.25, true, false}});
            // Light menus whatever the desktop's theme.
            QVERIFY(window->menuBar()->grab().toImage().pixelColor(2, 2).lightness() > 200);
            for (QLabel* centred :
                 {child<QLabel>("Label61"), child<QLabel>("Label3"),
                  child<QLabel>("Label3", result), child<QLabel>("lblSignDesc", result)})
                QVERIFY(centred->alignment() & Qt::AlignHCenter);
            for (QWidget* shown : {static_cast<QWidget*>(window.get()), result}) {
                // In the design's font, Verdana 8.25 pt, as the menus show it.
                const QFont font = shown->findChild<QMenuBar*>()->font();
                QVERIFY(font.families().value(0) == "Verdana" && font.pointSizeF() == 8.25);
                // Every label shows its whole text within what holds it: a paragraph wrapped in
                // its place, a caption from the top of its place, where the design puts it.
                for (const QLabel* label : shown->findChildren<QLabel*>())
                    QVERIFY2(label->parentWidget()->rect().contains(label->geometry()) &&
                                 (label->wordWrap()
                                      ? label->heightForWidth(label->width()) <= label->height()
                                      : label->sizeHint().width() <= label->width() &&
                                            label->sizeHint().height() == label->height()),
                             qPrintable(label->objectName()));
                test::CheckApart(*shown,
                                 {{"lblFullBrand", "lblCobrand"}, {"Frame2", "fraPowerSign"}});
                QCOMPARE(child("Label61", shown)->geometry().center(), // in its band
                         child("Frame2", shown)->rect().center());
            }
            // The reading of Virgo, not the design's placeholder.
            QVERIFY(child<QLabel>("lblSignDesc", result)->text().startsWith("This will be"));
            // clang-format off
            test::CheckColours(*result, {{"Frame2", Band}, {"fraPowerSign", Background},
                {"Frame5", Band}, {"cmdExit", ButtonGrey}, {"cmdBack", ButtonGrey},
                {"client", Background, {250, 275}}, // between the panel and the buttons
                {"lblFullBrand", Orange, {}, true}});
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
        QVERIFY(name()->text() == "BC X" && services->messages.empty());
        // A screen reader is told the selection as it is, and none where there is none.
        QAccessibleTextInterface* read =
            QAccessible::queryAccessibleInterface(name())->textInterface();
        int from = -2, to = -2;
        read->selection(0, &from, &to);
        QCOMPARE(QPoint(from, to), QPoint(0, 0));
        name()->setSelection(1, 2);
        read->selection(0, &from, &to);
        QCOMPARE(QPoint(from, to), QPoint(1, 3));
        // Where each character stands, and no place past the last.
        QVERIFY(!read->characterRect(0).isEmpty() &&
                read->characterRect(read->characterCount()).isNull());
        // An input method is told the name takes none: composed characters meet the filter too.
        QInputMethodQueryEvent asked(Qt::ImEnabled | Qt::ImSurroundingText);
        QApplication::sendEvent(name(), &asked);
        QInputMethodQueryEvent other(Qt::ImSurroundingText); // any other question is the box's
        QApplication::sendEvent(name(), &other);
        QVERIFY(!asked.value(Qt::ImEnabled).toBool() &&
                asked.value(Qt::ImSurroundingText) == QStringLiteral("BC X") &&
                other.value(Qt::ImSurroundingText) == asked.value(Qt::ImSurroundingText));
        // A digit, then the copy, paste, cut, select-all and undo chords, whichever text X11 sends
        // with them, change neither the name nor the clipboard; which characters are letters is
        // the entry rules' test.
        const std::tuple<Qt::Key, Qt::KeyboardModifiers, QString> refused[] = {
            {Qt::Key_7, {}, "7"},
            {Qt::Key_C, Qt::ControlModifier, "\x03"},
            {Qt::Key_V, Qt::ControlModifier, "v"},
            {Qt::Key_X, Qt::ControlModifier, ""},
            {Qt::Key_A, Qt::ControlModifier, ""},
            {Qt::Key_Z, Qt::ControlModifier, ""}};
        QApplication::clipboard()->setText(QStringLiteral("PASTED"));
        for (const auto& [key, modifiers, text] : refused) {
            name()->selectAll(); // so that a cut or a paste would show
            QKeyEvent press(QEvent::KeyPress, key, modifiers, text);
            QApplication::sendEvent(name(), &press);
            QCOMPARE(name()->text() + QApplication::clipboard()->text(),
                     QStringLiteral("BC XPASTED"));
        }
        // A chord of Control and a key that is no letter, the space too, is no character at all.
        for (const auto& [key, text] : {std::pair{Qt::Key_1, "1"}, {Qt::Key_Space, " "}}) {
            QKeyEvent chord(QEvent::KeyPress, key, Qt::ControlModifier, text);
            QApplication::sendEvent(name(), &chord);
        }
        QCOMPARE(services->messages, QStringList(6, "Please Enter only Letters"));
        QCOMPARE(services->icons, std::vector(6, MessageIcon::Information));
        name()->paste(); // what the context menu does: not filtered
        QCOMPARE(name()->text(), QStringLiteral("PASTED"));
        // Nor is a value set, or an edit made, by assistive software, as Windows automation sets
        // it; a name set leaves the text alone.
        QAccessibleInterface* box = QAccessible::queryAccessibleInterface(name());
        box->setText(QAccessible::Name, QStringLiteral("Name"));
        box->setText(QAccessible::Value, QStringLiteral("ZOE"));
        QAccessibleEditableTextInterface* edit = box->editableTextInterface();
        edit->insertText(3, QStringLiteral("Y"));
        edit->deleteText(0, 1);
        edit->replaceText(0, 1, QStringLiteral("J"));
        QCOMPARE(name()->text(), QStringLiteral("JEY"));
    }

    // Escape, and Enter away from a button, mean Exit; Enter on a button presses it. The
    // result window opens with the focus on Exit, and Tab moves it to Back.
    void enterAndEscape() {
        // On the result window or the main one, the focus, the key, and which window is up after.
        const std::tuple<bool, const char*, QKeyCombination, QString> presses[] = {
            {false, "txtName", Qt::Key_Return, "none"},
            {false, "txtName", Qt::ALT | Qt::Key_Escape, "none"}, // no access key
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
            QTest::keyClick(pressed, key.key(), key.keyboardModifiers());
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
        QVERIFY(first->objectName() == "frmDisplay" && !window->isVisible() && sign() == "Leo");
        // Exit is the default button of both windows.
        for (QWidget* shown : std::initializer_list<QWidget*>{window.get(), first})
            for (auto* button : shown->findChildren<QPushButton*>())
                QCOMPARE(button->isDefault(), button->objectName() == QLatin1String("cmdExit"));
        child<QPushButton>("cmdBack", first)->click();
        QVERIFY(window->isVisible() && !window->resultWindow() && name()->text() == million);
        QCOMPARE(date(), QStringLiteral("20 October 1904"));
        // A lookup before the closed window is gone shows a window of its own, which stays.
        enter(QStringLiteral("ANN LEE"), "21 October 1904");
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(!first && window->resultWindow() && window->resultWindow()->isVisible());
        QCOMPARE(sign(), QStringLiteral("Virgo"));
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
        const std::pair<const char*, std::string_view> links[] = {
            {"mnuOnline", ProductHelpPage},     {"mnuVisit", MakerHomePage},
            {"mnuUpdate", ProductDownloadPage}, {"mnuDonate", DonationPage},
            {"Label61", MakerHomePage},         {"lblCobrand", CoBrandingPage},
            {"lblFullBrand", FullBrandingPage}};
        // A press released off the label, or a right click, is no click.
        auto* banner = window->findChild<ClickableLabel*>(QStringLiteral("Label61"));
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
            QMainWindow* shown = open(kind);
            QVERIFY(QTest::qWaitForWindowExposed(shown));
            const QList<QAction*> bar = shown->menuBar()->actions();
            QCOMPARE(entries(bar),
                     (QStringList{"mnuFile &File", "mnuHelp &Help", "mnuDonate &Donate",
                                  "mnuMakeMoneyOnline Make Money &Online"}));
            QCOMPARE(entries(bar[0]->menu()->actions()) + entries(bar[1]->menu()->actions()),
                     file + help);
            // The offer entry can never be chosen.
            QVERIFY(bar[2]->isEnabled() && !bar[2]->menu() && !bar[3]->isEnabled());
            for (const auto& [control, page] : links) {
                if (auto* label = shown->findChild<ClickableLabel*>(control)) {
                    label->raise();
                    QTest::mouseClick(label, Qt::LeftButton);
                    QCOMPARE(label->cursor().shape(), Qt::PointingHandCursor);
                } else {
                    trigger(shown, control);
                }
                QVERIFY2(services->openedPages.back() == OnConfiguredHosts(page), control);
            }
            QTimer::singleShot(0, this, [&] {
                QWidget* about = QApplication::activeModalWidget();
                about->close(); // first, so that a failed check cannot leave it open
                abouts << about;
                seen << about->objectName() + u' ' + about->focusWidget()->objectName() + u' ' +
                            about->windowTitle();
            });
            trigger(shown, "mnuAbout");
            QVERIFY(shown->isVisible());
        }
        QCOMPARE(services->openedPages.size(), 2 * std::size(links));
        QCOMPARE(services->settingWrites, 0); // the update entry leaves the reminder's day alone
        QVERIFY(abouts[1] == abouts[0] && abouts[0]->isModal());
        QCOMPARE(seen, QStringList(2, "frmAbout cmdOK Lunetra v1.0"));
        // Lunetra's icon, for the window manager to pick a size from, up to the largest.
        const QList<QSize> sizes = abouts[0]->windowIcon().availableSizes();
        QVERIFY(sizes.contains(QSize(16, 16)) && sizes.contains(QSize(256, 256)));
    }

    void fileEntriesRunTheButtonsProcedures() {
        QSignalSpy leaving(window.get(), &WorkingWindow::leaving);
        trigger(window.get(), "mnuFindPowerSign"); // with an empty name, as the button
        QCOMPARE(services->messages, QStringList{"Please Enter Your Name"});
        trigger(open(QStringLiteral("result")), "mnuFileBack");
        QVERIFY(window->isVisible() && !window->resultWindow());
        trigger(open(QStringLiteral("result")), "mnuExit");
        QVERIFY(!window->isVisible() && !window->resultWindow());
        window->show();
        trigger(window.get(), "mnuExit");
        QVERIFY(!window->isVisible());
        QCOMPARE(leaving.count(), 3); // each close of a working window
    }

    // The About window alone: its texts word for word, as a screen reader says them. Each link,
    // clicked twice and then followed as a screen reader does, opens its page each time and leaves
    // the window open; OK, Enter and Escape close it.
    void textsLinksAndKeys() {
        using enum QAccessible::Role;
        using namespace test::design;
        const std::string home = OnConfiguredHosts(MakerHomePage);
        const std::pair<const char*, std::string> rows[] = {
            {"lblHomePage", home},
            {"Label5", OnConfiguredHosts(FullBrandingPage)},
            {"cmdOK", ""},
            {"Return", ""},
            {"Escape", ""}};
        for (const auto& [control, page] : rows) {
            test::FakeServices services;
            frmAbout about(services);
            // Said as a dialog, as the toolkit says one, not as a plain window.
            QCOMPARE(QAccessible::queryAccessibleInterface(&about)->role(), QAccessible::Dialog);
            test::CheckSpoken(
                about,
                {{"Label2", StaticText, "Lunetra v1.0"},
                 {"Label1", StaticText,
                  "Lunetra finds your Ixion sign. Ixion gives more insight about one's mental "
                  "attitude, strength, plans, aspirations and transformations. This brings "
                  "purpose into your life. This shows our capability of doing things."},
                 {"lblHomePage", Link, "Click here to visit " + QString::fromStdString(home)},
                 {"Label6", StaticText,
                  "Home Business Opportunity. Start your own Internet business and make "
                  "money online. Get this software fully branded for your website."},
                 {"Label5", Link, "Click here for more details"},
                 {"cmdOK", Button, "OK"}});
            verifyFonts(about, {{"frmAbout", 8.25, false, false}, // as its own title bar shows it
                                {"Label2", 9.75, true, false},
                                {"Label1", 8.25, false, false},
                                {"lblHomePage", 8.25, true, true},
                                {"Label6", 8.25, true, false},
                                {"Label5", 8.25, true, true},
                                {"cmdOK", 8.25, true, false}});
            QVERIFY(about.findChild<QPushButton*>("cmdOK")->isDefault()); // before it has focus
            about.show();
            // A line across the whole width separates the texts from the button.
            const QImage line = about.findChild<QWidget*>("Line2")->grab().toImage();
            bool drawn = false;
            for (int y = 0; y < line.height(); ++y)
                drawn |=
                    line.pixelColor(line.width() / 2, y) != about.palette().color(QPalette::Window);
            QVERIFY(drawn && line.width() == about.width());
            // Of one size, which shows everything it holds, from top to bottom in the design's
            // order.
            QCOMPARE(about.minimumSize(), about.maximumSize());
            for (const QWidget* part : about.findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
                QVERIFY2(about.rect().contains(part->geometry()), qPrintable(part->objectName()));
            int above = 0;
            for (const char* next :
                 {"Label2", "Label1", "lblHomePage", "Label6", "Label5", "cmdOK"})
                QVERIFY2(std::exchange(above, about.findChild<QWidget*>(next)->y()) < above, next);
            test::CheckApart(about);
            // The icon, 32 pixels square, at the top left, level with the title beside it.
            const QRect icon = about.findChild<QWidget*>("picIcon")->geometry(),
                        title = about.findChild<QWidget*>("Label2")->geometry();
            QVERIFY(icon.size() == QSize(32, 32) &&
                    icon.x() == about.findChild<QWidget*>("Label1")->x() &&
                    icon.right() < title.x() && qAbs(icon.center().y() - title.center().y()) <= 1);
            if (QWidget* clicked = about.findChild<QWidget*>(control)) {
                for (int click = 0; click < 2 && about.isVisible(); ++click)
                    QTest::mouseClick(clicked, Qt::LeftButton);
                if (about.isVisible())
                    QAccessible::queryAccessibleInterface(clicked)->actionInterface()->doAction(
                        QAccessibleActionInterface::pressAction());
            } else {
                QTest::keyClick(&about, QKeySequence(control)[0].key());
            }
            QCOMPARE(services.openedPages, std::vector(page.empty() ? 0 : 3, page));
            QCOMPARE(about.isVisible(), !page.empty());
        }
    }
};

QTEST_MAIN(MainWindowTest)
#include "test_main_window.moc"
