#pragma once

#include <QProxyStyle>

namespace lunetra {

// Fusion, the style whose colours hold on every platform, without the menu bar's overflow
// arrow: a fixed window whose four entries always fit never shows it, and loading its icon
// makes Qt load and ask every image plug-in it has before the first window can show.
class Style : public QProxyStyle {
public:
    Style();

    QIcon standardIcon(StandardPixmap icon, const QStyleOption* option,
                       const QWidget* widget) const override;
};

} // namespace lunetra
