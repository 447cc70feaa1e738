#include "core/RandomChoices.h"

#include <gtest/gtest.h>

#include <cmath>

using namespace lunetra::choices;

// The neighbouring doubles, to test each boundary from both sides.
const auto Below = [](double value) { return std::nextafter(value, -1.0); };
const auto Above = [](double value) { return std::nextafter(value, 10.0); };

TEST(OfferDraw, HalvesGoToTheEvenNeighbour) {
    const std::pair<double, int> cases[] = {{Below(1.5), 1}, {1.5, 2}, {Above(1.5), 2}, {2.5, 2},
                                            {Above(2.5), 3}, {3.5, 4}, {6.5, 6}};
    for (const auto& [value, rounded] : cases)
        EXPECT_EQ(RoundHalfEven(value), rounded) << value;
    for (const auto& [draw, offer] : {std::pair{0.0, 1}, {0.25, 2}, {0.75, 6}, {Below(1.0), 7}})
        EXPECT_EQ(OfferDraw(draw), offer) << draw;
}

TEST(AppealIndex, QuartersOfTheDrawPickTheFourAppeals) {
    const std::pair<double, int> cases[] = {{0.0, 0},         {Below(0.25), 0}, {0.25, 1},
                                            {Below(0.75), 2}, {0.75, 3},        {Below(1.0), 3}};
    for (const auto& [draw, appeal] : cases)
        EXPECT_EQ(AppealIndex(draw), appeal) << draw;
}
