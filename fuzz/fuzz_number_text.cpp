// The text-to-number conversion on any bytes: a failure or a finite number, the same every
// time, and on decimal texts the value the C library reads.
#include "FuzzSupport.h"
#include "sign/NumberText.h"

#include <cmath>
#include <cstdlib>
#include <optional>
#include <string>

using namespace lunetra;

namespace {

std::optional<double> Convert(std::string_view text) {
    try {
        return ToNumber(text);
    } catch (const ConversionError&) {
        return std::nullopt;
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const auto value = Convert(text);
    const auto again = Convert(text);
    FUZZ_CHECK(value.has_value() == again.has_value());
    if (value)
        FUZZ_CHECK(std::isfinite(*value) && std::signbit(*value) == std::signbit(*again) &&
                   *value == *again);

    const auto first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos) {
        FUZZ_CHECK(!value);
        return 0;
    }
    const std::string body(text.substr(first, text.find_last_not_of(" \t") - first + 1));
    if (body.find_first_not_of("0123456789") == std::string::npos) {
        // Plain digits spell their number exactly up to 2^53; longer ones meet strtod below.
        double spelled = 0;
        for (const char c : body)
            spelled = spelled * 10 + (c - '0');
        if (spelled <= 9007199254740992.0)
            FUZZ_CHECK(value && *value == spelled);
    }
    // Within the decimal alphabet, strtod (in the C locale) is the reference: it must take the
    // whole text to a finite number exactly when ToNumber does, and agree on normal values.
    if (body.find_first_not_of("0123456789.eE+-") != std::string::npos)
        return 0;
    char* end = nullptr;
    const double reference = std::strtod(body.c_str(), &end);
    const bool whole = end == body.c_str() + body.size() && std::isfinite(reference);
    FUZZ_CHECK(whole == value.has_value());
    if (value && std::isnormal(reference))
        FUZZ_CHECK(*value == reference);
    return 0;
}
