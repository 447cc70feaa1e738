#pragma once

#include <cstdint>

// Windows only: the topmost request of the exit window, in plain C++ types.
namespace lunetra::platform::win {

// Puts the native window (an HWND) above all non-topmost windows for its whole life, without
// moving, resizing or activating it. A hidden window stays hidden: whoever owns it shows it.
void KeepTopMost(std::uintptr_t window, bool alreadyVisible);

} // namespace lunetra::platform::win
