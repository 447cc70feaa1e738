// The text-to-number conversion on any bytes: a failure or a finite number, the same every
// time, and for plain digits between blanks the number they spell.
#include "FuzzSupport.h"
#include "sign/NumberText.h"

#include <cmath>
#include <optional>

using namespace lunetra;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const auto convert = [](std::string_view input) -> std::optional<double> {
        try {
            return ToNumber(input);
        } catch (const ConversionError&) {
            return std::nullopt;
        }
    };
    const auto value = convert(text), again = convert(text);
    FUZZ_CHECK(value.has_value() == again.has_value());
    if (value)
        FUZZ_CHECK(std::isfinite(*value) && std::signbit(*value) == std::signbit(*again) &&
                   *value == *again);

    const auto first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos)
        return 0;
    const auto body = text.substr(first, text.find_last_not_of(" \t") - first + 1);
    if (body.find_first_not_of("0123456789") != std::string_view::npos)
        return 0;
    // Exact up to 2^53; beyond that the digits round, so no single answer is checked.
    double spelled = 0;
    for (const char c : body)
        spelled = spelled * 10 + (c - '0');
    if (spelled <= 9007199254740992.0)
        FUZZ_CHECK(value && *value == spelled);
    return 0;
}
