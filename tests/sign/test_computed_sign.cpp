#include "sign/NumberText.h"
#include "sign/modPlanetSign.h"

#include <gtest/gtest.h>

namespace {

namespace sign = lunetra::modPlanetSign;
using lunetra::ConversionError;

// The computed sign lives as long as the process, so its history is one test.
TEST(ComputedSign, KeepsTheLastSignFound) {
    EXPECT_EQ(sign::ComputedSign(), "");
    sign::FindIxionSign("1899", "January", "1");
    EXPECT_EQ(sign::ComputedSign(), "");

    sign::FindIxionSign("1904", "October", "21");
    EXPECT_EQ(sign::ComputedSign(), "Virgo");
    sign::FindIxionSign("2019", "January", "1");
    sign::FindIxionSign("1934", "march", "1");
    EXPECT_THROW(sign::FindIxionSign("abc", "January", "1"), ConversionError);
    EXPECT_THROW(sign::FindIxionSign("1904", "October", "abc"), ConversionError);
    EXPECT_EQ(sign::ComputedSign(), "Virgo");

    sign::FindIxionSign("1950", "", "");
    EXPECT_EQ(sign::ComputedSign(), "Libra");
}

} // namespace
