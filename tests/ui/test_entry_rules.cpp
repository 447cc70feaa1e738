#include "ui/EntryRules.h"

#include <gtest/gtest.h>

#include <chrono>

using namespace lunetra::entry;

TEST(NameKeyFilter, TakesLettersInCapitalsAndOnlyBackspaceEnterAndSpaceBesides) {
    for (int code = 0; code < 256; ++code) {
        const auto taken = FilterNameKey(code);
        if (code >= 'A' && code <= 'Z')
            EXPECT_EQ(taken, code);
        else if (code >= 'a' && code <= 'z')
            EXPECT_EQ(taken, code - 32) << code;
        else if (code == 8 || code == 13 || code == 32)
            EXPECT_EQ(taken, code);
        else
            EXPECT_EQ(taken, std::nullopt) << "code " << code;
    }
}

TEST(NameKeyFilter, RefusesTheControlCodesOfCopyPasteAndCut) {
    EXPECT_EQ(FilterNameKey(3), std::nullopt);
    EXPECT_EQ(FilterNameKey(22), std::nullopt);
    EXPECT_EQ(FilterNameKey(24), std::nullopt);
    EXPECT_EQ(FilterNameKey(0x00E9), std::nullopt); // é
    EXPECT_EQ(FilterNameKey(0x1F600), std::nullopt);
    EXPECT_EQ(FilterNameKey(-1), std::nullopt);
}

// Every date of the lists, against the calendar with every fourth year a leap year.
TEST(EntryCheckTest, AcceptsExactlyTheDaysEachMonthHas) {
    using namespace std::chrono;
    for (int year = 1900; year <= 2018; ++year) {
        for (int monthIndex = 0; monthIndex < 12; ++monthIndex) {
            for (int dayIndex = 0; dayIndex < 31; ++dayIndex) {
                const year_month_day date{std::chrono::year{year}, month{unsigned(monthIndex + 1)},
                                          day{unsigned(dayIndex + 1)}};
                const bool february29In1900 = year == 1900 && monthIndex == 1 && dayIndex == 28;
                const bool exists = date.ok() || february29In1900;
                const EntryCheck check = CheckEntry(false, dayIndex, monthIndex, year);
                EXPECT_EQ(check == EntryCheck::Accepted, exists)
                    << year << "-" << monthIndex + 1 << "-" << dayIndex + 1;
                if (!exists) {
                    EXPECT_EQ(check, monthIndex == 1 ? EntryCheck::NoSuchFebruaryDay
                                                     : EntryCheck::NoDay31);
                }
            }
        }
    }
}

TEST(EntryCheckTest, AnEmptyNameIsReportedBeforeTheDate) {
    EXPECT_EQ(CheckEntry(true, 30, 1, 1950), EntryCheck::NoName);
    EXPECT_EQ(CheckEntry(true, 0, 0, 1900), EntryCheck::NoName);
}

TEST(EntryCheckTest, MessagesAreWordForWord) {
    EXPECT_EQ(MessageFor(EntryCheck::NoName), "Please Enter Your Name");
    EXPECT_EQ(MessageFor(EntryCheck::NoSuchFebruaryDay), "Please Enter Correct Date Or Month!");
    EXPECT_EQ(MessageFor(EntryCheck::NoDay31), "Please Enter Correct Date Or Month !");
    EXPECT_EQ(MessageFor(EntryCheck::Accepted), "");
}
