#include "ui/SharedParts.h"

#include "config/Sites.h"
#include "ui/ClickableLabel.h"
#include "ui/Look.h"
#include "ui/Text.h"

#include <QFrame>

namespace lunetra::shared {

const QString Introduction = QStringLiteral(
    "Lunetra finds your Ixion sign. Ixion gives more insight about one's mental attitude, "
    "strength, plans, aspirations and transformations. This brings purpose into your life. "
    "This shows our capability of doing things.");

const QString FullBrandCaption = QStringLiteral(
    "Home Business Opportunity. Start your own Internet business and make money online. Get "
    "this software fully branded for your website. Click here for more details.");

const QString CobrandCaption = QStringLiteral(
    "Co-brand this software for your site.  Increase loyalty and traffic to your site. Put "
    "your site's name &&  link here. See \"Help\" for details.Click Here for more info on "
    "co-branding.");

QString BannerCaption() {
    return QStringLiteral("Lively talk. Friendly people. Join us at %1")
        .arg(FromView(sites::MakerHost));
}

ClickableLabel* AddBanner(QFrame* band) {
    auto* banner = new ClickableLabel(QStringLiteral("Label61"), BannerCaption(), band);
    banner->setFont(look::Font(9, true, true));
    look::SetTextColour(banner, look::Orange);
    banner->setAlignment(Qt::AlignCenter);
    banner->adjustSize();
    QRect place = banner->geometry();
    place.moveCenter(band->rect().center());
    banner->setGeometry(place);
    return banner;
}

OfferLabels AddOfferLabels(QFrame* band, const QRect& twips) {
    const QRect place = look::TwipsRect(twips.x(), twips.y(), twips.width(), twips.height());
    auto makeOffer = [&](const QString& name, const QString& caption) {
        auto* label = new ClickableLabel(name, caption, band);
        label->setWordWrap(true);
        label->setGeometry(place);
        look::SetColours(label, look::Band, look::Orange);
        return label;
    };
    // Created second, so the co-branding offer lies on top.
    auto* fullBrand = makeOffer(QStringLiteral("lblFullBrand"), FullBrandCaption);
    auto* cobrand = makeOffer(QStringLiteral("lblCobrand"), CobrandCaption);
    return {fullBrand, cobrand};
}

} // namespace lunetra::shared
