#pragma once

#include <stdexcept>
#include <string_view>

namespace lunetra {

// A text that was expected to hold a number and does not.
class ConversionError : public std::runtime_error {
public:
    explicit ConversionError(std::string_view text);
};

// Converts a text to a number, the same way on every machine whatever its locale:
// - blanks (spaces and tabs) before and after the number are ignored;
// - one optional sign, "+" or "-", may stand right before the digits;
// - the digits may carry a fraction after a point "." (never a comma) and an exponent
//   "e" or "E" with its own optional sign ("2.5e1" is 25);
// - at least one digit must stand before or after the point (".5" and "5." are numbers);
// - nothing else is accepted: empty or blank text, thousands separators, hexadecimal,
//   "inf" and "nan", and values too large for a double are conversion errors.
// Plain decimal whole numbers such as "1904" convert to their exact value.
double ToNumber(std::string_view text);

} // namespace lunetra
