#include "sign/SignReadings.h"
#include "sign/modPlanetSign.h"

#include <gtest/gtest.h>

#include <array>
#include <optional>
#include <string_view>

namespace {

using lunetra::FindReading;
using lunetra::SignReadingTable;

struct Row {
    std::string_view sign;
    std::string_view reading;
};

constexpr std::array<Row, 12> ExpectedRows = {{
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

TEST(SignReadingTable, HoldsTheTwelveSignsInZodiacOrder) {
    for (std::size_t i = 0; i < ExpectedRows.size(); ++i) {
        EXPECT_EQ(SignReadingTable[i].sign, ExpectedRows[i].sign) << "row " << i + 1;
        EXPECT_EQ(SignReadingTable[i].reading, ExpectedRows[i].reading) << ExpectedRows[i].sign;
        // The result window wraps the reading itself.
        EXPECT_EQ(SignReadingTable[i].reading.find_first_of("\r\n"), std::string_view::npos);
    }
}

TEST(FindReading, GivesTheReadingOfEachSign) {
    for (const auto& row : ExpectedRows) {
        const auto reading = FindReading(row.sign);
        ASSERT_TRUE(reading.has_value()) << row.sign;
        EXPECT_EQ(*reading, row.reading) << row.sign;
    }
}

TEST(FindReading, EmptyReadingIsNotAMissingEntry) {
    const auto reading = FindReading("Aries");
    ASSERT_TRUE(reading.has_value());
    EXPECT_TRUE(reading->empty());
}

class UnknownSign : public testing::TestWithParam<std::string_view> {};

TEST_P(UnknownSign, HasNoEntry) {
    EXPECT_EQ(FindReading(GetParam()), std::nullopt);
}

INSTANTIATE_TEST_SUITE_P(Names, UnknownSign,
                         testing::Values("", " ", "leo", "LEO", "Leo ", " Leo", "Le", "Leos",
                                         "Ophiuchus", "Virgo\n", std::string_view("Leo\0", 4)));

// Whatever date the main window lets through, the result window has a reading to show.
TEST(FindReading, EverySignOfTheTableHasAReading) {
    for (const auto& period : lunetra::modPlanetSign::IxionSignTable) {
        const auto reading = FindReading(period.sign);
        ASSERT_TRUE(reading.has_value()) << period.sign;
        EXPECT_FALSE(reading->empty()) << period.sign;
    }
}

} // namespace
