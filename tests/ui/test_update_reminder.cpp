#include "support/FakeServices.h"
#include "ui/ReminderRule.h"
#include "ui/modHelp.h"

#include <gtest/gtest.h>

using namespace std::chrono;
using namespace lunetra;

namespace {

class UpdateReminder : public ::testing::Test {
protected:
    test::FakeServices services;
    const std::string today = "2026-12-05";

    // Runs the reminder with a day stored that many days from today, or with nothing stored.
    void run(std::optional<int> offset) {
        if (offset)
            services.settings["LastUpdateReminder"] =
                modHelp::FormatDay(year_month_day(sys_days(services.todayValue) + days(*offset)));
        modHelp::PromptForUpdate(services);
    }
    std::string stored() { return services.readSetting("LastUpdateReminder"); }
};

} // namespace

TEST_F(UpdateReminder, AsksOnlyWhenTheStoredDayIsFifteenOrMoreDaysAway) {
    run(std::nullopt); // the first start stores today and asks nothing
    EXPECT_EQ(stored(), today);
    EXPECT_TRUE(services.messages.empty());
    for (int offset : {-400, -15, -14, 0, 14, 15}) {
        const auto askedBefore = services.messages.size();
        services.settingWrites = 0;
        run(offset);
        const bool asked = offset <= -15 || offset >= 15;
        EXPECT_EQ(services.messages.size() - askedBefore, asked ? 1 : 0) << offset;
        EXPECT_EQ(services.settingWrites, asked ? 1 : 0) << offset;
        EXPECT_EQ(stored() == today, asked || offset == 0) << offset;
    }
    EXPECT_EQ(
        services.messages.front().toStdString(),
        "There maybe an update to this software available\rDo you want to check for an update?");
    EXPECT_EQ(services.icons.front(), MessageIcon::Information);
    EXPECT_EQ(services.buttons.front(), MessageButtons::YesNo);
}

TEST_F(UpdateReminder, NoOpensNothingYesOpensTheDownloadPageAfterStoring) {
    services.answers = {MessageAnswer::No, MessageAnswer::Yes};
    for (std::size_t opened : {0, 1}) {
        run(-30);
        EXPECT_EQ(services.openedPages, std::vector(opened, modHelp::ProductDownloadPage()));
        EXPECT_EQ(stored(), today);
    }
    // A store that cannot be written stops it before the page opens.
    services.settingsWritable = false;
    services.answers = {MessageAnswer::Yes};
    EXPECT_THROW(run(-30), std::runtime_error);
    EXPECT_EQ(services.openedPages.size(), 1u);
}

TEST_F(UpdateReminder, AStoredValueThatIsNotADayStopsItSilentlyAtEveryStart) {
    for (const char* bad : {"05/12/2026", "2026-02-30", "2026-12-5", " 2026-12-05", "+026-12-05"}) {
        services.settings["LastUpdateReminder"] = bad;
        for (int start = 0; start < 2; ++start)
            EXPECT_NO_THROW(run(std::nullopt)) << bad;
        EXPECT_EQ(stored(), bad);
        EXPECT_EQ(modHelp::ParseDay(bad), std::nullopt);
    }
    EXPECT_TRUE(services.messages.empty());
    EXPECT_EQ(services.settingWrites, 0);
}

TEST(ReminderRule, CountsCalendarDaysAcrossLeapDaysAndYearEnds) {
    const sys_days leapMarch14{year{2024} / March / 14};
    EXPECT_FALSE(modHelp::IsReminderDue(sys_days{year{2024} / February / 29}, leapMarch14));
    EXPECT_TRUE(modHelp::IsReminderDue(sys_days{year{2024} / February / 28}, leapMarch14));
    EXPECT_TRUE(modHelp::IsReminderDue(sys_days{year{2027} / January / 1},
                                       sys_days{year{2026} / December / 17}));
    for (year_month_day day : {year{2000} / February / 29, year{2026} / March / 7})
        EXPECT_EQ(modHelp::ParseDay(modHelp::FormatDay(day)), day);
    EXPECT_EQ(modHelp::FormatDay(year{2026} / March / 7), "2026-03-07");
}
