#include "ui/Style.h"

#include <QStyleFactory>

namespace lunetra {

Style::Style()
    : QProxyStyle(QStyleFactory::create(QStringLiteral("Fusion"))) {}

QIcon Style::standardIcon(StandardPixmap icon, const QStyleOption* option,
                          const QWidget* widget) const {
    if (icon == SP_ToolBarHorizontalExtensionButton || icon == SP_ToolBarVerticalExtensionButton)
        return {};
    return QProxyStyle::standardIcon(icon, option, widget);
}

} // namespace lunetra
