#pragma once

#include <QMargins>

#include <optional>

class QWidget;

namespace lunetra::platform {

// The width of the frame (title bar and borders) that the desktop puts around the window.
// Where the frame is not known until the window is on the screen, the window manager is
// asked ahead, so that a window can be placed by its frame before it is first shown. Empty
// where no frame is drawn or none can be learnt.
QMargins FrameMargins(QWidget* window);

// The frame as the window manager says it has drawn it once the window is on the screen,
// waiting a moment for one that frames the window only after it is mapped (KWin); nothing
// where none is told (or off X11). Qt's own reckoning can be wrong until then.
std::optional<QMargins> DrawnFrameMargins(QWidget* window);

// Whether the Wayland compositor draws the frames of the windows that ask for one (as KWin
// does); where it does not, a window has none unless it draws its own. False off Wayland.
bool CompositorDrawsFrames();

} // namespace lunetra::platform
