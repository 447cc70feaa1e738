#pragma once

// The random choices of start-up and of the exit window, as plain functions of a draw r
// with 0 <= r < 1.
namespace lunetra::choices {

// Rounds to the nearest whole number, halves going to the even neighbour.
int RoundHalfEven(double value);

// Which offer label start-up brings to the front of the main window.
enum class FrontOffer { FullBrand, Cobrand, AsDesigned };

// n = r * 6 + 1 rounded half to even, from 1 to 7: 2, 4 and 6 bring the full-branding offer
// to the front, 1, 3 and 5 the co-branding one, 7 leaves the design order.
int OfferDraw(double r);
FrontOffer OfferFor(int draw);

// Which of the four appeals the exit window shows: the integer part of r * 4.
int AppealIndex(double r);

} // namespace lunetra::choices
