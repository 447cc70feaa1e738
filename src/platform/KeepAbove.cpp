#include "platform/KeepAbove.h"

#include <QWidget>

#ifdef _WIN32
#include "platform/win/TopMost.h"

#include <cstdint>
#endif

namespace lunetra::platform {

void KeepAboveWithoutActivating(QWidget* window) {
    if (window == nullptr)
        return;

    const bool wasVisible = window->isVisible();
    window->setAttribute(Qt::WA_ShowWithoutActivating);
    // Qt keeps the hint across hide and show; without it Qt could drop the topmost state
    // the next time it re-creates or re-flags the window.
    if (!window->windowFlags().testFlag(Qt::WindowStaysOnTopHint)) {
        window->setWindowFlags(window->windowFlags() | Qt::WindowStaysOnTopHint);
        // Changing the flags of a visible window hides it.
        if (wasVisible)
            window->show();
    }

#ifdef _WIN32
    win::KeepTopMost(static_cast<std::uintptr_t>(window->winId()), wasVisible);
#endif
}

} // namespace lunetra::platform
