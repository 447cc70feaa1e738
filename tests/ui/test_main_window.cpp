#include "support/FakeServices.h"
#include "ui/ClickableLabel.h"
#include "ui/frmDisplay.h"
#include "ui/frmMain.h"

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QElapsedTimer>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

using namespace lunetra;
using Requests = std::vector<std::string>;

namespace {
const QString OnlyLetters = QStringLiteral("Please Enter only Letters");
const QString NoName = QStringLiteral("Please Enter Your Name");
const QString WrongFebruary = QStringLiteral("Please Enter Correct Date Or Month!");
const QString WrongDay31 = QStringLiteral("Please Enter Correct Date Or Month !");
} // namespace

class MainWindowTest : public QObject {
    Q_OBJECT

    std::unique_ptr<test::FakeServices> services;
    std::unique_ptr<frmMain> window;

    template <typename T = QWidget> T* child(const QString& name, QWidget* in = nullptr) {
        return (in ? in : window.get())->findChild<T*>(name);
    }
    QLineEdit* name() { return child<QLineEdit>(QStringLiteral("txtName")); }
    QString text(const char* list) { return child<QComboBox>(QLatin1String(list))->currentText(); }
    void enter(const QString& typed, int day, const QString& month, int year) {
        name()->setText(typed);
        child<QComboBox>(QStringLiteral("cboDate"))->setCurrentText(QString::number(day));
        child<QComboBox>(QStringLiteral("cboMonth"))->setCurrentText(month);
        child<QComboBox>(QStringLiteral("cboYear"))->setCurrentText(QString::number(year));
        child<QPushButton>(QStringLiteral("cmdNext"))->click();
    }
    QString shown(const char* label) {
        return child<QLabel>(QLatin1String(label), window->resultWindow())->text();
    }

private slots:
    void init() {
        services = std::make_unique<test::FakeServices>();
        window = std::make_unique<frmMain>(*services);
        window->show();
        QVERIFY(QTest::qWaitForWindowActive(window.get()));
    }
    void cleanup() { window.reset(); }

