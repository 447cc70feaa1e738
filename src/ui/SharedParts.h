#pragma once

#include <QColor>
#include <QFont>
#include <QRect>
#include <QString>

class QFrame;
class QLabel;
class QPushButton;
class QWidget;

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

// A borderless panel in the given colour, placed in twips.
QFrame* AddPanel(QWidget* parent, const QString& name, const QRect& twips, const QColor& colour);
// The banner label, centred in its dark band.
ClickableLabel* AddBanner(QFrame* band);
// A plain label placed in twips; a zero height lets it size itself to its text.
QLabel* AddLabel(QWidget* parent, const QString& name, const QString& text, const QRect& twips,
                 const QFont& font, const QColor& colour);
// One of the grey command buttons; Enter on a focused button presses it.
QPushButton* AddButton(QWidget* parent, const QString& name, const QString& caption,
                       const QRect& twips, const QFont& font);

struct OfferLabels {
    ClickableLabel* fullBrand;
    ClickableLabel* cobrand;
};
// The two offer labels in one rectangle of the bottom band, the co-branding one on top.
OfferLabels AddOfferLabels(QFrame* band, const QRect& twips);

} // namespace shared
} // namespace lunetra
