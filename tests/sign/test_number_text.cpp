#include "sign/NumberText.h"

#include <gtest/gtest.h>

#include <clocale>
#include <cmath>
#include <limits>
#include <ostream>
#include <string>
#include <string_view>

namespace {

using lunetra::ConversionError;
using lunetra::ToNumber;

struct Accepted {
    std::string_view text;
    double value;
};

void PrintTo(const Accepted& accepted, std::ostream* os) {
    *os << '"' << accepted.text << '"';
}

class ToNumberAccepts : public testing::TestWithParam<Accepted> {};

TEST_P(ToNumberAccepts, GivesTheValue) {
    const auto& [text, value] = GetParam();
    EXPECT_DOUBLE_EQ(ToNumber(text), value) << '"' << text << '"';
}

INSTANTIATE_TEST_SUITE_P(
    Texts, ToNumberAccepts,
    testing::Values(
        // Plain whole numbers, as the main window's lists hold them.
        Accepted{"1", 1}, Accepted{"31", 31}, Accepted{"1904", 1904}, Accepted{"0", 0},
        Accepted{"007", 7},
        // Signs right before the digits.
        Accepted{"+1904", 1904}, Accepted{"-1904", -1904}, Accepted{"-0", 0}, Accepted{"+.5", 0.5},
        // Blanks around the number.
        Accepted{" 1904 ", 1904}, Accepted{"\t21\t", 21}, Accepted{"  \t-3 \t ", -3},
        // Fractions, with the digits on either side of the point.
        Accepted{"20.5", 20.5}, Accepted{".5", 0.5}, Accepted{"5.", 5}, Accepted{"-0.25", -0.25},
        Accepted{"1950.0", 1950},
        // Exponents.
        Accepted{"2.5e1", 25}, Accepted{"2.5E1", 25}, Accepted{"1.904e3", 1904},
        Accepted{"1e+2", 100}, Accepted{"1e-2", 0.01}, Accepted{"5.e0", 5}, Accepted{".5e1", 5},
        Accepted{"-2E-1", -0.2}, Accepted{"1e007", 1e7},
        // The edges of the double range: the largest value converts, tiny ones fade to zero.
        Accepted{"1.7976931348623157e308", std::numeric_limits<double>::max()},
        Accepted{"4.9e-324", std::numeric_limits<double>::denorm_min()}, Accepted{"1e-400", 0},
        Accepted{"-1e-99999999999999999999", 0}, Accepted{"0e99999", 0},
        Accepted{"0.0000001e-400", 0}));

class ToNumberRefuses : public testing::TestWithParam<std::string_view> {};

TEST_P(ToNumberRefuses, ThrowsConversionError) {
    EXPECT_THROW(ToNumber(GetParam()), ConversionError) << '"' << GetParam() << '"';
}

INSTANTIATE_TEST_SUITE_P(Texts, ToNumberRefuses,
                         testing::Values(
                             // Nothing to convert.
                             "", " ", "\t \t",
                             // Words and trailing or leading rubbish.
                             "abc", "21st", "x21", "1904 x", "Leo",
                             // Only spaces and tabs count as blanks.
                             "1904\n", "\n1904", "1904\r", "19 04",
                             // Signs: one, right before the digits, and never alone.
                             "+", "-", "+-1", "--1", "++1", "- 1", "1-", "1+",
                             // A point alone, two points, or a comma.
                             ".", "-.", "1.2.3", "20,5", "1,904", "1 904", "1'904", "1_904",
                             // Exponents need their digits and a whole number.
                             "e5", "1e", "1E", "1e+", "1e-", "1e5.5", "1e 5", "1ee5",
                             // No hexadecimal, no infinities, no not-a-number.
                             "0x10", "0X10", "0x1p3", "0b1", "inf", "-inf", "+inf", "INF",
                             "infinity", "nan", "NaN", "-nan", "nan(1)",
                             // Too large for a double.
                             "1e309", "-1e309", "1.7976931348623159e308", "1e99999999999999999999",
                             "1000000000000000000000000000000000000000e300"));

TEST(ToNumber, PlainWholeNumbersAreExact) {
    for (int n = 0; n <= 100000; ++n) {
        ASSERT_EQ(ToNumber(std::to_string(n)), static_cast<double>(n)) << n;
    }
}

TEST(ToNumber, KeepsTheSignOfZero) {
    EXPECT_TRUE(std::signbit(ToNumber("-0")));
    EXPECT_TRUE(std::signbit(ToNumber("-1e-400")));
    EXPECT_FALSE(std::signbit(ToNumber("+0")));
}

TEST(ToNumber, ReadsOnlyTheGivenView) {
    // The digits that follow the view in memory must not be read.
    constexpr std::string_view Text = "190412";
    EXPECT_EQ(ToNumber(Text.substr(0, 4)), 1904);
    EXPECT_THROW(ToNumber(std::string_view("1904abc").substr(0, 5)), ConversionError);
}

TEST(ToNumber, ErrorNamesTheText) {
    try {
        ToNumber("abc");
        FAIL() << "no ConversionError";
    } catch (const ConversionError& error) {
        EXPECT_NE(std::string(error.what()).find("abc"), std::string::npos) << error.what();
    }
}

// Users with a comma as decimal separator get the same results as everyone else.
TEST(ToNumber, IgnoresTheLocale) {
    const std::string previous = std::setlocale(LC_ALL, nullptr);
    const char* found = nullptr;
    for (const char* name : {"de_DE.UTF-8", "de_DE.utf8", "fr_FR.UTF-8", "fr_FR.utf8", "de_DE",
                             "German_Germany.1252"}) {
        if ((found = std::setlocale(LC_ALL, name)) != nullptr) {
            break;
        }
    }
    if (found == nullptr) {
        GTEST_SKIP() << "no locale with a decimal comma installed";
    }
    const double point = ToNumber("20.5");
    const double exponent = ToNumber("2.05e1");
    bool commaRefused = false;
    try {
        ToNumber("20,5");
    } catch (const ConversionError&) {
        commaRefused = true;
    }
    std::setlocale(LC_ALL, previous.c_str());

    EXPECT_EQ(point, 20.5);
    EXPECT_EQ(exponent, 20.5);
    EXPECT_TRUE(commaRefused);
}

} // namespace
