#include "support/AccessibleControls.h"
#include "support/Addresses.h"
#include "support/FakeServices.h"
#include "ui/ScreenReader.h"
#include "ui/frmAbout.h"

#include <QPushButton>
#include <QTest>

using namespace lunetra;

class AboutWindowTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { DescribeWidgetsToScreenReaders(); }
    // Its texts word for word, as a screen reader says them. Each link, clicked twice and then
    // followed as a screen reader does, opens its page each time and leaves the window open; OK,
    // Enter and Escape close it.
    void textsLinksAndKeys() {
        using enum QAccessible::Role;
        using namespace test::design;
        const std::string home = OnConfiguredHosts(MakerHomePage);
        const std::pair<const char*, std::string> rows[] = {
            {"lblHomePage", home},
            {"Label5", OnConfiguredHosts(FullBrandingPage)},
            {"cmdOK", ""},
            {"Return", ""},
            {"Escape", ""}};
        for (const auto& [control, page] : rows) {
            test::FakeServices services;
            frmAbout about(services);
            test::CheckSpoken(
                about,
                {{"Label2", StaticText, "Lunetra v1.0"},
                 {"Label1", StaticText,
                  "Lunetra finds your Ixion sign. Ixion gives more insight about one's mental "
                  "attitude, strength, plans, aspirations and transformations. This brings "
                  "purpose into your life. This shows our capability of doing things."},
                 {"lblHomePage", Link, "Click here to visit " + QString::fromStdString(home)},
                 {"Label6", StaticText,
                  "Home Business Opportunity. Start your own Internet business and make "
                  "money online. Get this software fully branded for your website."},
                 {"Label5", Link, "Click here for more details"},
                 {"cmdOK", Button, "OK"}});
            about.show();
            QVERIFY(about.findChild<QPushButton*>("cmdOK")->isDefault()); // marked as such
            if (QWidget* clicked = about.findChild<QWidget*>(control)) {
                for (int click = 0; click < 2 && about.isVisible(); ++click)
                    QTest::mouseClick(clicked, Qt::LeftButton);
                if (about.isVisible())
                    QAccessible::queryAccessibleInterface(clicked)->actionInterface()->doAction(
                        QAccessibleActionInterface::pressAction());
            } else {
                QTest::keyClick(&about, QKeySequence(control)[0].key());
            }
            QCOMPARE(services.openedPages, std::vector(page.empty() ? 0 : 3, page));
            QCOMPARE(about.isVisible(), !page.empty());
        }
    }
};

QTEST_MAIN(AboutWindowTest)
#include "test_about_window.moc"
