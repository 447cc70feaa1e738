#include "platform/TopWindow.h"

#include <QApplication>
#include <QTest>
#include <QWidget>

using lunetra::platform::KeepOnTopWithoutActivating;

class TestTopWindow : public QObject {
    Q_OBJECT

private slots:
    void hiddenWindowStaysHiddenUntilShown() {
        QWidget window;
        window.setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowCloseButtonHint |
                              Qt::CustomizeWindowHint);
        window.setGeometry(120, 80, 400, 300);

        KeepOnTopWithoutActivating(&window);

        QVERIFY(!window.isVisible());
        QVERIFY(window.windowFlags().testFlag(Qt::WindowStaysOnTopHint));
        QVERIFY(window.testAttribute(Qt::WA_ShowWithoutActivating));
        // The window's own flags survive.
        QVERIFY(window.windowFlags().testFlag(Qt::WindowTitleHint));
        QVERIFY(window.windowFlags().testFlag(Qt::WindowCloseButtonHint));
        QVERIFY(window.windowFlags().testFlag(Qt::CustomizeWindowHint));

        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QCOMPARE(window.size(), QSize(400, 300));
        QCOMPARE(window.pos(), QPoint(120, 80));
    }

    void visibleWindowStaysVisibleInPlace() {
        QWidget window;
        window.setGeometry(150, 90, 320, 200);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        const QRect before = window.geometry();

        KeepOnTopWithoutActivating(&window);

        QVERIFY(window.isVisible());
        QVERIFY(window.windowFlags().testFlag(Qt::WindowStaysOnTopHint));
        QVERIFY(window.testAttribute(Qt::WA_ShowWithoutActivating));
        QCOMPARE(window.geometry(), before);
    }

    void repeatedCallsChangeNothing() {
        QWidget window;
        window.setGeometry(10, 20, 300, 100);
        KeepOnTopWithoutActivating(&window);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        const Qt::WindowFlags flags = window.windowFlags();
        const QRect before = window.geometry();

        KeepOnTopWithoutActivating(&window);

        QVERIFY(window.isVisible());
        QCOMPARE(window.windowFlags(), flags);
        QCOMPARE(window.geometry(), before);
    }

    void topmostSurvivesHideAndShow() {
        QWidget window;
        KeepOnTopWithoutActivating(&window);
        window.show();
        window.hide();
        window.show();
        QVERIFY(window.windowFlags().testFlag(Qt::WindowStaysOnTopHint));
        QVERIFY(window.testAttribute(Qt::WA_ShowWithoutActivating));
    }

    void noWindowIsIgnored() { KeepOnTopWithoutActivating(nullptr); }
};

QTEST_MAIN(TestTopWindow)
#include "test_top_window.moc"
