#include "core/EntryRules.h"

#include <gtest/gtest.h>

#include <chrono>

using namespace lunetra::entry;

TEST(NameKeyFilter, TakesLettersInCapitalsAndOnlyBackspaceEnterAndSpaceBesides) {
    const std::pair<int, std::optional<int>> rows[] = {
        {'a', 'A'}, {'z', 'Z'}, {'A', 'A'}, {'Z', 'Z'}, {'m', 'M'},      {8, 8},
        {13, 13},   {32, 32},   {'@', {}},  {'[', {}},  {'`', {}},       {'{', {}},
        {'0', {}},  {'-', {}},  {9, {}},    {10, {}},   {22, {}},        {127, {}},
        {0, {}},    {-1, {}},   {0xE9, {}}, {0xC1, {}}, {'a' + 256, {}}, {0x1F600, {}}};
    for (const auto& [code, accepted] : rows)
        EXPECT_EQ(FilterNameKey(code), accepted) << code;
}

// Every date of the lists against the calendar, with every fourth year a leap year. That the name
// is checked before the date is the main window's test.
TEST(EntryCheckTest, AcceptsExactlyTheDaysEachMonthHas) {
    using namespace std::chrono;
    for (int y = 1900; y <= 2018; ++y)
        for (unsigned m = 1; m <= 12; ++m)
            for (unsigned d = 1; d <= 31; ++d) {
                const bool exists = year_month_day{year{y}, month{m}, day{d}}.ok() ||
                                    (y == 1900 && m == 2 && d == 29);
                const EntryCheck expected = exists   ? EntryCheck::Accepted
                                            : m == 2 ? EntryCheck::NoSuchFebruaryDay
                                                     : EntryCheck::NoDay31;
                EXPECT_EQ(CheckEntry(false, int(d) - 1, int(m) - 1, y), expected) << y << m << d;
            }
}