    void startsOnFirstOfJanuary1900WithTheFocusOnTheName() {
        QCOMPARE(child<QComboBox>(QStringLiteral("cboDate"))->count(), 31);
        QCOMPARE(child<QComboBox>(QStringLiteral("cboMonth"))->itemText(11),
                 QStringLiteral("December"));
        QCOMPARE(child<QComboBox>(QStringLiteral("cboYear"))->count(), 119);
        QCOMPARE(text("cboDate") + text("cboMonth") + text("cboYear"),
                 QStringLiteral("1January1900"));
        QVERIFY(!child<QComboBox>(QStringLiteral("cboYear"))->isEditable());
        QCOMPARE(window->windowTitle(), QStringLiteral("Lunetra v1.0"));
        QCOMPARE(window->minimumSize(), window->maximumSize());
        // The co-branding offer lies on top of the full-branding one.
        auto* cobrand = child<ClickableLabel>(QStringLiteral("lblCobrand"));
        QCOMPARE(window->childAt(cobrand->mapTo(window.get(), cobrand->rect().center())), cobrand);
        QVERIFY(cobrand->text().contains(
            QStringLiteral("site's name &  link here. See \"Help\" for details.Click")));
        for (const char* next : {"cboDate", "cboMonth", "cboYear", "cmdNext", "cmdExit"}) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            QCOMPARE(QApplication::focusWidget()->objectName(), QLatin1String(next));
        }
    }

    void lettersAppearInCapitalsAndEditingKeysStillWork() {
        QTest::keyClicks(name(), QStringLiteral("abc Xy"));
        QTest::keyClick(name(), Qt::Key_Backspace);
        QTest::keyClick(name(), Qt::Key_Home);
        QTest::keyClick(name(), Qt::Key_Delete);
        QTest::keyClick(name(), Qt::Key_Q, Qt::AltModifier); // an access key, not text
        QCOMPARE(name()->text(), QStringLiteral("BC X"));
        QApplication::clipboard()->setText(QStringLiteral("o'neil 2"));
        name()->paste(); // what the context menu does: not filtered
        QCOMPARE(name()->text(), QStringLiteral("o'neil 2BC X"));
        QVERIFY(services->messages.empty());
    }

    void aPastedNameOfAMillionLettersIsKeptWholeAndFoundAtOnce() {
        const QString million(1'000'000, u'N');
        QApplication::clipboard()->setText(million);
        name()->paste();
        QCOMPARE(name()->text().size(), million.size());
        QElapsedTimer timer;
        timer.start();
        enter(name()->text(), 21, QStringLiteral("October"), 1904);
        QVERIFY(QTest::qWaitForWindowExposed(window->resultWindow()));
        QVERIFY2(timer.elapsed() < 500, qPrintable(QString::number(timer.elapsed())));
        QCOMPARE(shown("lblIxionSign"), QStringLiteral("Virgo"));
        QVERIFY(name()->text() == million);
    }

    void refusedCharactersShowTheMessageAndChangeNothing_data() {
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("modifiers");
        QTest::addColumn<QString>("text");
        const int none = Qt::NoModifier, control = Qt::ControlModifier;
        QTest::newRow("digit") << int(Qt::Key_7) << none << "7";
        QTest::newRow("hyphen") << int(Qt::Key_Minus) << none << "-";
        QTest::newRow("accented letter") << int(Qt::Key_Eacute) << none << "é";
        QTest::newRow("Ctrl+C from X11") << int(Qt::Key_C) << control << "\x03";
        QTest::newRow("Ctrl+V from X11") << int(Qt::Key_V) << control << "\x16";
        QTest::newRow("Ctrl+X from X11") << int(Qt::Key_X) << control << "\x18";
        QTest::newRow("Ctrl+V with its letter") << int(Qt::Key_V) << control << "v";
        QTest::newRow("Ctrl+X without text") << int(Qt::Key_X) << control << "";
    }
    void refusedCharactersShowTheMessageAndChangeNothing() {
        QFETCH(int, key);
        QFETCH(int, modifiers);
        QFETCH(QString, text);
        QApplication::clipboard()->setText(QStringLiteral("PASTED"));
        name()->setText(QStringLiteral("ANN"));
        name()->selectAll(); // so that a cut or a paste would show
        QKeyEvent press(QEvent::KeyPress, key, Qt::KeyboardModifiers(modifiers), text);
        QApplication::sendEvent(name(), &press);
        QCOMPARE(name()->text(), QStringLiteral("ANN"));
        QCOMPARE(services->messageTexts(), QStringList{OnlyLetters});
        QCOMPARE(services->messages.back().icon, MessageIcon::Information);
        QCOMPARE(QApplication::clipboard()->text(), QStringLiteral("PASTED"));
    }

    void validation_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<int>("day");
        QTest::addColumn<QString>("month");
        QTest::addColumn<int>("year");
        QTest::addColumn<QString>("message");
        QTest::newRow("empty name, 31 February") << "" << 31 << "February" << 1950 << NoName;
        QTest::newRow("a name of spaces") << "   " << 1 << "January" << 1900 << "";
        QTest::newRow("29 February 1900") << "A" << 29 << "February" << 1900 << "";
        QTest::newRow("29 February 1901") << "A" << 29 << "February" << 1901 << WrongFebruary;
        QTest::newRow("30 February 2000") << "A" << 30 << "February" << 2000 << WrongFebruary;
        QTest::newRow("31 April") << "A" << 31 << "April" << 1950 << WrongDay31;
        QTest::newRow("31 November") << "A" << 31 << "November" << 1950 << WrongDay31;
        QTest::newRow("30 April") << "A" << 30 << "April" << 1950 << "";
        QTest::newRow("31 May") << "A" << 31 << "May" << 1950 << "";
    }
    void validation() {
        QFETCH(QString, typed);
        QFETCH(int, day);
        QFETCH(QString, month);
        QFETCH(int, year);
        QFETCH(QString, message);
        child(QStringLiteral("cmdExit"))->setFocus();
        enter(typed, day, month, year);
        QCOMPARE(services->messageTexts(),
                 message.isEmpty() ? QStringList() : QStringList{message});
        QCOMPARE(window->isVisible(), !message.isEmpty());
        QCOMPARE(window->resultWindow() != nullptr, message.isEmpty());
        QCOMPARE(text("cboDate"), QString::number(day)); // entries kept
        if (message == NoName)
            QCOMPARE(QApplication::focusWidget(), name());
    }

    void enterAndEscape_data() {
        QTest::addColumn<QString>("focus");
        QTest::addColumn<int>("key");
        QTest::addColumn<bool>("finds");
        QTest::newRow("Enter in the name box") << "txtName" << int(Qt::Key_Return) << false;
        QTest::newRow("keypad Enter on a list") << "cboMonth" << int(Qt::Key_Enter) << false;
        QTest::newRow("Escape in the name box") << "txtName" << int(Qt::Key_Escape) << false;
        QTest::newRow("Escape on a list") << "cboYear" << int(Qt::Key_Escape) << false;
        QTest::newRow("Escape on the find button") << "cmdNext" << int(Qt::Key_Escape) << false;
        QTest::newRow("Enter on the find button") << "cmdNext" << int(Qt::Key_Return) << true;
    }
    void enterAndEscape() {
        QFETCH(QString, focus);
        QFETCH(int, key);
        QFETCH(bool, finds);
        name()->setText(QStringLiteral("ANN"));
        child(focus)->setFocus();
        QTest::keyClick(child(focus), Qt::Key(key));
        QVERIFY(!window->isVisible());
        QCOMPARE(window->resultWindow() != nullptr, finds);
        QCOMPARE(services->exitWindowRequests, Requests{finds ? "hide" : "show"});
        QCOMPARE(services->processEnds, 0);
    }

    void backKeepsTheEntryAndASecondLookupShowsOnlyTheNewSign() {
        enter(QStringLiteral("ANN LEE"), 20, QStringLiteral("October"), 1904);
        QPointer<frmDisplay> first = window->resultWindow();
        QVERIFY(first->isVisible() && !window->isVisible());
        QCOMPARE(shown("lblIxionSign"), QStringLiteral("Leo"));
        QCOMPARE(shown("lblSignDesc"),
                 QStringLiteral("You will take the lead role in bringing about "
                                "change which may be for the good or bad of the society."));
        child<QPushButton>(QStringLiteral("cmdBack"), first)->click();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(!first && window->isVisible());
        QCOMPARE(name()->text() + text("cboDate") + text("cboMonth") + text("cboYear"),
                 QStringLiteral("ANN LEE20October1904"));
        // The exit window that closing brought up is hidden again at once.
        QCOMPARE(services->exitWindowRequests, (Requests{"hide", "show", "hide"}));
        enter(QStringLiteral("ANN LEE"), 21, QStringLiteral("October"), 1904);
        QCOMPARE(shown("lblIxionSign"), QStringLiteral("Virgo"));
        QCOMPARE(shown("lblSignDesc"), QStringLiteral("This will be a period of great anxiety."));
        QCOMPARE(services->processEnds, 0);
    }

    void resultWindowKeys_data() {
        QTest::addColumn<int>("key");
        QTest::addColumn<bool>("onBack");
        QTest::newRow("Enter means Exit") << int(Qt::Key_Return) << false;
        QTest::newRow("Escape means Exit") << int(Qt::Key_Escape) << false;
        QTest::newRow("Enter on Back means Back") << int(Qt::Key_Return) << true;
        QTest::newRow("Escape on Back still means Exit") << int(Qt::Key_Escape) << true;
    }
    void resultWindowKeys() {
        QFETCH(int, key);
        QFETCH(bool, onBack);
        enter(QStringLiteral("ANN"), 1, QStringLiteral("May"), 1950);
        QPointer<frmDisplay> result = window->resultWindow();
        QVERIFY(QTest::qWaitForWindowActive(result));
        if (onBack)
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key(key));
        QVERIFY(!result || !result->isVisible());
        const bool back = onBack && key == Qt::Key_Return;
        QCOMPARE(window->isVisible(), back);
        const Requests expected =
            back ? Requests{"hide", "show", "hide"} : Requests{"hide", "show"};
        QCOMPARE(services->exitWindowRequests, expected);
    }
};

QTEST_MAIN(MainWindowTest)
#include "test_main_window.moc"
