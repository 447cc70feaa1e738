#include "support/FakeServices.h"
#include "ui/ClickableLabel.h"
#include "ui/frmDisplay.h"
#include "ui/frmMain.h"

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include <memory>

using lunetra::ClickableLabel;
using lunetra::frmDisplay;
using lunetra::frmMain;
using lunetra::MessageIcon;
using lunetra::test::FakeServices;

namespace {
const QString OnlyLetters = QStringLiteral("Please Enter only Letters");
const QString NoName = QStringLiteral("Please Enter Your Name");
const QString WrongFebruary = QStringLiteral("Please Enter Correct Date Or Month!");
const QString WrongDay31 = QStringLiteral("Please Enter Correct Date Or Month !");
} // namespace

class MainWindowTest : public QObject {
    Q_OBJECT

    std::unique_ptr<FakeServices> services;
    std::unique_ptr<frmMain> window;

    template <typename T> T* child(const char* name, QWidget* in = nullptr) {
        T* found = (in ? in : window.get())->findChild<T*>(QString::fromLatin1(name));
        if (!found)
            qFatal("no control named %s", name);
        return found;
    }
    QLineEdit* name() { return child<QLineEdit>("txtName"); }
    void pick(int day, const QString& month, int year) {
        child<QComboBox>("cboDate")->setCurrentText(QString::number(day));
        child<QComboBox>("cboMonth")->setCurrentText(month);
        child<QComboBox>("cboYear")->setCurrentText(QString::number(year));
    }
    // Runs the find action and tells which message, if any, it showed.
    QString find() {
        const auto before = services->messages.size();
        child<QPushButton>("cmdNext")->click();
        return services->messages.size() > before ? services->messages.back().text : QString();
    }
    frmDisplay* result() { return window->resultWindow(); }
    QString shownSign() { return child<QLabel>("lblIxionSign", result())->text(); }
    QString shownReading() { return child<QLabel>("lblSignDesc", result())->text(); }

private slots:
    void init() {
        services = std::make_unique<FakeServices>();
        window = std::make_unique<frmMain>(*services);
        window->show();
        window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(window.get()));
    }
    void cleanup() { window.reset(); }

    void opensOnFirstOfJanuary1900WithTheListsFilled() {
        auto* days = child<QComboBox>("cboDate");
        auto* months = child<QComboBox>("cboMonth");
        auto* years = child<QComboBox>("cboYear");
        QCOMPARE(days->count(), 31);
        QCOMPARE(days->itemText(30), QStringLiteral("31"));
        QCOMPARE(months->count(), 12);
        QCOMPARE(months->itemText(11), QStringLiteral("December"));
        QCOMPARE(years->count(), 119);
        QCOMPARE(years->itemText(118), QStringLiteral("2018"));
        QCOMPARE(days->currentText(), QStringLiteral("1"));
        QCOMPARE(months->currentText(), QStringLiteral("January"));
        QCOMPARE(years->currentText(), QStringLiteral("1900"));
        QVERIFY(!days->isEditable() && !months->isEditable() && !years->isEditable());
        QCOMPARE(QApplication::focusWidget(), name());
    }

    void showsItsDesignedTexts() {
        QCOMPARE(window->windowTitle(), QStringLiteral("Lunetra v1.0"));
        QCOMPARE(child<QPushButton>("cmdNext")->text(),
                 QStringLiteral("Find My &Ixion Astrology Sign"));
        QCOMPARE(child<QPushButton>("cmdExit")->text(), QStringLiteral("&Exit"));
        QCOMPARE(child<QLabel>("Label2")->text(), QStringLiteral("Date Of Birth"));
        auto* cobrand = child<ClickableLabel>("lblCobrand");
        QVERIFY(cobrand->caption().contains(QStringLiteral("name &&  link here. See \"Help\" for "
                                                           "details.Click Here")));
        QVERIFY(cobrand->text().contains(QStringLiteral("name &  link here.")));
        QCOMPARE(cobrand->geometry(), child<ClickableLabel>("lblFullBrand")->geometry());
        QCOMPARE(window->childAt(cobrand->mapTo(window.get(), cobrand->rect().center())), cobrand);
        QCOMPARE(window->size(), window->minimumSize());
        QCOMPARE(window->size(), window->maximumSize());
        QVERIFY(!window->windowFlags().testFlag(Qt::WindowMinimizeButtonHint));
        QVERIFY(!window->windowFlags().testFlag(Qt::WindowMaximizeButtonHint));
    }

    void tabVisitsTheEntriesThenTheButtons() {
        const char* order[] = {"cboDate", "cboMonth", "cboYear", "cmdNext", "cmdExit"};
        for (const char* next : order) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            QCOMPARE(QApplication::focusWidget()->objectName(), QString::fromLatin1(next));
        }
    }

    void typedLettersAppearInCapitals() {
        QTest::keyClicks(name(), QStringLiteral("abc XyZ"));
        QCOMPARE(name()->text(), QStringLiteral("ABC XYZ"));
        QTest::keyClick(name(), Qt::Key_Backspace);
        QCOMPARE(name()->text(), QStringLiteral("ABC XY"));
        QVERIFY(services->messages.empty());
    }

    void refusedCharactersShowTheMessageAndChangeNothing_data() {
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("modifiers");
        QTest::addColumn<QString>("text");
        const int none = Qt::NoModifier, control = Qt::ControlModifier;
        QTest::newRow("digit") << int(Qt::Key_7) << none << QStringLiteral("7");
        QTest::newRow("full stop") << int(Qt::Key_Period) << none << QStringLiteral(".");
        QTest::newRow("hyphen") << int(Qt::Key_Minus) << none << QStringLiteral("-");
        QTest::newRow("accented letter") << int(Qt::Key_Eacute) << none << QStringLiteral("é");
        QTest::newRow("Ctrl+C as X11 sends it")
            << int(Qt::Key_C) << control << QStringLiteral("\x03");
        QTest::newRow("Ctrl+V as X11 sends it")
            << int(Qt::Key_V) << control << QStringLiteral("\x16");
        QTest::newRow("Ctrl+X as X11 sends it")
            << int(Qt::Key_X) << control << QStringLiteral("\x18");
        QTest::newRow("Ctrl+V with its letter") << int(Qt::Key_V) << control << QStringLiteral("v");
        QTest::newRow("Ctrl+C with no text") << int(Qt::Key_C) << control << QString();
        QTest::newRow("Ctrl+Shift+V")
            << int(Qt::Key_V) << int(Qt::ControlModifier | Qt::ShiftModifier)
            << QStringLiteral("V");
    }
    void refusedCharactersShowTheMessageAndChangeNothing() {
        QFETCH(int, key);
        QFETCH(int, modifiers);
        QFETCH(QString, text);
        QApplication::clipboard()->setText(QStringLiteral("PASTED"));
        QTest::keyClicks(name(), QStringLiteral("ann"));
        name()->selectAll(); // so that a cut or a paste would show
        QKeyEvent press(QEvent::KeyPress, key, Qt::KeyboardModifiers(modifiers), text);
        QApplication::sendEvent(name(), &press);
        QCOMPARE(name()->text(), QStringLiteral("ANN"));
        QCOMPARE(services->messageTexts(), QStringList{OnlyLetters});
        QCOMPARE(services->messages.back().icon, MessageIcon::Information);
        QCOMPARE(QApplication::clipboard()->text(), QStringLiteral("PASTED"));
    }

    void keysThatTypeNothingStillWork() {
        QTest::keyClicks(name(), QStringLiteral("ab"));
        QTest::keyClick(name(), Qt::Key_Left);
        QTest::keyClick(name(), Qt::Key_Delete);
        QTest::keyClick(name(), Qt::Key_Home);
        QTest::keyClicks(name(), QStringLiteral("c"));
        QCOMPARE(name()->text(), QStringLiteral("CA"));
        QVERIFY(services->messages.empty());
    }

    void pastingThroughTheContextMenuIsNotFiltered() {
        QApplication::clipboard()->setText(QStringLiteral("o'neil 2"));
        name()->paste(); // what the context menu's Paste does
        QCOMPARE(name()->text(), QStringLiteral("o'neil 2"));
        QVERIFY(services->messages.empty());
    }

    void validation_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<int>("day");
        QTest::addColumn<QString>("month");
        QTest::addColumn<int>("year");
        QTest::addColumn<QString>("message");
        QTest::newRow("empty name with 31 February") << "" << 31 << "February" << 1950 << NoName;
        QTest::newRow("a name of spaces") << "   " << 1 << "January" << 1900 << "";
        QTest::newRow("29 February 1900") << "A" << 29 << "February" << 1900 << "";
        QTest::newRow("29 February 1904") << "A" << 29 << "February" << 1904 << "";
        QTest::newRow("30 February 1904") << "A" << 30 << "February" << 1904 << WrongFebruary;
        QTest::newRow("29 February 1901") << "A" << 29 << "February" << 1901 << WrongFebruary;
        QTest::newRow("28 February 1901") << "A" << 28 << "February" << 1901 << "";
        QTest::newRow("30 February 2000") << "A" << 30 << "February" << 2000 << WrongFebruary;
        QTest::newRow("31 February 2001") << "A" << 31 << "February" << 2001 << WrongFebruary;
        QTest::newRow("31 April") << "A" << 31 << "April" << 1950 << WrongDay31;
        QTest::newRow("31 June") << "A" << 31 << "June" << 1950 << WrongDay31;
        QTest::newRow("31 September") << "A" << 31 << "September" << 1950 << WrongDay31;
        QTest::newRow("31 November") << "A" << 31 << "November" << 1950 << WrongDay31;
        QTest::newRow("30 April") << "A" << 30 << "April" << 1950 << "";
        QTest::newRow("31 May") << "A" << 31 << "May" << 1950 << "";
        QTest::newRow("31 December 2018") << "A" << 31 << "December" << 2018 << "";
    }
    void validation() {
        QFETCH(QString, typed);
        QFETCH(int, day);
        QFETCH(QString, month);
        QFETCH(int, year);
        QFETCH(QString, message);
        name()->setText(typed);
        pick(day, month, year);
        child<QPushButton>("cmdExit")->setFocus();
        QCOMPARE(find(), message);
        if (message.isEmpty()) {
            QVERIFY(result() && result()->isVisible());
            QVERIFY(!window->isVisible());
            return;
        }
        QCOMPARE(services->messages.size(), std::size_t(1));
        QCOMPARE(services->messages.back().icon, MessageIcon::Information);
        QVERIFY(!result());
        QVERIFY(window->isVisible());
        QCOMPARE(child<QComboBox>("cboDate")->currentText(), QString::number(day));
        if (message == NoName)
            QCOMPARE(QApplication::focusWidget(), name());
    }

    void enterInTheNameBoxAndEscapeAnywhereMeanExit_data() {
        QTest::addColumn<QString>("focus");
        QTest::addColumn<int>("key");
        QTest::newRow("Enter in the name box") << "txtName" << int(Qt::Key_Return);
        QTest::newRow("keypad Enter in the name box") << "txtName" << int(Qt::Key_Enter);
        QTest::newRow("Enter on a list") << "cboMonth" << int(Qt::Key_Return);
        QTest::newRow("Escape in the name box") << "txtName" << int(Qt::Key_Escape);
        QTest::newRow("Escape on a list") << "cboYear" << int(Qt::Key_Escape);
        QTest::newRow("Escape on the find button") << "cmdNext" << int(Qt::Key_Escape);
    }
    void enterInTheNameBoxAndEscapeAnywhereMeanExit() {
        QFETCH(QString, focus);
        QFETCH(int, key);
        QWidget* target = window->findChild<QWidget*>(focus);
        target->setFocus();
        QTest::keyClick(target, Qt::Key(key));
        QVERIFY(!window->isVisible());
        QCOMPARE(services->exitWindowRequests, std::vector<std::string>{"show"});
        QVERIFY(services->messages.empty());
        QCOMPARE(services->processEnds, 0);
    }

    void enterOnTheFindButtonFinds() {
        name()->setText(QStringLiteral("ANN"));
        child<QPushButton>("cmdNext")->setFocus();
        QTest::keyClick(child<QPushButton>("cmdNext"), Qt::Key_Return);
        QVERIFY(result() && result()->isVisible());
    }

    void findShowsTheSignOnBothSidesOfAChange_data() {
        QTest::addColumn<int>("day");
        QTest::addColumn<QString>("month");
        QTest::addColumn<int>("year");
        QTest::addColumn<QString>("sign");
        QTest::addColumn<QString>("readingStart");
        QTest::newRow("20 October 1904") << 20 << "October" << 1904 << "Leo"
                                         << "You will take the lead";
        QTest::newRow("21 October 1904") << 21 << "October" << 1904 << "Virgo"
                                         << "This will be a period";
        QTest::newRow("1 January 1900") << 1 << "January" << 1900 << "Leo"
                                        << "You will take";
        QTest::newRow("2 August 1935") << 2 << "August" << 1935 << "Libra"
                                       << "You will be mentally";
        QTest::newRow("27 September 1966") << 27 << "September" << 1966 << "Scorpio"
                                           << "You may take pleasure";
        QTest::newRow("31 December 2018") << 31 << "December" << 2018 << "Sagittarius"
                                          << "You may have committed";
    }
    void findShowsTheSignOnBothSidesOfAChange() {
        QFETCH(int, day);
        QFETCH(QString, month);
        QFETCH(int, year);
        QFETCH(QString, sign);
        QFETCH(QString, readingStart);
        name()->setText(QStringLiteral("ANN"));
        pick(day, month, year);
        QCOMPARE(find(), QString());
        QVERIFY(result()->isVisible());
        QVERIFY(!window->isVisible());
        QCOMPARE(shownSign(), sign);
        QVERIFY2(shownReading().startsWith(readingStart), qPrintable(shownReading()));
        QCOMPARE(services->exitWindowRequests, std::vector<std::string>{"hide"});
        QCOMPARE(result()->windowTitle(), QStringLiteral("Lunetra v1.0"));
        QVERIFY(QTest::qWaitForWindowActive(result()));
        QCOMPARE(QApplication::focusWidget(), child<QPushButton>("cmdExit", result()));
    }

    void backReturnsWithTheEntriesKeptAndASecondLookupShowsOnlyTheNewSign() {
        name()->setText(QStringLiteral("ANN LEE"));
        pick(20, QStringLiteral("October"), 1904);
        find();
        QPointer<frmDisplay> first = result();
        QCOMPARE(shownSign(), QStringLiteral("Leo"));
        child<QPushButton>("cmdBack", first)->click();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(!first);
        QVERIFY(window->isVisible());
        QCOMPARE(name()->text(), QStringLiteral("ANN LEE"));
        QCOMPARE(child<QComboBox>("cboDate")->currentText(), QStringLiteral("20"));
        QCOMPARE(child<QComboBox>("cboMonth")->currentText(), QStringLiteral("October"));
        QCOMPARE(child<QComboBox>("cboYear")->currentText(), QStringLiteral("1904"));
        // The exit window that closing brought up is hidden again at once.
        QCOMPARE(services->exitWindowRequests, (std::vector<std::string>{"hide", "show", "hide"}));
        QCOMPARE(services->processEnds, 0);

        pick(21, QStringLiteral("October"), 1904);
        find();
        QCOMPARE(shownSign(), QStringLiteral("Virgo"));
        QCOMPARE(shownReading(), QStringLiteral("This will be a period of great anxiety."));
    }

    void resultWindowKeys_data() {
        QTest::addColumn<int>("key");
        QTest::addColumn<bool>("tabFirst");
        QTest::addColumn<bool>("mainComesBack");
        QTest::newRow("Enter means Exit") << int(Qt::Key_Return) << false << false;
        QTest::newRow("Escape means Exit") << int(Qt::Key_Escape) << false << false;
        QTest::newRow("Enter on Back means Back") << int(Qt::Key_Return) << true << true;
        QTest::newRow("Escape on Back still means Exit") << int(Qt::Key_Escape) << true << false;
    }
    void resultWindowKeys() {
        QFETCH(int, key);
        QFETCH(bool, tabFirst);
        QFETCH(bool, mainComesBack);
        name()->setText(QStringLiteral("ANN"));
        find();
        QPointer<frmDisplay> shown = result();
        QVERIFY(QTest::qWaitForWindowActive(shown));
        if (tabFirst) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            QCOMPARE(QApplication::focusWidget()->objectName(), QStringLiteral("cmdBack"));
        }
        QTest::keyClick(QApplication::focusWidget(), Qt::Key(key));
        QVERIFY(!shown || !shown->isVisible());
        QCOMPARE(window->isVisible(), mainComesBack);
        QCOMPARE(services->exitWindowRequests.at(1), std::string("show"));
        QCOMPARE(services->exitWindowRequests.size(), mainComesBack ? 3u : 2u);
    }

    void closingTheResultWindowLeavesTheMainWindowHidden() {
        name()->setText(QStringLiteral("ANN"));
        find();
        result()->close();
        QVERIFY(!window->isVisible());
        QCOMPARE(services->exitWindowRequests, (std::vector<std::string>{"hide", "show"}));
    }
};

QTEST_MAIN(MainWindowTest)
#include "test_main_window.moc"
