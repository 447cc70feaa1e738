#include "app/Draws.h"

#include <gtest/gtest.h>

#include <cmath>
#include <iomanip>

using namespace lunetra::draws;

namespace {
double Below(double value) {
    return std::nextafter(value, -1.0);
}
double Above(double value) {
    return std::nextafter(value, 10.0);
}
} // namespace

TEST(RoundHalfEven, HalvesGoToTheEvenNeighbour) {
    const struct {
        double value;
        int rounded;
    } cases[] = {{1.0, 1},        {Below(1.5), 1}, {1.5, 2},        {Above(1.5), 2},
                 {Below(2.5), 2}, {2.5, 2},        {Above(2.5), 3}, {Below(3.5), 3},
                 {3.5, 4},        {Above(3.5), 4}, {4.5, 4},        {5.5, 6},
                 {6.5, 6},        {Above(6.5), 7}, {Below(7.0), 7}, {0.5, 0}};
    for (const auto& c : cases)
        EXPECT_EQ(RoundHalfEven(c.value), c.rounded) << std::setprecision(17) << c.value;
}

TEST(OfferDraw, SpansOneToSeven) {
    EXPECT_EQ(OfferDraw(0.0), 1);
    EXPECT_EQ(OfferDraw(0.25), 2); // 2.5
    EXPECT_EQ(OfferDraw(0.5), 4);
    EXPECT_EQ(OfferDraw(0.75), 6); // 5.5
    EXPECT_EQ(OfferDraw(Below(1.0)), 7);
}

TEST(OfferDraw, EvenDrawsShowTheFullBrandingOfferOddOnesAndSevenTheCoBranding) {
    EXPECT_EQ(OfferFor(1), FrontOffer::Cobrand);
    EXPECT_EQ(OfferFor(2), FrontOffer::FullBrand);
    EXPECT_EQ(OfferFor(3), FrontOffer::Cobrand);
    EXPECT_EQ(OfferFor(4), FrontOffer::FullBrand);
    EXPECT_EQ(OfferFor(5), FrontOffer::Cobrand);
    EXPECT_EQ(OfferFor(6), FrontOffer::FullBrand);
    EXPECT_EQ(OfferFor(7), FrontOffer::AsDesigned);
}

TEST(OfferDraw, EachOfferIsSeenInHalfOfAllStarts) {
    constexpr int Steps = 120000;
    int fullBrand = 0;
    for (int step = 0; step < Steps; ++step)
        fullBrand += OfferFor(OfferDraw((step + 0.5) / Steps)) == FrontOffer::FullBrand;
    EXPECT_NEAR(double(fullBrand) / Steps, 0.5, 1e-3);
}

TEST(AppealIndex, QuartersOfTheDrawPickTheFourAppeals) {
    EXPECT_EQ(AppealIndex(0.0), 0);
    EXPECT_EQ(AppealIndex(Below(0.25)), 0);
    EXPECT_EQ(AppealIndex(0.25), 1);
    EXPECT_EQ(AppealIndex(Below(0.5)), 1);
    EXPECT_EQ(AppealIndex(0.5), 2);
    EXPECT_EQ(AppealIndex(Below(0.75)), 2);
    EXPECT_EQ(AppealIndex(0.75), 3);
    EXPECT_EQ(AppealIndex(Below(1.0)), 3);
}
