#include "ui/WindowSetUp.h"

#include "platform/KeepAbove.h"
#include "ui/Look.h"
#include "ui/TitleBar.h"

#include <QLayout>
#include <QWidget>

namespace lunetra {

void SetUpFrame(QWidget* window, WindowKind kind, Stacking stacking) {
    window->setWindowFlags((kind == WindowKind::Window ? Qt::Window : Qt::Dialog) |
                           Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                           Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint);
    if (stacking == Stacking::Above)
        window->setWindowFlag(Qt::WindowStaysOnTopHint);
    else if (stacking == Stacking::AboveWithoutActivating)
        platform::KeepAboveWithoutActivating(window);
    UseOwnTitleBarOnWayland(window);
    if (kind == WindowKind::Window) {
        if (window->layout())
            window->layout()->activate(); // its final size, a title bar of its own included
        look::CentreOnScreen(window);
    }
}

} // namespace lunetra
