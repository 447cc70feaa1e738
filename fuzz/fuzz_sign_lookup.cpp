// The sign lookup on any three texts: a conversion failure only for a year or day that is no
// number, and only the table's signs. That each real date gets its period's sign is test_sign's
// to show, for every date of the lists.
#include "FuzzSupport.h"
#include "sign/NumberText.h"
#include "sign/modPlanetSign.h"

#include <algorithm>
#include <charconv>
#include <optional>

using namespace lunetra;
using namespace lunetra::modPlanetSign;

// Digits only, as the date lists write them (leading zeros allowed).
static std::optional<int> Plain(std::string_view text) {
    int value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || text.front() == '-' || error != std::errc() || end != text.end())
        return std::nullopt;
    return value;
}

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
    return 0;
}
