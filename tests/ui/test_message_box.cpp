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
    // Rows: the icon asked for and the one shown, the buttons asked for, the button pressed
    // and the answer; a Yes/No question defaults to Yes.
    void showsTitleIconButtonsAndText() {
        using Box = QMessageBox;
        const std::tuple<MessageIcon, int, MessageButtons, Box::StandardButton, MessageAnswer>
            cases[] = {{MessageIcon::Critical, Box::Critical, MessageButtons::Ok, Box::Ok,
                        MessageAnswer::Ok},
                       {MessageIcon::Information, Box::Information, MessageButtons::YesNo, Box::Yes,
                        MessageAnswer::Yes},
                       {MessageIcon::Information, Box::Information, MessageButtons::YesNo, Box::No,
                        MessageAnswer::No}};
        for (const auto& [icon, boxIcon, buttons, press, answer] : cases) {
            QStringList shown;
            QTimer::singleShot(0, this, [&] {
                auto* box = qobject_cast<Box*>(QApplication::activeModalWidget());
                shown << box->windowTitle() << box->text() << QString::number(box->icon())
                      << QString::number(box->standardButtons().toInt())
                      << QString::number(box->standardButton(box->defaultButton()));
                box->button(press)->click();
            });
            QCOMPARE(ShowMessageBox(QStringLiteral("First line\rSecond line"), icon, buttons),
                     answer);
            // A lone CR breaks the line.
            const bool yesNo = buttons == MessageButtons::YesNo;
            QCOMPARE(shown,
                     (QStringList{"Lunetra", "First line\nSecond line", QString::number(boxIcon),
                                  QString::number(yesNo ? (Box::Yes | Box::No).toInt() : Box::Ok),
                                  QString::number(yesNo ? Box::Yes : Box::Ok)}));
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
