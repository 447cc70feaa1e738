#pragma once

class QWidget;

namespace lunetra::platform {

// Keeps a window above all ordinary windows for its whole life, without moving, resizing or
// activating it. Call before the window is first shown.
void KeepAboveWithoutActivating(QWidget* window);

} // namespace lunetra::platform
