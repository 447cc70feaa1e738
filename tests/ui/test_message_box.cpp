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
    void showsTitleIconButtonsAndText() {
        const std::tuple<MessageIcon, MessageButtons, QMessageBox::StandardButton, MessageAnswer>
            cases[] = {
                {MessageIcon::Information, MessageButtons::Ok, QMessageBox::Ok, MessageAnswer::Ok},
                {MessageIcon::Critical, MessageButtons::Ok, QMessageBox::Ok, MessageAnswer::Ok},
                {MessageIcon::Information, MessageButtons::YesNo, QMessageBox::Yes,
                 MessageAnswer::Yes},
                {MessageIcon::Information, MessageButtons::YesNo, QMessageBox::No,
                 MessageAnswer::No}};
        for (const auto& [icon, buttons, press, answer] : cases) {
            const bool yesNo = buttons == MessageButtons::YesNo;
            QString title, text;
            std::tuple<int, int, int> shown,
                expected{icon == MessageIcon::Critical ? QMessageBox::Critical
                                                       : QMessageBox::Information,
                         yesNo ? (QMessageBox::Yes | QMessageBox::No).toInt() : QMessageBox::Ok,
                         yesNo ? QMessageBox::Yes : 0}; // a Yes/No question defaults to Yes
            QTimer::singleShot(0, this, [&] {
                auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
                title = box->windowTitle();
                text = box->text();
                shown = {box->icon(), box->standardButtons().toInt(),
                         yesNo ? box->standardButton(box->defaultButton()) : 0};
                box->button(press)->click();
            });
            QCOMPARE(ShowMessageBox(QStringLiteral("First line\rSecond line"), icon, buttons),
                     answer);
            QCOMPARE(title, QStringLiteral("Lunetra"));
            QCOMPARE(text, QStringLiteral("First line\nSecond line")); // a lone CR breaks the line
            QCOMPARE(shown, expected);
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
