#pragma once

#include <QMargins>

class QWidget;

namespace lunetra::platform {

// The width of the frame (title bar and borders) that the desktop puts around the window.
// Where the frame is not known until the window is on the screen, the window manager is
// asked ahead, so that a window can be placed by its frame before it is first shown. Empty
// where no frame is drawn or none can be learnt.
QMargins FrameMargins(QWidget* window);

} // namespace lunetra::platform
