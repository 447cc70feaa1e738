#include "support/FakeServices.h"
#include "ui/ReminderRule.h"
#include "ui/modHelp.h"

#include <gtest/gtest.h>

using namespace std::chrono;
using namespace lunetra;
using lunetra::test::FakeServices;

namespace {

constexpr year_month_day Today{year{2026}, December, day{5}};

year_month_day DaysFromToday(int days) {
    return year_month_day(sys_days(Today) + std::chrono::days(days));
}

class UpdateReminder : public ::testing::Test {
protected:
    FakeServices services;
    void SetUp() override { services.todayValue = Today; }
    void storeDay(year_month_day day) {
        services.settings["LastUpdateReminder"] = modHelp::FormatDay(day);
    }
    std::string stored() { return services.readSetting("LastUpdateReminder"); }
};

} // namespace

TEST_F(UpdateReminder, FirstStartStoresTodayAndAsksNothing) {
    modHelp::PromptForUpdate(services);
    EXPECT_EQ(stored(), "2026-12-05");
    EXPECT_TRUE(services.messages.empty());
    EXPECT_TRUE(services.openedPages.empty());
}

TEST_F(UpdateReminder, WithinFourteenDaysEitherWayNothingIsAskedOrStored) {
    for (int offset : {-14, -1, 0, 1, 14}) {
        storeDay(DaysFromToday(offset));
        const std::string before = stored();
        services.settingWrites = 0;
        modHelp::PromptForUpdate(services);
        EXPECT_TRUE(services.messages.empty()) << offset;
        EXPECT_EQ(services.settingWrites, 0) << offset;
        EXPECT_EQ(stored(), before);
    }
}

TEST_F(UpdateReminder, FifteenDaysBackOrAheadAsksOnTwoLinesWithYesAndNo) {
    for (int offset : {-15, 15, -400, 4000}) {
        services.messages.clear();
        storeDay(DaysFromToday(offset));
        modHelp::PromptForUpdate(services);
        ASSERT_EQ(services.messages.size(), 1u) << offset;
        const auto& question = services.messages.front();
        EXPECT_EQ(question.text.toStdString(), "There maybe an update to this software available\r"
                                               "Do you want to check for an update?");
        EXPECT_EQ(question.icon, MessageIcon::Information);
        EXPECT_EQ(question.buttons, MessageButtons::YesNo);
        EXPECT_EQ(stored(), "2026-12-05") << "either answer restarts the count";
    }
}

TEST_F(UpdateReminder, NoStoresTodayAndOpensNothing) {
    storeDay(DaysFromToday(-30));
    services.answers = {MessageAnswer::No};
    modHelp::PromptForUpdate(services);
    EXPECT_EQ(stored(), "2026-12-05");
    EXPECT_TRUE(services.openedPages.empty());
}

TEST_F(UpdateReminder, YesStoresTodayThenOpensTheDownloadPage) {
    storeDay(DaysFromToday(-30));
    services.answers = {MessageAnswer::Yes};
    modHelp::PromptForUpdate(services);
    EXPECT_EQ(stored(), "2026-12-05");
    EXPECT_EQ(services.openedPages, std::vector<std::string>{modHelp::ProductDownloadPage()});
}

TEST_F(UpdateReminder, AStoreThatCannotBeWrittenStopsItBeforeThePageOpens) {
    storeDay(DaysFromToday(-30));
    services.settingsWritable = false;
    services.answers = {MessageAnswer::Yes};
    EXPECT_THROW(modHelp::PromptForUpdate(services), std::runtime_error);
    EXPECT_EQ(services.messages.size(), 1u);
    EXPECT_TRUE(services.openedPages.empty());
}

TEST_F(UpdateReminder, AStoredValueThatIsNotADateStopsItSilentlyAtEveryStart) {
    for (const char* bad : {"05/12/2026", "2026-02-30", "yesterday", " 2026-12-05", "2026-12-5"}) {
        services.settings["LastUpdateReminder"] = bad;
        for (int start = 0; start < 2; ++start) {
            EXPECT_THROW(modHelp::PromptForUpdate(services), std::runtime_error) << bad;
            EXPECT_EQ(stored(), bad);
        }
    }
    EXPECT_TRUE(services.messages.empty());
    EXPECT_EQ(services.settingWrites, 0);
}

TEST_F(UpdateReminder, TheCountFollowsCalendarDaysAcrossMonthsYearsAndLeapDays) {
    services.todayValue = year_month_day{year{2024}, March, day{14}};
    storeDay(year_month_day{year{2024}, February, day{29}}); // 14 days before
    modHelp::PromptForUpdate(services);
    EXPECT_TRUE(services.messages.empty());
    storeDay(year_month_day{year{2024}, February, day{28}}); // 15 days before
    modHelp::PromptForUpdate(services);
    EXPECT_EQ(services.messages.size(), 1u);
}

TEST(ReminderRule, AsksOnlyFromFifteenDaysApart) {
    const sys_days today{year{2027} / January / 3};
    for (int offset = -40; offset <= 40; ++offset) {
        const bool due = modHelp::IsReminderDue(today + std::chrono::days(offset), today);
        EXPECT_EQ(due, offset <= -15 || offset >= 15) << offset;
    }
}

TEST(ReminderRule, DaysAreStoredAsIsoTextAndReadBackExactly) {
    for (year_month_day day : {year{1999} / December / 31, year{2000} / February / 29,
                               year{2026} / January / 1, year{9999} / December / 31}) {
        const std::string text = modHelp::FormatDay(day);
        EXPECT_EQ(modHelp::ParseDay(text), day) << text;
    }
    EXPECT_EQ(modHelp::FormatDay(year{2026} / March / 7), "2026-03-07");
}

TEST(ReminderRule, TextThatIsNotADayIsRefused) {
    for (const char* text :
         {"", "2026-13-01", "2026-00-10", "2026-02-29", "2026-04-31", "2026-1-01", "2026/01/01",
          "2026-01-01 ", "+026-01-01", "2026-+1-01", "2026-01--1", "abcd-ef-gh", "20260101"}) {
        EXPECT_EQ(modHelp::ParseDay(text), std::nullopt) << '"' << text << '"';
    }
}
