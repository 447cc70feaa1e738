#pragma once

#include <QRect>
#include <QString>

class QFrame;

namespace lunetra {

class ClickableLabel;

// The parts that the main and the result window share.
namespace shared {

// The introduction both windows show under the banner.
extern const QString Introduction;
extern const QString FullBrandCaption;
extern const QString CobrandCaption;
// The banner's invitation to the maker's community site, naming its address.
QString BannerCaption();

// The banner label, centred in its dark band.
ClickableLabel* AddBanner(QFrame* band);

struct OfferLabels {
    ClickableLabel* fullBrand;
    ClickableLabel* cobrand;
};
// The two offer labels in one rectangle of the bottom band, the co-branding one on top.
OfferLabels AddOfferLabels(QFrame* band, const QRect& twips);

} // namespace shared
} // namespace lunetra
