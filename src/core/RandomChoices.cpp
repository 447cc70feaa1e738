#include "core/RandomChoices.h"

#include <algorithm>
#include <cmath>

namespace lunetra::choices {

int RoundHalfEven(double value) {
    const double floor = std::floor(value);
    const double fraction = value - floor;
    if (fraction > 0.5)
        return int(floor) + 1;
    if (fraction < 0.5)
        return int(floor);
    return std::fmod(floor, 2.0) == 0.0 ? int(floor) : int(floor) + 1;
}

int OfferDraw(double r) {
    return RoundHalfEven(r * 6 + 1);
}

FrontOffer OfferFor(int draw) {
    if (draw == 2 || draw == 4 || draw == 6)
        return FrontOffer::FullBrand;
    if (draw == 1 || draw == 3 || draw == 5)
        return FrontOffer::Cobrand;
    return FrontOffer::AsDesigned;
}

int AppealIndex(double r) {
    return std::clamp(int(std::floor(r * 4)), 0, 3);
}

} // namespace lunetra::choices
