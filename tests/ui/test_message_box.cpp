#include "ui/MessageBox.h"
#include "ui/Style.h"
#include "ui/TitleBar.h"

#include <QAbstractButton>
#include <QApplication>
#include <QImage>
#include <QMessageBox>
#include <QMouseEvent>
#include <QPainter>
#include <QPointer>
#include <QPushButton>
#include <QTest>
#include <QTimer>

using namespace lunetra;

// Shows the real message box and answers it from the event loop, as a user would.
class MessageBoxTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QApplication::setStyle(new Style); } // as the program draws them

    // Rows: the icon and buttons asked for, the button pressed, the answer, and what the box
    // shows: its icon and its buttons, the default one starred (a question defaults to Yes).
    // A box of no window stays on top, where a window kept on top cannot hide it.
    void showsTitleIconButtonsAndText() {
        using Box = QMessageBox;
        using Icon = MessageIcon;
        using Buttons = MessageButtons;
        using Answer = MessageAnswer;
        const std::tuple<Icon, Buttons, Box::StandardButton, Answer, Box::Icon, QString> cases[] = {
            {Icon::Critical, Buttons::Ok, Box::Ok, Answer::Ok, Box::Critical, "OK*"},
            {Icon::Information, Buttons::YesNo, Box::Yes, Answer::Yes, Box::Information, "Yes* No"},
            {Icon::Information, Buttons::YesNo, Box::No, Answer::No, Box::Information, "Yes* No"}};
        for (const auto& [icon, buttons, press, answer, boxIcon, boxButtons] : cases) {
            QStringList shown;
            QTimer::singleShot(0, this, [&] {
                auto* box = qobject_cast<Box*>(QApplication::activeModalWidget());
                QStringList labels;
                for (QAbstractButton* button : box->buttons())
                    labels << button->text().remove(u'&') +
                                  (button == box->defaultButton() ? "*" : "");
                shown << box->windowTitle() << box->text()
                      << QString::number(box->iconPixmap().isNull() ? -1 : box->icon())
                      << labels.join(u' ')
                      << QString::number(box->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
                box->button(press)->click();
            });
            // A lone CR breaks the line.
            QCOMPARE(ShowMessageBox(QStringLiteral("First line\rSecond line"), icon, buttons),
                     answer);
            QCOMPARE(shown, (QStringList{"Lunetra", "First line\nSecond line",
                                         QString::number(boxIcon), boxButtons, "1"}));
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
            shown = seen && seen->parent() == window &&
                    !seen->windowFlags().testFlag(Qt::WindowStaysOnTopHint);
            delete window;
        });
        const auto given = ShowMessageBox(QStringLiteral("Going"), MessageIcon::Information,
                                          MessageButtons::YesNo);
        QVERIFY(shown && given == MessageAnswer::No && !seen);
    }

    // Where no window manager draws the frame: a bar with the caption and a close box alone,
    // above all that the window shows, whether a layout or the window itself places it.
    void ownTitleBarWithACloseBoxAlone() {
        QMessageBox laidOut(QMessageBox::Information, "Lunetra", "Text");
        QWidget placed;
        placed.setFixedSize(200, 100);
        placed.setWindowTitle("Lunetra");
        (new QWidget(&placed))->setGeometry(0, 0, 10, 10);
        for (QWidget* window : {static_cast<QWidget*>(&laidOut), &placed}) {
            window->setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                                   Qt::WindowCloseButtonHint);
            UseOwnTitleBar(window);
            window->show();
            QVERIFY(QTest::qWaitForWindowExposed(window) &&
                    window->windowFlags().testFlag(Qt::FramelessWindowHint));
            auto* bar = window->findChild<QWidget*>(QStringLiteral("titleBar"));
            for (QWidget* shown : window->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
                QVERIFY(shown == bar || !shown->isVisible() || shown->y() >= bar->height());
            const auto boxes = bar->findChildren<QAbstractButton*>();
            QCOMPARE(boxes.size(), 1);
            QVERIFY(boxes.first()->geometry().right() >= bar->width() - 8); // at the right end
            QVERIFY(!boxes.first()->icon().isNull());
            // A left press on the bar is the move's; any other goes on to the window.
            for (const Qt::MouseButton button : {Qt::LeftButton, Qt::RightButton}) {
                QMouseEvent press(QEvent::MouseButtonPress, QPointF(5, 5),
                                  bar->mapToGlobal(QPointF(5, 5)), button, button, {});
                QApplication::sendEvent(bar, &press);
                QCOMPARE(press.isAccepted(), button == Qt::LeftButton);
            }
            // The caption is drawn bold in the middle of the bar, in the bar's text colour, and
            // the close box flat on the bar until the pointer is over it.
            const QImage drawn = window->grab(bar->geometry()).toImage(); // as the window shows it
            const QColor ink = bar->palette().color(QPalette::WindowText),
                         ground = drawn.pixelColor(0, 0);
            QVERIFY(ground.lightness() < window->palette().color(QPalette::Window).lightness());
            QCOMPARE(drawn.pixelColor(boxes.first()->geometry().topLeft() + QPoint(1, 1)), ground);
            QImage expected(drawn.size(), drawn.format());
            expected.fill(ground);
            QPainter painter(&expected);
            QFont bold = bar->font();
            bold.setBold(true);
            painter.setFont(bold);
            painter.setPen(ink);
            painter.drawText(expected.rect(), Qt::AlignCenter, window->windowTitle());
            painter.end();
            const QRect caption(0, 0, boxes.first()->x(), drawn.height());
            QCOMPARE(drawn.copy(caption), expected.copy(caption));
            // The bar follows the window's width; the close box closes the window, which still
            // takes its own keys too.
            if (window == &placed) {
                placed.setFixedWidth(240);
                QCOMPARE(bar->width(), 240);
                boxes.first()->click();
            } else {
                QTest::keyClick(window, Qt::Key_Escape);
            }
            QVERIFY(!window->isVisible());
        }
    }
};

QTEST_MAIN(MessageBoxTest)
#include "test_message_box.moc"
