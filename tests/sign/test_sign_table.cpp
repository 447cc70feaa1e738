#include "sign/NumberText.h"
#include "sign/modPlanetSign.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <chrono>
#include <climits>
#include <cstdlib>
#include <optional>
#include <ostream>
#include <set>
#include <string>
#include <string_view>
#include <utility>

namespace {

namespace chr = std::chrono;
namespace sign = lunetra::modPlanetSign;
using lunetra::ConversionError;
using Sign = std::optional<std::string_view>;

chr::year_month_day ToDate(const sign::CalendarDay& day) {
    return chr::year_month_day{chr::year{day.year}, chr::month{static_cast<unsigned>(day.month)},
                               chr::day{static_cast<unsigned>(day.day)}};
}

std::string Show(const sign::CalendarDay& day) {
    return std::to_string(day.year) + "-" + std::to_string(day.month) + "-" +
           std::to_string(day.day);
}

std::string Show(const Sign& sign) {
    return sign ? std::string(*sign) : "no sign";
}

// The month names as the main window's month list holds them, typed out on their own.
constexpr std::array<std::string_view, 12> MonthTexts = {
    "January", "February", "March",     "April",   "May",      "June",
    "July",    "August",   "September", "October", "November", "December"};

std::string_view MonthText(int month) {
    return MonthTexts.at(static_cast<std::size_t>(month - 1));
}

int MonthNumber(std::string_view name) {
    const auto found = std::find(MonthTexts.begin(), MonthTexts.end(), name);
    return static_cast<int>(found - MonthTexts.begin()) + 1;
}

// ---------------------------------------------------------------------------------------------
// The table itself

TEST(IxionSignTable, CoversEveryDayFrom1900To2018WithoutGapOrOverlap) {
    const auto& table = sign::IxionSignTable;
    EXPECT_EQ(ToDate(table.front().first), chr::year{1900} / chr::January / 1);
    EXPECT_EQ(ToDate(table.back().last), chr::year{2018} / chr::December / 31);
    EXPECT_EQ(sign::FirstYear, 1900);
    EXPECT_EQ(sign::LastYear, 2018);

    for (std::size_t i = 0; i < table.size(); ++i) {
        const auto& period = table[i];
        SCOPED_TRACE("period " + std::to_string(i + 1) + " from " + Show(period.first));
        ASSERT_TRUE(ToDate(period.first).ok());
        ASSERT_TRUE(ToDate(period.last).ok()) << Show(period.last);
        EXPECT_LE(chr::sys_days{ToDate(period.first)}, chr::sys_days{ToDate(period.last)});
        if (i > 0) {
            EXPECT_EQ(chr::sys_days{ToDate(period.first)},
                      chr::sys_days{ToDate(table[i - 1].last)} + chr::days{1})
                << "previous period ends " << Show(table[i - 1].last);
        }
    }
}

TEST(IxionSignTable, NeighbouringPeriodsHoldNeighbouringSigns) {
    constexpr std::array<std::string_view, 5> Order = {"Leo", "Virgo", "Libra", "Scorpio",
                                                       "Sagittarius"};
    const auto rank = [&](std::string_view name) {
        const auto found = std::find(Order.begin(), Order.end(), name);
        return found == Order.end() ? -100 : static_cast<int>(found - Order.begin());
    };
    const auto& table = sign::IxionSignTable;
    for (std::size_t i = 0; i < table.size(); ++i) {
        EXPECT_GE(rank(table[i].sign), 0) << "unexpected sign " << table[i].sign;
        if (i > 0) {
            EXPECT_EQ(std::abs(rank(table[i].sign) - rank(table[i - 1].sign)), 1)
                << table[i - 1].sign << " then " << table[i].sign << " at " << Show(table[i].first);
        }
    }
    EXPECT_EQ(table.front().sign, "Leo");
    EXPECT_EQ(table.back().sign, "Sagittarius");
}

// The change cells as the almanac lists them, to check both the periods and the derivation.
struct ExpectedCell {
    int year;
    std::string_view month;
    int limitDay;
    std::string_view firstSign;
    std::string_view secondSign;
};

constexpr std::array<ExpectedCell, 18> ExpectedCells = {{
    {1904, "October", 20, "Leo", "Virgo"},
    {1905, "January", 12, "Virgo", "Leo"},
    {1905, "August", 29, "Leo", "Virgo"},
    {1906, "March", 13, "Virgo", "Leo"},
    {1906, "July", 15, "Leo", "Virgo"},
    {1933, "October", 31, "Virgo", "Libra"},
    {1934, "March", 3, "Libra", "Virgo"},
    {1934, "September", 17, "Virgo", "Libra"},
    {1935, "April", 28, "Libra", "Virgo"},
    {1935, "August", 1, "Virgo", "Libra"},
    {1964, "December", 27, "Libra", "Scorpio"},
    {1965, "March", 2, "Scorpio", "Libra"},
    {1965, "November", 6, "Libra", "Scorpio"},
    {1966, "April", 30, "Scorpio", "Libra"},
    {1966, "September", 26, "Libra", "Scorpio"},
    {1995, "December", 14, "Scorpio", "Sagittarius"},
    {1996, "May", 22, "Sagittarius", "Scorpio"},
    {1996, "October", 31, "Scorpio", "Sagittarius"},
}};

TEST(ChangeCells, AreTheKnownEighteen) {
    ASSERT_EQ(sign::ChangeCells.size(), ExpectedCells.size());
    for (std::size_t i = 0; i < ExpectedCells.size(); ++i) {
        const auto& cell = sign::ChangeCells[i];
        const auto& expected = ExpectedCells[i];
        SCOPED_TRACE(std::to_string(expected.year) + " " + std::string(expected.month));
        EXPECT_EQ(cell.year, expected.year);
        EXPECT_EQ(MonthText(cell.month), expected.month);
        EXPECT_EQ(cell.limitDay, expected.limitDay);
        EXPECT_EQ(cell.firstSign, expected.firstSign);
        EXPECT_EQ(cell.secondSign, expected.secondSign);
    }
}

TEST(ChangeCells, NoMonthHoldsTwo) {
    std::set<std::pair<int, int>> months;
    for (const auto& cell : sign::ChangeCells) {
        EXPECT_TRUE(months.emplace(cell.year, cell.month).second)
            << cell.year << " " << MonthText(cell.month);
    }
}

TEST(ChangeCells, SplitTheirMonthAtTheLimitDay) {
    for (const auto& cell : ExpectedCells) {
        const std::string year = std::to_string(cell.year);
        SCOPED_TRACE(year + " " + std::string(cell.month));
        EXPECT_EQ(sign::LookUpSign(year, cell.month, "1"), cell.firstSign);
        EXPECT_EQ(sign::LookUpSign(year, cell.month, std::to_string(cell.limitDay)),
                  cell.firstSign);
        EXPECT_EQ(sign::LookUpSign(year, cell.month, std::to_string(cell.limitDay + 1)),
                  cell.secondSign);

        // The second sign holds from the next calendar day on, even across a month's end.
        const chr::year_month_day limitDate{
            chr::year{cell.year}, chr::month{static_cast<unsigned>(MonthNumber(cell.month))},
            chr::day{static_cast<unsigned>(cell.limitDay)}};
        ASSERT_TRUE(limitDate.ok());
        const chr::year_month_day next{chr::sys_days{limitDate} + chr::days{1}};
        EXPECT_EQ(sign::LookUpSign(std::to_string(static_cast<int>(next.year())),
                                   MonthText(static_cast<int>(static_cast<unsigned>(next.month()))),
                                   std::to_string(static_cast<unsigned>(next.day()))),
                  cell.secondSign);
    }
}

TEST(ChangeYears, AreTheElevenYearsWithACell) {
    const std::set<int> expected = {1904, 1905, 1906, 1933, 1934, 1935,
                                    1964, 1965, 1966, 1995, 1996};
    for (int year = 1800; year <= 2100; ++year) {
        EXPECT_EQ(sign::IsChangeYear(year), expected.count(year) == 1) << year;
    }
    for (int year : {INT_MIN, -1904, 0, INT_MAX}) {
        EXPECT_FALSE(sign::IsChangeYear(year)) << year;
    }
}

// ---------------------------------------------------------------------------------------------
// Lookup of the main window's texts

TEST(LookUpSign, EveryDateFrom1900To2018GetsTheSignOfItsPeriod) {
    const auto& table = sign::IxionSignTable;
    const chr::sys_days first = chr::year{1900} / chr::January / 1;
    const chr::sys_days last = chr::year{2018} / chr::December / 31;

    std::size_t period = 0;
    int dates = 0;
    int failures = 0;
    for (chr::sys_days day = first; day <= last; day += chr::days{1}) {
        ++dates;
        while (day > chr::sys_days{ToDate(table[period].last)}) {
            ++period;
        }
        ASSERT_GE(day, chr::sys_days{ToDate(table[period].first)});

        const chr::year_month_day date{day};
        const std::string yearText = std::to_string(static_cast<int>(date.year()));
        const std::string_view monthText =
            MonthText(static_cast<int>(static_cast<unsigned>(date.month())));
        const std::string dayText = std::to_string(static_cast<unsigned>(date.day()));

        const Sign found = sign::LookUpSign(yearText, monthText, dayText);
        if (found != table[period].sign) {
            ADD_FAILURE() << yearText << " " << monthText << " " << dayText << ": got "
                          << Show(found) << ", expected " << table[period].sign;
            ASSERT_LT(++failures, 20) << "giving up";
        }
    }
    EXPECT_EQ(dates, 43464);
    EXPECT_EQ(period, table.size() - 1);
}

struct DateCase {
    std::string_view year;
    std::string_view month;
    std::string_view day;
    Sign sign;
};

void PrintTo(const DateCase& c, std::ostream* os) {
    *os << '"' << c.year << "\" \"" << c.month << "\" \"" << c.day << "\" -> " << Show(c.sign);
}

class KnownDates : public testing::TestWithParam<DateCase> {};

TEST_P(KnownDates, GiveTheirSign) {
    const auto& c = GetParam();
    EXPECT_EQ(sign::LookUpSign(c.year, c.month, c.day), c.sign);
}

INSTANTIATE_TEST_SUITE_P(
    Boundaries, KnownDates,
    testing::Values(
        DateCase{"1900", "January", "1", "Leo"}, DateCase{"2018", "December", "31", "Sagittarius"},
        DateCase{"1904", "October", "20", "Leo"}, DateCase{"1904", "October", "21", "Virgo"},
        DateCase{"1904", "September", "30", "Leo"}, DateCase{"1904", "November", "1", "Virgo"},
        DateCase{"1905", "January", "12", "Virgo"}, DateCase{"1905", "January", "13", "Leo"},
        DateCase{"1905", "August", "29", "Leo"}, DateCase{"1905", "August", "30", "Virgo"},
        DateCase{"1906", "March", "13", "Virgo"}, DateCase{"1906", "March", "14", "Leo"},
        DateCase{"1906", "July", "15", "Leo"}, DateCase{"1906", "July", "16", "Virgo"},
        DateCase{"1935", "August", "1", "Virgo"}, DateCase{"1935", "August", "2", "Libra"},
        DateCase{"1933", "October", "31", "Virgo"}, DateCase{"1933", "November", "1", "Libra"},
        DateCase{"1964", "December", "27", "Libra"}, DateCase{"1964", "December", "28", "Scorpio"},
        DateCase{"1965", "January", "1", "Scorpio"}, DateCase{"1966", "April", "30", "Scorpio"},
        DateCase{"1966", "May", "1", "Libra"}, DateCase{"1995", "December", "14", "Scorpio"},
        DateCase{"1995", "December", "15", "Sagittarius"},
        DateCase{"1996", "October", "31", "Scorpio"},
        DateCase{"1996", "November", "1", "Sagittarius"}, DateCase{"1900", "February", "29", "Leo"},
        DateCase{"1996", "February", "29", "Sagittarius"}));

// The years that lie in one period, as the almanac lists them.
struct WholeYears {
    int from;
    int to;
    std::string_view sign;
};

TEST(LookUpSign, WholeYearsIgnoreMonthAndDay) {
    constexpr std::array<WholeYears, 5> Ranges = {{{1900, 1903, "Leo"},
                                                   {1907, 1932, "Virgo"},
                                                   {1936, 1963, "Libra"},
                                                   {1967, 1994, "Scorpio"},
                                                   {1997, 2018, "Sagittarius"}}};
    constexpr std::array<std::string_view, 5> OddMonths = {"", "january", "JANUARY", "Month",
                                                           " March"};
    constexpr std::array<std::string_view, 6> OddDays = {"", "abc", "0", "32", "-1", "1e400"};
    for (const auto& range : Ranges) {
        for (int year = range.from; year <= range.to; ++year) {
            const std::string yearText = std::to_string(year);
            for (const auto month : MonthTexts) {
                EXPECT_EQ(sign::LookUpSign(yearText, month, "15"), range.sign) << year << month;
            }
            for (const auto month : OddMonths) {
                for (const auto day : OddDays) {
                    EXPECT_EQ(sign::LookUpSign(yearText, month, day), range.sign)
                        << year << " \"" << month << "\" \"" << day << '"';
                }
            }
        }
    }
}

INSTANTIATE_TEST_SUITE_P(
    OddTexts, KnownDates,
    testing::Values(
        // A fractional day is compared with its fraction.
        DateCase{"1904", "October", "20.5", "Virgo"}, DateCase{"1904", "October", "20.0", "Leo"},
        DateCase{"1904", "October", "2.05e1", "Virgo"}, DateCase{"1904", "October", "2e1", "Leo"},
        // Days past the month's end, or below its start, in a change cell.
        DateCase{"1933", "October", "32", "Libra"}, DateCase{"1966", "April", "31", "Libra"},
        DateCase{"1996", "October", "1e300", "Sagittarius"},
        DateCase{"1904", "October", "0", "Leo"}, DateCase{"1904", "October", "-5", "Leo"},
        // Blanks and signs around the day.
        DateCase{"1904", "October", " 21 ", "Virgo"}, DateCase{"1904", "October", "+21", "Virgo"},
        // The year is matched by its value.
        DateCase{"1950.5", "January", "1", std::nullopt},
        DateCase{"1950.0", "January", "1", "Libra"}, DateCase{"1.95e3", "May", "1", "Libra"},
        DateCase{" 1904 ", "October", "21", "Virgo"}, DateCase{"+1904", "October", "21", "Virgo"},
        DateCase{"1.904e3", "October", "21", "Virgo"}, DateCase{"\t1904\t", "October", "20", "Leo"},
        DateCase{"01904", "October", "21", "Virgo"},
        // Years outside 1900 to 2018, whatever the month and day.
        DateCase{"1899", "December", "31", std::nullopt},
        DateCase{"2019", "January", "1", std::nullopt},
        DateCase{"1899.9999", "December", "31", std::nullopt},
        DateCase{"2018.5", "January", "1", std::nullopt},
        DateCase{"0", "January", "1", std::nullopt},
        DateCase{"-1904", "October", "21", std::nullopt},
        DateCase{"1e300", "October", "21", std::nullopt},
        DateCase{"1899", "October", "abc", std::nullopt},
        // Month names of a whole year are not looked at.
        DateCase{"1950", "january", "1", "Libra"}, DateCase{"1950", "", "", "Libra"},
        DateCase{"1950", "abc", "abc", "Libra"},
        // In a change year the month name must be exact.
        DateCase{"1934", "march", "1", std::nullopt}, DateCase{"1934", "MARCH", "1", std::nullopt},
        DateCase{"1934", "March ", "1", std::nullopt},
        DateCase{"1934", " March", "1", std::nullopt}, DateCase{"1934", "Mar", "1", std::nullopt},
        DateCase{"1934", "3", "1", std::nullopt}, DateCase{"1934", "", "1", std::nullopt},
        // ...and it is checked before the day is read.
        DateCase{"1934", "march", "abc", std::nullopt},
        // Months of a change year without a cell never read the day.
        DateCase{"1934", "June", "1", "Virgo"}, DateCase{"1934", "June", "abc", "Virgo"},
        DateCase{"1934", "June", "", "Virgo"}, DateCase{"1934", "June", "99", "Virgo"},
        DateCase{"1996", "February", "30", "Sagittarius"}));

struct BadCase {
    std::string_view year;
    std::string_view month;
    std::string_view day;
};

void PrintTo(const BadCase& c, std::ostream* os) {
    *os << '"' << c.year << "\" \"" << c.month << "\" \"" << c.day << '"';
}

class NotNumbers : public testing::TestWithParam<BadCase> {};

TEST_P(NotNumbers, ThrowConversionError) {
    const auto& c = GetParam();
    EXPECT_THROW(sign::LookUpSign(c.year, c.month, c.day), ConversionError);
}

INSTANTIATE_TEST_SUITE_P(Texts, NotNumbers,
                         testing::Values(
                             // The year is converted first, on every call.
                             BadCase{"abc", "January", "1"}, BadCase{"", "January", "1"},
                             BadCase{"1904x", "October", "21"}, BadCase{"1,904", "October", "21"},
                             BadCase{"abc", "", ""}, BadCase{"19 04", "October", "21"},
                             BadCase{"1e400", "January", "1"},
                             // The day is converted in a change cell.
                             BadCase{"1904", "October", "abc"}, BadCase{"1904", "October", ""},
                             BadCase{"1904", "October", "21st"}, BadCase{"1996", "October", "20,5"},
                             BadCase{"1935", "August", "0x1"}));

} // namespace
