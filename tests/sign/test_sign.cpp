#include "sign/NumberText.h"
#include "sign/SignReadings.h"
#include "sign/modPlanetSign.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <chrono>
#include <cstdlib>
#include <string>
#include <utility>

namespace chr = std::chrono;
namespace sign = lunetra::modPlanetSign;
using lunetra::ConversionError;

// The month list of the main window, typed out here so that a wrong name in the program shows.
constexpr std::array<std::string_view, 12> Months = {
    "January", "February", "March",     "April",   "May",      "June",
    "July",    "August",   "September", "October", "November", "December"};

static chr::sys_days Days(const sign::CalendarDay& d) {
    const chr::year_month_day date = chr::year{d.year} / d.month / d.day;
    EXPECT_TRUE(date.ok()) << d.year << "-" << d.month << "-" << d.day << " does not exist";
    return date;
}

TEST(IxionSignTable, IsSeamlessAndMovesOneSignAtATime) {
    constexpr std::string_view Order[] = {"Leo", "Virgo", "Libra", "Scorpio", "Sagittarius"};
    const auto rank = [&](auto s) { return std::ranges::find(Order, s) - std::begin(Order); };
    const auto& table = sign::IxionSignTable;
    EXPECT_EQ(Days(table.front().first), chr::sys_days{chr::year{1900} / 1 / 1});
    EXPECT_EQ(Days(table.back().last), chr::sys_days{chr::year{2018} / 12 / 31});
    for (std::size_t i = 1; i < table.size(); ++i) {
        EXPECT_EQ(Days(table[i].first), Days(table[i - 1].last) + chr::days{1}) << i;
        EXPECT_EQ(std::abs(rank(table[i].sign) - rank(table[i - 1].sign)), 1) << i;
    }
}

// Every date the lists can form, against the period whose days contain it.
TEST(LookUpSign, EveryDateGetsTheSignOfItsPeriod) {
    int dates = 0;
    for (const auto& period : sign::IxionSignTable)
        for (auto t = Days(period.first); t <= Days(period.last); t += chr::days{1}) {
            const chr::year_month_day date{t};
            const std::string year = std::to_string(int(date.year())),
                              day = std::to_string(unsigned(date.day()));
            const std::string_view month = Months[unsigned(date.month()) - 1];
            ASSERT_EQ(sign::LookUpSign(year, month, day), period.sign) << year << month << day;
            ++dates;
        }
    EXPECT_EQ(dates, 43464);
}

TEST(LookUpSign, KnownDatesAndOddTexts) {
    // clang-format off
    const struct { std::string_view year, month, day; std::optional<std::string_view> sign; } cases[] = {
        // The last day of a period and the first of the next, from the almanac.
        {"1904", "October", "20", "Leo"},        {"1904", "October", "21", "Virgo"},
        {"1905", "January", "12", "Virgo"},      {"1905", "January", "13", "Leo"},
        {"1933", "October", "31", "Virgo"},      {"1933", "November", "1", "Libra"},
        {"1935", "August", "1", "Virgo"},        {"1935", "August", "2", "Libra"},
        {"1996", "October", "31", "Scorpio"},    {"1996", "November", "1", "Sagittarius"},
        {"1966", "April", "30", "Scorpio"},      {"2018", "December", "31", "Sagittarius"},
        // The day is compared as a number, the year by its value.
        {"1904", "October", "20.5", "Virgo"},    {"1950.5", "May", "1", std::nullopt},
        {"1950.0", "May", "1", "Libra"},         {"1899", "December", "31", std::nullopt},
        {"2019", "January", "1", std::nullopt},
        // Month and day are read only where the year holds a change.
        {"1950", "january", "abc", "Libra"},     {"1934", "march", "1", std::nullopt},
        {"1934", "June", "abc", "Virgo"},
    };
    // clang-format on
    for (const auto& c : cases)
        EXPECT_EQ(sign::LookUpSign(c.year, c.month, c.day), c.sign)
            << c.year << " " << c.month << " " << c.day;
    for (const auto& [y, d] : {std::pair{"abc", "1"}, {"", "1"}, {"1904", "abc"}, {"1904", ""}})
        EXPECT_THROW(sign::LookUpSign(y, "October", d), ConversionError) << y << " " << d;
}

TEST(ToNumber, AcceptsPlainDecimalsOnly) {
    // clang-format off
    const std::pair<std::string_view, double> accepted[] = {
        {"1904", 1904}, {" 21\t", 21}, {"-0.25", -0.25}, {"+.5", 0.5},
        {"5.", 5},      {"2.5E1", 25}, {"1e-2", 0.01},   {"1e-400", 0},
        {std::string_view("21.5", 2), 21}}; // read to the end of its text, not beyond
    // clang-format on
    for (const auto& [text, value] : accepted)
        EXPECT_EQ(lunetra::ToNumber(text), value) << '"' << text << '"';
    const std::string huge(400, '9'); // too large without an exponent
    for (const std::string_view text :
         {"", " ", "abc", "21st", "20,5", "1904\n", "19 04", "+-1", ".", "1e", "0x10", "inf", "nan",
          "1e309", "1e+309", ".5e400", huge.c_str()})
        EXPECT_THROW(lunetra::ToNumber(text), ConversionError) << '"' << text << '"';
}

TEST(FindReading, MatchesTheNameExactly) {
    EXPECT_EQ(lunetra::FindReading("Leo"), "You will take the lead role in bringing about change "
                                           "which may be for the good or bad of the society.");
    for (const std::string_view name : {"leo", "Leo ", ""})
        EXPECT_EQ(lunetra::FindReading(name), std::nullopt) << '"' << name << '"';
    // Every sign a date can give has something to show.
    for (const auto& period : sign::IxionSignTable)
        EXPECT_NE(lunetra::FindReading(period.sign).value_or(""), "") << period.sign;
}

// The computed sign lives as long as the process and only this test finds a sign, so its history
// is one test, from the empty start.
TEST(ComputedSign, KeepsTheLastSignFound) {
    EXPECT_EQ(sign::ComputedSign(), "");
    sign::FindIxionSign("1899", "January", "1");
    EXPECT_EQ(sign::ComputedSign(), "");

    sign::FindIxionSign("1904", "October", "21");
    EXPECT_EQ(sign::ComputedSign(), "Virgo");
    sign::FindIxionSign("2019", "January", "1");
    sign::FindIxionSign("1934", "march", "1");
    EXPECT_THROW(sign::FindIxionSign("abc", "January", "1"), ConversionError);
    EXPECT_THROW(sign::FindIxionSign("1904", "October", "abc"), ConversionError);
    EXPECT_EQ(sign::ComputedSign(), "Virgo");

    sign::FindIxionSign("1950", "", "");
    EXPECT_EQ(sign::ComputedSign(), "Libra");
}
