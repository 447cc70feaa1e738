#include "sign/NumberText.h"

#include <algorithm>
#include <charconv>
#include <optional>
#include <string>
#include <system_error>

namespace lunetra {

ConversionError::ConversionError(std::string_view text)
    : std::runtime_error("not a number: \"" + std::string(text) + "\"") {}

namespace {

constexpr bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

// The parts of an unsigned number text; from_chars alone would also take "inf", "nan" and
// a trailing tail that we must refuse, so the grammar is checked here first.
struct NumberParts {
    std::string_view integerDigits;
    std::string_view fractionDigits;
    std::string_view exponent; // the text after "e", with its sign; empty when there is none
};

std::optional<NumberParts> SplitNumber(std::string_view body) {
    const auto digitsEnd = [body](std::size_t from) {
        while (from < body.size() && IsDigit(body[from])) {
            ++from;
        }
        return from;
    };

    NumberParts parts;
    std::size_t pos = digitsEnd(0);
    parts.integerDigits = body.substr(0, pos);
    if (pos < body.size() && body[pos] == '.') {
        const std::size_t end = digitsEnd(pos + 1);
        parts.fractionDigits = body.substr(pos + 1, end - pos - 1);
        pos = end;
    }
    if (parts.integerDigits.empty() && parts.fractionDigits.empty()) {
        return std::nullopt;
    }
    if (pos < body.size() && (body[pos] == 'e' || body[pos] == 'E')) {
        const std::size_t start = pos + 1;
        std::size_t digitsStart = start;
        if (digitsStart < body.size() && (body[digitsStart] == '+' || body[digitsStart] == '-')) {
            ++digitsStart;
        }
        const std::size_t end = digitsEnd(digitsStart);
        if (end == digitsStart) {
            return std::nullopt;
        }
        parts.exponent = body.substr(start, end - start);
        pos = end;
    }
    if (pos != body.size()) {
        return std::nullopt;
    }
    return parts;
}

// from_chars reports both overflow and underflow as out of range. Only the power of ten
// tells them apart, and only its sign matters, so the exponent is saturated.
bool IsBelowDoubleRange(const NumberParts& parts) {
    long long magnitude = 0;
    const auto integerStart = parts.integerDigits.find_first_not_of('0');
    if (integerStart != std::string_view::npos) {
        magnitude = static_cast<long long>(parts.integerDigits.size() - integerStart) - 1;
    } else {
        const auto fractionStart = parts.fractionDigits.find_first_not_of('0');
        if (fractionStart == std::string_view::npos) {
            return true; // all zeros
        }
        magnitude = -static_cast<long long>(fractionStart) - 1;
    }

    constexpr long long ExponentCap = 1'000'000'000;
    std::string_view digits = parts.exponent;
    const bool negative = !digits.empty() && digits.front() == '-';
    if (!digits.empty() && (digits.front() == '-' || digits.front() == '+')) {
        digits.remove_prefix(1);
    }
    long long exponent = 0;
    for (const char c : digits) {
        exponent = std::min(exponent * 10 + (c - '0'), ExponentCap);
    }
    return magnitude + (negative ? -exponent : exponent) < 0;
}

} // namespace

double ToNumber(std::string_view text) {
    constexpr std::string_view Blanks = " \t";
    const auto first = text.find_first_not_of(Blanks);
    if (first == std::string_view::npos) {
        throw ConversionError(text);
    }
    const auto last = text.find_last_not_of(Blanks);
    std::string_view body = text.substr(first, last - first + 1);

    // from_chars refuses "+" and would take "-" only in front of a bare number, so the sign
    // is taken off here and put back at the end.
    bool negative = false;
    if (body.front() == '+' || body.front() == '-') {
        negative = body.front() == '-';
        body.remove_prefix(1);
    }

    const auto parts = SplitNumber(body);
    if (!parts) {
        throw ConversionError(text);
    }

    double value = 0.0;
    const char* const end = body.data() + body.size();
    const auto [ptr, ec] = std::from_chars(body.data(), end, value, std::chars_format::general);
    if (ec == std::errc::result_out_of_range) {
        if (!IsBelowDoubleRange(*parts)) {
            throw ConversionError(text);
        }
        value = 0.0;
    } else if (ec != std::errc() || ptr != end) {
        throw ConversionError(text);
    }
    return negative ? -value : value;
}

} // namespace lunetra
