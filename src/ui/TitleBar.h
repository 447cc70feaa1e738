#pragma once

class QWidget;

namespace lunetra {

// A Wayland compositor that draws no frames (mutter, weston) leaves Qt to draw the title bars,
// always with minimise and maximise buttons. There Lunetra's windows, which have neither, get a
// title bar of their own: the caption, a close box, and the bar to drag the window by. Where the
// compositor frames the windows (KWin), and off Wayland, this does nothing. Call once the window
// has its flags and, where it has no layout, its controls.
void UseOwnTitleBarOnWayland(QWidget* window);
// The same, wherever the window is shown.
void UseOwnTitleBar(QWidget* window);

} // namespace lunetra
