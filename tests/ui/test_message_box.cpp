#include "ui/MessageBox.h"

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QTest>
#include <QTimer>

using namespace lunetra;

// Shows the real message box and answers it from the event loop, as a user would.
class MessageBoxTest : public QObject {
    Q_OBJECT

private slots:
    void showsTitleIconButtonsAndText_data() {
        QTest::addColumn<int>("icon");
        QTest::addColumn<int>("buttons");
        QTest::addColumn<int>("press");
        QTest::addColumn<int>("answer");
        const int info = int(MessageIcon::Information), critical = int(MessageIcon::Critical);
        const int ok = int(MessageButtons::Ok), yesNo = int(MessageButtons::YesNo);
        QTest::newRow("notice") << info << ok << int(QMessageBox::Ok) << int(MessageAnswer::Ok);
        QTest::newRow("critical") << critical << ok << int(QMessageBox::Ok)
                                  << int(MessageAnswer::Ok);
        QTest::newRow("yes") << info << yesNo << int(QMessageBox::Yes) << int(MessageAnswer::Yes);
        QTest::newRow("no") << info << yesNo << int(QMessageBox::No) << int(MessageAnswer::No);
    }
    void showsTitleIconButtonsAndText() {
        QFETCH(int, icon);
        QFETCH(int, buttons);
        QFETCH(int, press);
        QFETCH(int, answer);
        QString title, text;
        QMessageBox::Icon shownIcon{};
        QMessageBox::StandardButtons shownButtons;
        QMessageBox::StandardButton shownDefault = QMessageBox::NoButton;
        QTimer::singleShot(0, this, [&] {
            auto* seen = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            QVERIFY(seen);
            title = seen->windowTitle();
            text = seen->text();
            shownIcon = seen->icon();
            shownButtons = seen->standardButtons();
            shownDefault = seen->standardButton(seen->defaultButton());
            seen->button(QMessageBox::StandardButton(press))->click();
        });
        const auto given = ShowMessageBox(QStringLiteral("First line\rSecond line"),
                                          MessageIcon(icon), MessageButtons(buttons));
        QCOMPARE(int(given), answer);
        QCOMPARE(title, QStringLiteral("Lunetra"));
        QCOMPARE(text, QStringLiteral("First line\nSecond line")); // a lone CR breaks the line
        QCOMPARE(shownIcon, icon == int(MessageIcon::Critical) ? QMessageBox::Critical
                                                               : QMessageBox::Information);
        if (buttons == int(MessageButtons::Ok)) {
            QCOMPARE(shownButtons, QMessageBox::StandardButtons(QMessageBox::Ok));
        } else {
            QCOMPARE(shownButtons, QMessageBox::Yes | QMessageBox::No);
            QCOMPARE(shownDefault, QMessageBox::Yes);
        }
    }

    void aWindowThatGoesWhileItsBoxIsUpTakesTheBoxAlong() {
        auto* window = new QWidget;
        window->show();
        QVERIFY(QTest::qWaitForWindowActive(window));
        QPointer<QMessageBox> seen;
        bool shown = false;
        QTimer::singleShot(0, this, [&] {
            seen = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            shown = seen && seen->parent() == window;
            delete window;
        });
        const auto given = ShowMessageBox(QStringLiteral("Going"), MessageIcon::Information,
                                          MessageButtons::YesNo);
        QVERIFY(shown);
        QCOMPARE(given, MessageAnswer::No);
        QVERIFY(!seen);
    }
};

QTEST_MAIN(MessageBoxTest)
#include "test_message_box.moc"
