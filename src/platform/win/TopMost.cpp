#include "platform/win/TopMost.h"

#include <windows.h>

namespace lunetra::platform::win {

void KeepTopMost(std::uintptr_t window, bool alreadyVisible) {
    // Keep size and position, do not activate; show only a window that is already on screen,
    // or its owner would believe it hidden while it is not.
    const UINT flags =
        SWP_NOSIZE | SWP_NOMOVE | SWP_NOACTIVATE | (alreadyVisible ? SWP_SHOWWINDOW : 0u);
    SetWindowPos(reinterpret_cast<HWND>(window), HWND_TOPMOST, 0, 0, 0, 0, flags);
}

} // namespace lunetra::platform::win
