#include "support/FakeServices.h"
#include "ui/frmAbout.h"
#include "ui/modHelp.h"

#include <QApplication>
#include <QTest>
#include <QTimer>

using namespace lunetra;

// Its texts, word for word, are in test_accessibility.
class AboutWindowTest : public QObject {
    Q_OBJECT

private slots:
    void oneWindowMadeOnFirstUseShownModallyAsDesignedEachTime() {
        test::FakeServices services;
        AboutWindow about(services);
        QVERIFY(!about.window());
        for (int showing = 0; showing < 2; ++showing) {
            QStringList seen;
            QTimer::singleShot(0, [&] {
                QWidget* modal = QApplication::activeModalWidget();
                QVERIFY(modal && modal == about.window());
                modal->close(); // first, so that a failed check cannot leave it open
                seen << modal->focusWidget()->objectName() << modal->windowTitle();
                QCOMPARE(modal->windowModality(), Qt::ApplicationModal);
                QVERIFY(!modal->windowIcon().isNull());
            });
            about.show();
            QCOMPARE(seen, (QStringList{"cmdOK", "Lunetra v1.0"}));
        }
    }

    // Each link, clicked twice, opens its page twice and leaves the window open; OK, Enter and
    // Escape close it.
    void linksOpenTheirPageAndTheKeysCloseLikeOk() {
        const std::pair<const char*, std::string> rows[] = {
            {"lblHomePage", modHelp::MakerHomePage()},
            {"Label5", modHelp::FullBrandingPage()},
            {"cmdOK", ""},
            {"Return", ""},
            {"Escape", ""}};
        for (const auto& [control, page] : rows) {
            test::FakeServices services;
            frmAbout about(services);
            about.show();
            if (QWidget* clicked = about.findChild<QWidget*>(control))
                for (int click = 0; click < 2 && about.isVisible(); ++click)
                    QTest::mouseClick(clicked, Qt::LeftButton);
            else
                QTest::keyClick(&about, QKeySequence(control)[0].key());
            QCOMPARE(services.openedPages, std::vector(page.empty() ? 0 : 2, page));
            QCOMPARE(about.isVisible(), !page.empty());
        }
    }
};

QTEST_MAIN(AboutWindowTest)
#include "test_about_window.moc"
