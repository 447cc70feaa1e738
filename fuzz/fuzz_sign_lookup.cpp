// The sign lookup on any three texts: a conversion failure only for a year or day that is no
// number, only the table's signs, and for a real date written plainly the sign of the period
// that holds it, found by walking the table.
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

// Digits only, as the date lists write them (leading zeros allowed).
std::optional<int> Plain(std::string_view text) {
    int value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || text.front() == '-' || error != std::errc() || end != text.end())
        return std::nullopt;
    return value;
}

// Walks the periods one by one, without the change cells the lookup relies on.
std::optional<std::string_view> ScanTable(const CalendarDay& day) {
    for (const SignPeriod& period : IxionSignTable)
        if (period.first <= day && day <= period.last)
            return period.sign;
    return std::nullopt;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const auto [yearText, monthText, dayText] = fuzz::SplitTexts<3>(data, size);
    const auto year = Plain(yearText), day = Plain(dayText);
    std::optional<std::string_view> sign;
    try {
        sign = LookUpSign(yearText, monthText, dayText);
    } catch (const ConversionError&) {
        FUZZ_CHECK(!year || !day);
        return 0;
    }
    if (sign)
        FUZZ_CHECK(std::any_of(IxionSignTable.begin(), IxionSignTable.end(),
                               [&](const SignPeriod& p) { return p.sign == *sign; }));
    const auto month = std::find(MonthNames.begin(), MonthNames.end(), monthText);
    if (!year || !day || *day > 31 || month == MonthNames.end())
        return 0;
    const int monthNumber = int(month - MonthNames.begin()) + 1;
    if (std::chrono::year_month_day(std::chrono::year(*year), std::chrono::month(monthNumber),
                                    std::chrono::day(unsigned(*day)))
            .ok())
        FUZZ_CHECK(sign == ScanTable({*year, monthNumber, *day}));
    return 0;
}
