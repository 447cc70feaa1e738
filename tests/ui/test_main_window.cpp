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
#include <QSignalSpy>
#include <QTest>

using namespace lunetra;

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
    void cleanup() {
        window.reset();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    void startsOnFirstOfJanuary1900WithTheFocusOnTheName() {
        QCOMPARE(text("cboDate") + text("cboMonth") + text("cboYear"),
                 QStringLiteral("1January1900"));
        QCOMPARE(child<QComboBox>(QStringLiteral("cboYear"))->count(), 119);
        QVERIFY(!child<QComboBox>(QStringLiteral("cboYear"))->isEditable());
        QCOMPARE(window->minimumSize(), window->maximumSize());
        // The co-branding offer lies on top of the full-branding one.
        auto* cobrand = child<ClickableLabel>(QStringLiteral("lblCobrand"));
        QCOMPARE(window->childAt(cobrand->mapTo(window.get(), cobrand->rect().center())), cobrand);
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
        QTest::newRow("accented letter") << int(Qt::Key_Eacute) << none << "é";
        QTest::newRow("Ctrl+C from X11") << int(Qt::Key_C) << control << "\x03";
        QTest::newRow("Ctrl+V from X11") << int(Qt::Key_V) << control << "\x16";
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
        QCOMPARE(services->messageTexts(), QStringList{"Please Enter only Letters"});
        QCOMPARE(services->messages.back().icon, MessageIcon::Information);
        QCOMPARE(QApplication::clipboard()->text(), QStringLiteral("PASTED"));
    }

    void aRefusedEntryKeepsTheWindowAsItWas() {
        // The name is checked before the date, and its message sends the focus to the name.
        child(QStringLiteral("cmdExit"))->setFocus();
        enter(QString(), 31, QStringLiteral("February"), 1950);
        enter(QStringLiteral("A"), 31, QStringLiteral("April"), 1950);
        QCOMPARE(services->messageTexts(),
                 (QStringList{"Please Enter Your Name", "Please Enter Correct Date Or Month !"}));
        QCOMPARE(QApplication::focusWidget(), name());
        QVERIFY(window->isVisible() && !window->resultWindow());
        QCOMPARE(text("cboDate") + text("cboMonth"), QStringLiteral("31April"));
    }

    void enterAndEscape_data() {
        QTest::addColumn<QString>("focus");
        QTest::addColumn<int>("key");
        QTest::addColumn<bool>("finds");
        QTest::newRow("Enter in the name box") << "txtName" << int(Qt::Key_Return) << false;
        QTest::newRow("keypad Enter on a list") << "cboMonth" << int(Qt::Key_Enter) << false;
        QTest::newRow("Escape on the find button") << "cmdNext" << int(Qt::Key_Escape) << false;
        QTest::newRow("Enter on the find button") << "cmdNext" << int(Qt::Key_Return) << true;
    }
    void enterAndEscape() {
        QFETCH(QString, focus);
        QFETCH(int, key);
        QFETCH(bool, finds);
        QSignalSpy leaving(window.get(), &WorkingWindow::leaving);
        name()->setText(QStringLiteral("ANN"));
        child(focus)->setFocus();
        QTest::keyClick(child(focus), Qt::Key(key));
        QVERIFY(!window->isVisible());
        QCOMPARE(window->resultWindow() != nullptr, finds);
        QCOMPARE(leaving.count(), finds ? 0 : 1);
    }

    void exitIsTheDefaultButtonOfBothWindows() {
        enter(QStringLiteral("ANN"), 1, QStringLiteral("May"), 1950);
        for (QWidget* shown :
             {static_cast<QWidget*>(window.get()), static_cast<QWidget*>(window->resultWindow())}) {
            for (auto* button : shown->findChildren<QPushButton*>())
                QCOMPARE(button->isDefault(), button->objectName() == QLatin1String("cmdExit"));
        }
    }

    void backKeepsTheEntryAndEachLookupShowsOnlyItsOwnSign() {
        enter(QStringLiteral("ANN LEE"), 20, QStringLiteral("October"), 1904);
        QPointer<frmDisplay> first = window->resultWindow();
        QVERIFY(first->isVisible() && !window->isVisible());
        QCOMPARE(shown("lblIxionSign"), QStringLiteral("Leo"));
        QVERIFY(shown("lblSignDesc").startsWith(QStringLiteral("You will take the lead role")));
        child<QPushButton>(QStringLiteral("cmdBack"), first)->click();
        QVERIFY(window->isVisible() && !window->resultWindow());
        QCOMPARE(name()->text() + text("cboDate") + text("cboMonth") + text("cboYear"),
                 QStringLiteral("ANN LEE20October1904"));
        // A lookup before the closed window is gone shows a window of its own, which stays.
        enter(QStringLiteral("ANN LEE"), 21, QStringLiteral("October"), 1904);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(!first);
        QVERIFY(window->resultWindow() && window->resultWindow()->isVisible());
        QCOMPARE(shown("lblIxionSign"), QStringLiteral("Virgo"));
        QCOMPARE(shown("lblSignDesc"), QStringLiteral("This will be a period of great anxiety."));
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
        QVERIFY(!result->isVisible() && !window->resultWindow());
        QCOMPARE(window->isVisible(), onBack && key == Qt::Key_Return);
    }
};

QTEST_MAIN(MainWindowTest)
#include "test_main_window.moc"
