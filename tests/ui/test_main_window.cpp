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

    template <typename T = QWidget> T* child(const char* name, QWidget* in = nullptr) {
        return (in ? in : window.get())->findChild<T*>(QLatin1String(name));
    }
    QLineEdit* name() { return child<QLineEdit>("txtName"); }
    QComboBox* list(int i) {
        return child<QComboBox>(std::array{"cboDate", "cboMonth", "cboYear"}[i]);
    }
    // The day, month and year lists' texts, space-separated.
    QString date() {
        return QStringList{list(0)->currentText(), list(1)->currentText(), list(2)->currentText()}
            .join(u' ');
    }
    void enter(const QString& typed, const QString& date) {
        name()->setText(typed);
        for (int i = 0; i < 3; ++i)
            list(i)->setCurrentText(date.section(u' ', i, i));
        child<QPushButton>("cmdNext")->click();
    }
    QString shown(const char* label) {
        return child<QLabel>(label, window->resultWindow())->text();
    }

private slots:
    void init() { // also between the cases of one test
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

    void startsOnFirstOfJanuary1900WithTheFocusOnTheName() {
        QCOMPARE(date(), QStringLiteral("1 January 1900"));
        QCOMPARE(list(2)->count(), 119);
        QVERIFY(!list(2)->isEditable());
        QCOMPARE(window->minimumSize(), window->maximumSize());
        // The co-branding offer lies on top of the full-branding one.
        auto* cobrand = child<ClickableLabel>("lblCobrand");
        QCOMPARE(window->childAt(cobrand->mapTo(window.get(), cobrand->rect().center())), cobrand);
        for (const char* next : {"cboDate", "cboMonth", "cboYear", "cmdNext", "cmdExit"}) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            QCOMPARE(QApplication::focusWidget()->objectName(), QLatin1String(next));
        }
    }

    void lettersAppearInCapitalsAndEditingKeysStillWork() {
        QTest::keyClicks(name(), QStringLiteral("abc Xy"));
        for (const Qt::Key key : {Qt::Key_Backspace, Qt::Key_Home, Qt::Key_Delete})
            QTest::keyClick(name(), key);
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
        QElapsedTimer timer;
        timer.start();
        enter(name()->text(), "21 October 1904");
        QVERIFY(QTest::qWaitForWindowExposed(window->resultWindow()));
        QVERIFY2(timer.elapsed() < 500, qPrintable(QString::number(timer.elapsed())));
        QCOMPARE(shown("lblIxionSign"), QStringLiteral("Virgo"));
        QVERIFY(name()->text() == million);
    }

    void refusedCharactersShowTheMessageAndChangeNothing() {
        const int none = Qt::NoModifier, control = Qt::ControlModifier;
        // A digit, an accented letter, Ctrl+C and Ctrl+V as X11 sends them, Ctrl+V with its
        // letter and Ctrl+X without text.
        const std::tuple<int, int, QString> presses[] = {
            {Qt::Key_7, none, "7"},       {Qt::Key_Eacute, none, "é"}, {Qt::Key_C, control, "\x03"},
            {Qt::Key_V, control, "\x16"}, {Qt::Key_V, control, "v"},   {Qt::Key_X, control, ""}};
        QApplication::clipboard()->setText(QStringLiteral("PASTED"));
        for (const auto& [key, modifiers, text] : presses) {
            name()->setText(QStringLiteral("ANN"));
            name()->selectAll(); // so that a cut or a paste would show
            QKeyEvent press(QEvent::KeyPress, key, Qt::KeyboardModifiers(modifiers), text);
            QApplication::sendEvent(name(), &press);
            QCOMPARE(name()->text() + QApplication::clipboard()->text(),
                     QStringLiteral("ANNPASTED"));
        }
        QCOMPARE(services->messages, QStringList(6, "Please Enter only Letters"));
        QCOMPARE(services->icons, std::vector(6, MessageIcon::Information));
    }

    void aRefusedEntryKeepsTheWindowAsItWas() {
        // The name is checked before the date, and its message sends the focus to the name.
        child("cmdExit")->setFocus();
        enter(QString(), "31 February 1950");
        enter(QStringLiteral("A"), "31 April 1950");
        QCOMPARE(services->messages,
                 (QStringList{"Please Enter Your Name", "Please Enter Correct Date Or Month !"}));
        QCOMPARE(QApplication::focusWidget(), name());
        QVERIFY(window->isVisible() && !window->resultWindow());
        QCOMPARE(date(), QStringLiteral("31 April 1950"));
    }

    void enterAndEscapeOnTheMainWindow() {
        // Only Enter on the find button finds; Enter elsewhere and Escape leave.
        const std::tuple<const char*, Qt::Key, bool> presses[] = {
            {"txtName", Qt::Key_Return, false},
            {"cboMonth", Qt::Key_Enter, false},
            {"cmdNext", Qt::Key_Escape, false},
            {"cmdNext", Qt::Key_Return, true}};
        for (const auto& [focus, key, finds] : presses) {
            init();
            QSignalSpy leaving(window.get(), &WorkingWindow::leaving);
            name()->setText(QStringLiteral("ANN"));
            child(focus)->setFocus();
            QTest::keyClick(child(focus), key);
            QVERIFY(!window->isVisible());
            QCOMPARE(window->resultWindow() != nullptr, finds);
            QCOMPARE(leaving.count(), finds ? 0 : 1);
        }
    }

    void backKeepsTheEntryAndEachLookupShowsOnlyItsOwnSign() {
        enter(QStringLiteral("ANN LEE"), "20 October 1904");
        QPointer<frmDisplay> first = window->resultWindow();
        QVERIFY(first->isVisible() && !window->isVisible());
        QCOMPARE(shown("lblIxionSign"), QStringLiteral("Leo"));
        QVERIFY(shown("lblSignDesc").startsWith(QStringLiteral("You will take the lead role")));
        // Exit is the default button of both windows.
        for (QWidget* shown : std::initializer_list<QWidget*>{window.get(), first})
            for (auto* button : shown->findChildren<QPushButton*>())
                QCOMPARE(button->isDefault(), button->objectName() == QLatin1String("cmdExit"));
        child<QPushButton>("cmdBack", first)->click();
        QVERIFY(window->isVisible() && !window->resultWindow());
        QCOMPARE(name()->text() + ' ' + date(), QStringLiteral("ANN LEE 20 October 1904"));
        // A lookup before the closed window is gone shows a window of its own, which stays.
        enter(QStringLiteral("ANN LEE"), "21 October 1904");
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(!first);
        QVERIFY(window->resultWindow() && window->resultWindow()->isVisible());
        QCOMPARE(shown("lblIxionSign"), QStringLiteral("Virgo"));
        QCOMPARE(shown("lblSignDesc"), QStringLiteral("This will be a period of great anxiety."));
    }

    void resultWindowKeys() {
        // Enter and Escape mean Exit, except Enter on Back, which means Back.
        for (const bool onBack : {false, true}) {
            for (const Qt::Key key : {Qt::Key_Return, Qt::Key_Escape}) {
                init();
                enter(QStringLiteral("ANN"), "1 May 1950");
                QPointer<frmDisplay> result = window->resultWindow();
                QVERIFY(QTest::qWaitForWindowActive(result));
                if (onBack)
                    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
                QTest::keyClick(QApplication::focusWidget(), key);
                QVERIFY(!result->isVisible() && !window->resultWindow());
                QCOMPARE(window->isVisible(), onBack && key == Qt::Key_Return);
            }
        }
    }
};

QTEST_MAIN(MainWindowTest)
#include "test_main_window.moc"
