#pragma once

#include <QProxyStyle>

namespace lunetra {

// Fusion, the style whose colours hold on every platform, with two changes:
// - buttons and drop-down lists are drawn flat in their own colour, the default button marked
//   by a black frame and the focus by a dotted one, as the design has them: Fusion's
//   gradients and its highlight tint would change the colours the design fixes;
// - no menu bar overflow arrow: a fixed window whose four entries always fit never shows it,
//   and loading its icon makes Qt load and ask every image plug-in it has before the first
//   window can show.
class Style : public QProxyStyle {
public:
    Style();

    void drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                       const QWidget* widget) const override;
    void drawComplexControl(ComplexControl control, const QStyleOptionComplex* option,
                            QPainter* painter, const QWidget* widget) const override;
    QIcon standardIcon(StandardPixmap icon, const QStyleOption* option,
                       const QWidget* widget) const override;
};

} // namespace lunetra
