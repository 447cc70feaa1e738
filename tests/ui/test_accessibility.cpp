#include "support/AccessibleControls.h"
#include "support/FakeServices.h"
#include "ui/frmAbout.h"
#include "ui/frmDisplay.h"
#include "ui/frmMain.h"
#include "ui/modHelp.h"

#include <QComboBox>
#include <QLineEdit>

using namespace lunetra;
using test::Spoken;
using enum QAccessible::Role;

namespace {
const QString Introduction =
    "Lunetra finds your Ixion sign. Ixion gives more insight about one's mental attitude, "
    "strength, plans, aspirations and transformations. This brings purpose into your life. This "
    "shows our capability of doing things.";

// The banner and the two offers of the main and the result window are said as links, by the
// text they show ("&&" in a caption shows, and is said, as one "&").
std::vector<Spoken> WithLinks(std::vector<Spoken> table) {
    table.insert(table.end(), {{"Label61", Link}, {"lblFullBrand", Link}, {"lblCobrand", Link}});
    return table;
}
} // namespace

class AccessibilityTest : public QObject {
    Q_OBJECT
    test::FakeServices services;

private slots:
    void everyControlOfTheMainAndResultWindowSaysItsNameAndRole() {
        frmMain main(services);
        test::CheckSpoken(main, WithLinks({
                                    {"txtName", EditableText, "Name"},
                                    {"cboDate", ComboBox, "Day of birth", "Date"},
                                    {"cboMonth", ComboBox, "Month of birth", "Month"},
                                    {"cboYear", ComboBox, "Year of birth", "Year"},
                                    {"cmdNext", Button, "Find My Ixion Astrology Sign"},
                                    {"cmdExit", Button, "Exit"},
                                }));
        if (QTest::currentTestFailed())
            return;

        main.findChild<QLineEdit*>("txtName")->setText("ANN");
        main.findChild<QComboBox*>("cboDate")->setCurrentText("21");
        main.findChild<QComboBox*>("cboMonth")->setCurrentText("October");
        main.findChild<QComboBox*>("cboYear")->setCurrentText("1904");
        main.cmdNext_Click();
        QVERIFY(main.resultWindow());
        const QString reading = main.resultWindow()->findChild<QLabel*>("lblSignDesc")->text();
        QVERIFY(reading.startsWith("This will be")); // the reading of Virgo, not the design's
        test::CheckSpoken(*main.resultWindow(),
                          WithLinks({
                              {"lblIxionSign", StaticText, "Your Ixion sign: Virgo"},
                              {"lblSignDesc", StaticText},
                              {"cmdExit", Button, "Exit"},
                              {"cmdBack", Button, "Back"},
                          }));
    }

    void everyControlOfTheAboutWindowSaysItsNameAndRole() {
        frmAbout about(services);
        test::CheckSpoken(
            about, {
                       {"Label2", StaticText, "Lunetra v1.0"},
                       {"Label1", StaticText, Introduction},
                       {"lblHomePage", Link,
                        "Click here to visit " + QString::fromStdString(modHelp::MakerHomePage())},
                       {"Label6", StaticText,
                        "Home Business Opportunity. Start your own Internet business and make "
                        "money online. Get this software fully branded for your website."},
                       {"Label5", Link, "Click here for more details"},
                       {"cmdOK", Button, "OK"},
                   });
        // A screen reader follows a link as a click does.
        QAccessibleInterface* link =
            QAccessible::queryAccessibleInterface(about.findChild<QWidget*>("Label5"));
        link->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
        QCOMPARE(services.openedPages, std::vector{modHelp::FullBrandingPage()});
    }
};

QTEST_MAIN(AccessibilityTest)
#include "test_accessibility.moc"
