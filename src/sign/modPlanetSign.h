#pragma once

#include <array>
#include <compare>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

// The table of the zodiac sign in which Ixion stood on every day from 1900 to 2018,
// and the lookup of a birth date in it.
namespace lunetra::modPlanetSign {

struct CalendarDay {
    int year;
    int month; // 1 to 12
    int day;

    friend constexpr auto operator<=>(const CalendarDay&, const CalendarDay&) = default;
};

struct SignPeriod {
    CalendarDay first;
    CalendarDay last;
    std::string_view sign;
};

inline constexpr int FirstYear = 1900;
inline constexpr int LastYear = 2018;

inline constexpr std::array<std::string_view, 12> MonthNames = {
    "January", "February", "March",     "April",   "May",      "June",
    "July",    "August",   "September", "October", "November", "December"};

// In calendar order, without gap or overlap. Near each boundary between two signs Ixion
// goes back and forth across it a few times before it settles.
// clang-format off
inline constexpr std::array<SignPeriod, 19> IxionSignTable = {{
    {{1900,  1,  1}, {1904, 10, 20}, "Leo"},
    {{1904, 10, 21}, {1905,  1, 12}, "Virgo"},
    {{1905,  1, 13}, {1905,  8, 29}, "Leo"},
    {{1905,  8, 30}, {1906,  3, 13}, "Virgo"},
    {{1906,  3, 14}, {1906,  7, 15}, "Leo"},
    {{1906,  7, 16}, {1933, 10, 31}, "Virgo"},
    {{1933, 11,  1}, {1934,  3,  3}, "Libra"},
    {{1934,  3,  4}, {1934,  9, 17}, "Virgo"},
    {{1934,  9, 18}, {1935,  4, 28}, "Libra"},
    {{1935,  4, 29}, {1935,  8,  1}, "Virgo"},
    {{1935,  8,  2}, {1964, 12, 27}, "Libra"},
    {{1964, 12, 28}, {1965,  3,  2}, "Scorpio"},
    {{1965,  3,  3}, {1965, 11,  6}, "Libra"},
    {{1965, 11,  7}, {1966,  4, 30}, "Scorpio"},
    {{1966,  5,  1}, {1966,  9, 26}, "Libra"},
    {{1966,  9, 27}, {1995, 12, 14}, "Scorpio"},
    {{1995, 12, 15}, {1996,  5, 22}, "Sagittarius"},
    {{1996,  5, 23}, {1996, 10, 31}, "Scorpio"},
    {{1996, 11,  1}, {2018, 12, 31}, "Sagittarius"},
}};
// clang-format on

// The month in which a period ends and the next begins.
struct ChangeCell {
    int year;
    int month;
    int limitDay; // last day of the first sign
    std::string_view firstSign;
    std::string_view secondSign;
};

// Every period but the last ends in a change cell.
template <std::size_t N>
constexpr std::array<ChangeCell, N - 1>
DeriveChangeCells(const std::array<SignPeriod, N>& periods) {
    std::array<ChangeCell, N - 1> cells{};
    for (std::size_t i = 0; i + 1 < N; ++i) {
        const CalendarDay& last = periods[i].last;
        cells[i] = {last.year, last.month, last.day, periods[i].sign, periods[i + 1].sign};
    }
    return cells;
}

inline constexpr std::array<ChangeCell, 18> ChangeCells = DeriveChangeCells(IxionSignTable);

// True for the years that hold a change cell.
bool IsChangeYear(int year);

// The sign for a date given as the three texts of the main window's lists, or no sign.
// Throws ConversionError when the year text (always converted first) or, in a change cell,
// the day text is not a number.
std::optional<std::string_view> LookUpSign(std::string_view yearText, std::string_view monthText,
                                           std::string_view dayText);

// Looks the date up and, when a sign is found, keeps it as the computed sign. On no sign the
// computed sign keeps its value; on a conversion error it is unchanged and the error passes on.
void FindIxionSign(std::string_view yearText, std::string_view monthText, std::string_view dayText);

// The sign found by the last lookup that found one; empty until then.
const std::string& ComputedSign();

} // namespace lunetra::modPlanetSign
