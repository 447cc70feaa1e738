// Run once for each of several screens: the working windows stand in the screen's centre.
#include "support/FakeServices.h"
#include "ui/frmDisplay.h"
#include "ui/frmMain.h"

#include <QLineEdit>
#include <QScreen>
#include <QTest>

using namespace lunetra;

class PlacementTest : public QObject {
    Q_OBJECT

    static void verifyCentred(QWidget* window) {
        QVERIFY(QTest::qWaitForWindowExposed(window));
        const QPoint offset =
            window->frameGeometry().center() - window->screen()->availableGeometry().center();
        QVERIFY2(offset.manhattanLength() <= 2,
                 qPrintable(QStringLiteral("%1 is %2, %3 off the centre")
                                .arg(window->objectName())
                                .arg(offset.x())
                                .arg(offset.y())));
    }

private slots:
    void theMainAndTheResultWindowStandInTheCentre() {
        test::FakeServices services;
        frmMain window(services);
        window.show();
        verifyCentred(&window);
        window.findChild<QLineEdit*>(QStringLiteral("txtName"))->setText(QStringLiteral("A"));
        window.cmdNext_Click();
        verifyCentred(window.resultWindow());
    }
};

QTEST_MAIN(PlacementTest)
#include "test_placement.moc"
