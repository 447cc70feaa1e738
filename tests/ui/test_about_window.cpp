#include "support/FakeServices.h"
#include "ui/frmAbout.h"
#include "ui/modHelp.h"

#include <QApplication>
#include <QTest>
#include <QTimer>

using namespace lunetra;

class AboutWindowTest : public QObject {
    Q_OBJECT

private slots:
    void showAboutShowsTheSameTextsEachTimeOverTheWholeProgram() {
        const QString intro = "Lunetra finds your Ixion sign. Ixion gives more insight about "
                              "one's mental attitude, strength, plans, aspirations and "
                              "transformations. This brings purpose into your life. This shows "
                              "our capability of doing things.";
        const QString ad = "Home Business Opportunity. Start your own Internet business and "
                           "make money online. Get this software fully branded for your website.";
        const QString link = "Click here to visit " + QString::fromUtf8(modHelp::MakerHomePage());
        // The caption, the focused control, then Label2, Label1, lblHomePage, Label6, Label5
        // and cmdOK.
        const QStringList expected = {
            "Lunetra v1.0", "cmdOK", "Lunetra v1.0", intro, link, ad, "Click here for more details",
            "&OK"};
        test::FakeServices services;
        AboutWindow about(services);
        QVERIFY(!about.window()); // made on first use
        for (int showing = 0; showing < 2; ++showing) {
            QStringList shown;
            QTimer::singleShot(0, [&] {
                QWidget* modal = QApplication::activeModalWidget();
                QVERIFY(modal && modal == about.window());
                modal->close(); // first, so that a failed check cannot leave it open
                QCOMPARE(modal->windowModality(), Qt::ApplicationModal);
                shown << modal->windowTitle() << modal->focusWidget()->objectName();
                for (auto name : {"Label2", "Label1", "lblHomePage", "Label6", "Label5", "cmdOK"})
                    shown << modal->findChild<QWidget*>(name)->property("text").toString();
            });
            about.show();
            QCOMPARE(shown, expected);
        }
    }

    // Rows are named after the control clicked, twice, or the key pressed.
    void linksOpenTheirPageAndTheKeysCloseLikeOk_data() {
        QTest::addColumn<QString>("page"); // empty: the window closes
        QTest::newRow("lblHomePage") << QString::fromStdString(modHelp::MakerHomePage());
        QTest::newRow("Label5") << QString::fromStdString(modHelp::FullBrandingPage());
        for (const char* closing : {"cmdOK", "Return", "Escape"})
            QTest::newRow(closing) << QString();
    }
    void linksOpenTheirPageAndTheKeysCloseLikeOk() {
        QFETCH(QString, page);
        test::FakeServices services;
        frmAbout about(services);
        about.show();
        QVERIFY(!about.windowIcon().isNull());
        if (QWidget* control = about.findChild<QWidget*>(QTest::currentDataTag()))
            for (int click = 0; click < 2 && about.isVisible(); ++click)
                QTest::mouseClick(control, Qt::LeftButton);
        else
            QTest::keyClick(&about, QKeySequence(QTest::currentDataTag())[0].key());
        QCOMPARE(services.openedPages, std::vector(page.isEmpty() ? 0 : 2, page.toStdString()));
        QCOMPARE(about.isVisible(), !page.isEmpty());
    }
};

QTEST_MAIN(AboutWindowTest)
#include "test_about_window.moc"
