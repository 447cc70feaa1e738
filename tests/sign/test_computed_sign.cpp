#include "sign/NumberText.h"
#include "sign/modPlanetSign.h"

#include <gtest/gtest.h>

namespace {

namespace sign = lunetra::modPlanetSign;
using lunetra::ConversionError;

// The computed sign lives as long as the process, so its whole history is one test: split
// up, the steps would depend on the order the tests run in.
TEST(ComputedSign, KeepsTheLastSignFound) {
    EXPECT_EQ(sign::ComputedSign(), "") << "not empty at start";

    // Lookups that find nothing before any sign was found.
    sign::FindIxionSign("1899", "January", "1");
    EXPECT_EQ(sign::ComputedSign(), "");
    sign::FindIxionSign("1934", "march", "1");
    EXPECT_EQ(sign::ComputedSign(), "");
    EXPECT_THROW(sign::FindIxionSign("abc", "January", "1"), ConversionError);
    EXPECT_EQ(sign::ComputedSign(), "");

    sign::FindIxionSign("1904", "October", "21");
    EXPECT_EQ(sign::ComputedSign(), "Virgo");

    // No sign, and failed conversions, keep it.
    sign::FindIxionSign("2019", "January", "1");
    EXPECT_EQ(sign::ComputedSign(), "Virgo");
    sign::FindIxionSign("1950.5", "January", "1");
    EXPECT_EQ(sign::ComputedSign(), "Virgo");
    sign::FindIxionSign("1934", "march", "1");
    EXPECT_EQ(sign::ComputedSign(), "Virgo");
    EXPECT_THROW(sign::FindIxionSign("", "October", "21"), ConversionError);
    EXPECT_EQ(sign::ComputedSign(), "Virgo");
    EXPECT_THROW(sign::FindIxionSign("1904", "October", "abc"), ConversionError);
    EXPECT_EQ(sign::ComputedSign(), "Virgo");

    // Each sign found replaces the last, even the same one again.
    sign::FindIxionSign("1950", "", "");
    EXPECT_EQ(sign::ComputedSign(), "Libra");
    sign::FindIxionSign("1905", "January", "13");
    EXPECT_EQ(sign::ComputedSign(), "Leo");
    sign::FindIxionSign("1905", "January", "13");
    EXPECT_EQ(sign::ComputedSign(), "Leo");
    sign::FindIxionSign("2018", "December", "31");
    EXPECT_EQ(sign::ComputedSign(), "Sagittarius");
    sign::FindIxionSign("1966", "September", "27");
    EXPECT_EQ(sign::ComputedSign(), "Scorpio");
}

} // namespace
