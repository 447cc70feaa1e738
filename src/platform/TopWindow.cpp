#include "platform/TopWindow.h"

#include <QWidget>

#ifdef _WIN32
#ifndef NOMINMAX
#define NOMINMAX
#endif
#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#include <windows.h>
#endif

namespace lunetra::platform {

void KeepOnTopWithoutActivating(QWidget* window) {
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
    // Keep size (0x1), keep position (0x2), do not activate (0x10), and show (0x40) only a
    // window that is already on screen: a hidden one must stay hidden until Qt shows it,
    // or Qt would believe it hidden while it is not.
    const UINT flags = wasVisible ? 0x53u : 0x13u;
    const HWND handle = reinterpret_cast<HWND>(window->winId());
    SetWindowPos(handle, HWND_TOPMOST, 0, 0, 0, 0, flags);
#endif
}

} // namespace lunetra::platform
