#pragma once

class QWidget;

namespace lunetra {

// On Wayland no window manager frames the windows: Qt draws their title bars itself, always
// with minimise and maximise buttons. There Lunetra's windows, which have neither, get a title
// bar of their own: the caption, a close box, and the bar to drag the window by. Elsewhere this
// does nothing. Call once the window has its flags and, where it has no layout, its controls.
void UseOwnTitleBarOnWayland(QWidget* window);
// The same, wherever the window is shown.
void UseOwnTitleBar(QWidget* window);

} // namespace lunetra
