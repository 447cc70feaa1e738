#include "support/Addresses.h"
#include "support/FakeServices.h"
#include "ui/modHelp.h"

#include <gtest/gtest.h>

using namespace std::chrono;
using namespace lunetra;

const std::string Key = "LastUpdateReminder";
const std::string Today = "2026-12-05"; // the fake's today

// One start of the reminder with the given day stored, or with nothing stored when empty.
static void Start(test::FakeServices& services, const std::string& storedDay) {
    if (!storedDay.empty())
        services.settings[Key] = storedDay;
    modHelp::PromptForUpdate(services);
}

// The first start stores today and asks nothing; after that a day fifteen or more days away
// asks, and only an answered question stores today. A value that is not a day in the stored
// form (another form, a day that does not exist, a stray blank or sign) asks nothing and stores
// nothing, so every later start does the same until the value is replaced.
TEST(UpdateReminder, AsksOnlyWhenTheStoredDayIsFifteenOrMoreDaysAway) {
    const std::pair<std::string, bool> rows[] = {
        {"", false},           {"2026-11-20", true},  {"2026-11-21", false},
        {Today, false},        {"2026-12-19", false}, {"2026-12-20", true},
        {"05/12/2026", false}, {"2026-02-30", false}, {" 2026-12-05", false},
        {"-026-11-05", false}, {"2026-+1-05", false}, {"2026-11/05", false},
        {"2026/11-05", false}};
    for (const auto& [day, asks] : rows) {
        test::FakeServices services;
        Start(services, day);
        EXPECT_EQ(services.messages.size(), asks ? 1 : 0) << day;
        EXPECT_EQ(services.settingWrites, asks || day.empty() ? 1 : 0) << day;
        EXPECT_EQ(services.settings[Key], asks || day.empty() ? Today : day) << day;
    }
}

TEST(UpdateReminder, NoOpensNothingYesOpensTheDownloadPageAfterStoring) {
    test::FakeServices services;
    services.answers = {MessageAnswer::No, MessageAnswer::Yes};
    for (std::size_t opened : {0, 1}) {
        Start(services, "2026-11-05");
        EXPECT_EQ(services.openedPages,
                  std::vector(opened,
                              test::design::OnConfiguredHosts(test::design::ProductDownloadPage)));
        EXPECT_EQ(services.settings[Key], Today);
    }
    EXPECT_EQ(services.messages, QStringList(2, "There maybe an update to this software "
                                                "available\rDo you want to check for an update?"));
    EXPECT_EQ(services.icons, std::vector(2, MessageIcon::Information));
    EXPECT_EQ(services.buttons, std::vector(2, MessageButtons::YesNo));
    // That a store that cannot be written stops it before the page opens is test_lifecycle's.
}
