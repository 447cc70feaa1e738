#include "sign/modPlanetSign.h"

#include "sign/NumberText.h"

#include <algorithm>
#include <cmath>

namespace lunetra::modPlanetSign {

namespace {

std::string computedSign;

// The table covers every day from FirstYear to LastYear, so a period always contains the day.
std::string_view SignOn(const CalendarDay& day) {
    const auto period = std::find_if(IxionSignTable.begin(), IxionSignTable.end(),
                                     [&day](const SignPeriod& p) { return day <= p.last; });
    return period->sign;
}

const ChangeCell* FindChangeCell(int year, int month) {
    const auto cell =
        std::find_if(ChangeCells.begin(), ChangeCells.end(),
                     [=](const ChangeCell& c) { return c.year == year && c.month == month; });
    return cell == ChangeCells.end() ? nullptr : &*cell;
}

} // namespace

bool IsChangeYear(int year) {
    return std::any_of(ChangeCells.begin(), ChangeCells.end(),
                       [year](const ChangeCell& c) { return c.year == year; });
}

std::optional<std::string_view> LookUpSign(std::string_view yearText, std::string_view monthText,
                                           std::string_view dayText) {
    // The year is matched by value, so "1904.0" is 1904 and 1950.5 is no year at all.
    const double yearValue = ToNumber(yearText);
    if (yearValue < FirstYear || yearValue > LastYear || std::floor(yearValue) != yearValue) {
        return std::nullopt;
    }
    const int year = static_cast<int>(yearValue);
    if (!IsChangeYear(year)) {
        return SignOn({year, 1, 1});
    }

    const auto name = std::find(MonthNames.begin(), MonthNames.end(), monthText);
    if (name == MonthNames.end()) {
        return std::nullopt;
    }
    const int month = static_cast<int>(name - MonthNames.begin()) + 1;

    if (const ChangeCell* cell = FindChangeCell(year, month)) {
        // Compared as a number, fraction included; a day past the month's end still counts
        // as later than the limit day.
        return ToNumber(dayText) <= cell->limitDay ? cell->firstSign : cell->secondSign;
    }
    return SignOn({year, month, 1});
}

void FindIxionSign(std::string_view yearText, std::string_view monthText,
                   std::string_view dayText) {
    if (const auto sign = LookUpSign(yearText, monthText, dayText)) {
        computedSign.assign(*sign);
    }
}

const std::string& ComputedSign() {
    return computedSign;
}

} // namespace lunetra::modPlanetSign
