#pragma once

#include <array>
#include <optional>
#include <string_view>

namespace lunetra {

struct SignReading {
    std::string_view sign;
    std::string_view reading; // empty for the signs Ixion never visits in our years
};

// In zodiac order, which is also the order of comparison.
inline constexpr std::array<SignReading, 12> SignReadingTable = {{
    {"Aries", ""},
    {"Taurus", ""},
    {"Gemini", ""},
    {"Cancer", ""},
    {"Leo", "You will take the lead role in bringing about change which may be for the good or "
            "bad of the society."},
    {"Virgo", "This will be a period of great anxiety."},
    {"Libra", "You will be mentally very strong. You may expect a lot from your lovers. You will "
              "be intelligent and well read. The face that you show the world may be different "
              "from what you feel inside."},
    {"Scorpio", "You may take pleasure in committing brutal acts of violence. You may be involved "
                "in matters of life and death."},
    {"Sagittarius", "You may have committed a lot of sins in your lifetime. The time has come to "
                    "repay them."},
    {"Capricorn", ""},
    {"Aquarius", ""},
    {"Pisces", ""},
}};

// The reading of a sign, compared exactly and case-sensitively; no value when the name is
// not one of the twelve (which is not the same as an empty reading).
std::optional<std::string_view> FindReading(std::string_view sign);

} // namespace lunetra
