#include "app/Draws.h"

#include <gtest/gtest.h>

#include <cmath>

using namespace lunetra::draws;

namespace {
// The neighbouring doubles, to test each boundary from both sides.
double Below(double value) {
    return std::nextafter(value, -1.0);
}
double Above(double value) {
    return std::nextafter(value, 10.0);
}
} // namespace

TEST(OfferDraw, HalvesGoToTheEvenNeighbour) {
    const std::pair<double, int> cases[] = {
        {Below(1.5), 1}, {1.5, 2}, {Above(1.5), 2}, {Below(2.5), 2}, {2.5, 2}, {Above(2.5), 3},
        {Below(3.5), 3}, {3.5, 4}, {4.5, 4},        {5.5, 6},        {6.5, 6}, {Above(6.5), 7}};
    for (const auto& [value, rounded] : cases)
        EXPECT_EQ(RoundHalfEven(value), rounded) << value;
    for (const auto& [draw, offer] : {std::pair{0.0, 1}, {0.25, 2}, {0.75, 6}, {Below(1.0), 7}})
        EXPECT_EQ(OfferDraw(draw), offer) << draw;
}

TEST(OfferDraw, EachOfferIsSeenInHalfOfAllStarts) {
    // Odd draws put the co-branding offer in front, even ones the full-branding one; seven
    // keeps the design's order.
    for (int draw = 1; draw <= 7; ++draw)
        EXPECT_EQ(OfferFor(draw), draw == 7       ? FrontOffer::AsDesigned
                                  : draw % 2 == 1 ? FrontOffer::Cobrand
                                                  : FrontOffer::FullBrand)
            << draw;
    constexpr int Steps = 120000;
    int fullBrand = 0;
    for (int step = 0; step < Steps; ++step)
        fullBrand += OfferFor(OfferDraw((step + 0.5) / Steps)) == FrontOffer::FullBrand;
    EXPECT_NEAR(double(fullBrand) / Steps, 0.5, 1e-3);
}

TEST(AppealIndex, QuartersOfTheDrawPickTheFourAppeals) {
    const std::pair<double, int> cases[] = {{0.0, 0},       {Below(0.25), 0}, {0.25, 1},
                                            {0.5, 2},       {Below(0.75), 2}, {0.75, 3},
                                            {Below(1.0), 3}};
    for (const auto& [draw, appeal] : cases)
        EXPECT_EQ(AppealIndex(draw), appeal) << draw;
}
