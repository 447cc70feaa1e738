#include "core/EntryRules.h"

#include <gtest/gtest.h>

#include <chrono>

using namespace lunetra::entry;

TEST(NameKeyFilter, TakesLettersInCapitalsAndOnlyBackspaceEnterAndSpaceBesides) {
    // Of every code a key can send, letters come through as capitals, and besides them only
    // Backspace, Enter and the space.
    for (int code = -1; code <= 0x10FFFF; ++code) {
        const bool letter = (code | 0x20) >= 'a' && (code | 0x20) <= 'z';
        const bool kept = letter || code == 8 || code == 13 || code == ' ';
        ASSERT_EQ(FilterNameKey(code),
                  kept ? std::optional(letter ? code & ~0x20 : code) : std::nullopt)
            << code;
    }
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
