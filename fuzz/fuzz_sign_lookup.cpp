// The sign lookup on any three texts: no sign, a conversion failure or one of the table's
// signs, and for a real date written plainly the sign of the period that holds it.
#include "FuzzSupport.h"
#include "sign/NumberText.h"
#include "sign/modPlanetSign.h"

#include <algorithm>
#include <charconv>
#include <chrono>
#include <optional>

using namespace lunetra;
using namespace lunetra::modPlanetSign;

namespace {

bool Converts(std::string_view text) {
    try {
        ToNumber(text);
        return true;
    } catch (const ConversionError&) {
        return false;
    }
}

// Digits only, as the date lists write them (leading zeros allowed).
std::optional<int> Plain(std::string_view text) {
    int value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || text.front() == '-' || error != std::errc() || end != text.end())
        return std::nullopt;
    return value;
}

// Walks the periods one by one, without the change cells the lookup relies on.
std::string_view ScanTable(const CalendarDay& day) {
    for (const SignPeriod& period : IxionSignTable)
        if (period.first <= day && day <= period.last)
            return period.sign;
    return {};
}

bool InOnePeriod(int year) {
    return std::any_of(IxionSignTable.begin(), IxionSignTable.end(), [year](const SignPeriod& p) {
        return p.first <= CalendarDay{year, 1, 1} && CalendarDay{year, 12, 31} <= p.last;
    });
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const auto [yearText, monthText, dayText] = fuzz::SplitTexts<3>(data, size);
    std::optional<std::string_view> sign;
    try {
        sign = LookUpSign(yearText, monthText, dayText);
    } catch (const ConversionError&) {
        FUZZ_CHECK(!Converts(yearText) || !Converts(dayText));
        return 0;
    }
    const auto month = std::find(MonthNames.begin(), MonthNames.end(), monthText);
    const auto year = Plain(yearText);
    if (!sign) {
        // Only a year outside the table or, in a change year, an unknown month gives none.
        FUZZ_CHECK(!year || ScanTable({*year, 1, 1}).empty() ||
                   (!InOnePeriod(*year) && month == MonthNames.end()));
        return 0;
    }
    FUZZ_CHECK(std::any_of(IxionSignTable.begin(), IxionSignTable.end(),
                           [&](const SignPeriod& p) { return p.sign == *sign; }));
    if (!year)
        return 0;
    FUZZ_CHECK(!ScanTable({*year, 1, 1}).empty());
    // A year in one sign throughout ignores the month and the day.
    if (InOnePeriod(*year))
        FUZZ_CHECK(*sign == ScanTable({*year, 1, 1}));
    const auto day = Plain(dayText);
    if (month == MonthNames.end() || !day || *day < 1 || *day > 31)
        return 0;
    const int monthNumber = int(month - MonthNames.begin()) + 1;
    using namespace std::chrono;
    if (year_month_day(std::chrono::year(*year), std::chrono::month(monthNumber),
                       std::chrono::day(unsigned(*day)))
            .ok())
        FUZZ_CHECK(*sign == ScanTable({*year, monthNumber, *day}));
    return 0;
}
