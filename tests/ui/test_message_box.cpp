#include "ui/MessageBox.h"

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <memory>

using namespace lunetra;

class MessageBoxTest : public QObject {
    Q_OBJECT

    // Answers the next modal box with the given button and remembers what it showed.
    struct Seen {
        QString title, text;
        QMessageBox::Icon icon = QMessageBox::NoIcon;
        QList<QMessageBox::StandardButton> buttons;
        QMessageBox::StandardButton defaultButton = QMessageBox::NoButton;
    };
    void answerNextBox(Seen& seen, QMessageBox::StandardButton press) {
        QTimer::singleShot(0, this, [&seen, press] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            QVERIFY(box);
            seen.title = box->windowTitle();
            seen.text = box->text();
            seen.icon = box->icon();
            for (QAbstractButton* button : box->buttons())
                seen.buttons << box->standardButton(button);
            if (box->defaultButton())
                seen.defaultButton = box->standardButton(box->defaultButton());
            box->button(press)->click();
        });
    }

private slots:
    void aNoticeShowsItsTextTitleIconAndOneOkButton() {
        Seen seen;
        answerNextBox(seen, QMessageBox::Ok);
        const MessageAnswer answer = ShowMessageBox(QStringLiteral("Please Enter Your Name"),
                                                    MessageIcon::Information, MessageButtons::Ok);
        QCOMPARE(answer, MessageAnswer::Ok);
        QCOMPARE(seen.title, QStringLiteral("Lunetra"));
        QCOMPARE(seen.text, QStringLiteral("Please Enter Your Name"));
        QCOMPARE(seen.icon, QMessageBox::Information);
        QCOMPARE(seen.buttons, QList<QMessageBox::StandardButton>{QMessageBox::Ok});
    }

    void aCriticalNoticeCarriesTheCriticalIcon() {
        std::unique_ptr<QMessageBox> box(
            MakeMessageBox(QStringLiteral("x"), MessageIcon::Critical, MessageButtons::Ok));
        QCOMPARE(box->icon(), QMessageBox::Critical);
    }

    void aQuestionIsAnsweredYesOrNoWithYesTheDefault_data() {
        QTest::addColumn<int>("press");
        QTest::addColumn<int>("answer");
        QTest::newRow("yes") << int(QMessageBox::Yes) << int(MessageAnswer::Yes);
        QTest::newRow("no") << int(QMessageBox::No) << int(MessageAnswer::No);
    }
    void aQuestionIsAnsweredYesOrNoWithYesTheDefault() {
        QFETCH(int, press);
        QFETCH(int, answer);
        Seen seen;
        answerNextBox(seen, QMessageBox::StandardButton(press));
        const auto given = ShowMessageBox(QStringLiteral("First line\rSecond line"),
                                          MessageIcon::Information, MessageButtons::YesNo);
        QCOMPARE(int(given), answer);
        QCOMPARE(seen.buttons.size(), 2);
        QVERIFY(seen.buttons.contains(QMessageBox::Yes) && seen.buttons.contains(QMessageBox::No));
        QCOMPARE(seen.defaultButton, QMessageBox::Yes);
        // A carriage return alone starts a new line.
        QCOMPARE(seen.text, QStringLiteral("First line\nSecond line"));
    }
};

QTEST_MAIN(MessageBoxTest)
#include "test_message_box.moc"
