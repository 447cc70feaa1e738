#pragma once

class QWidget;

namespace lunetra {

enum class WindowKind {
    Window, // a window of its own, placed in the middle of the screen
    Dialog, // a dialog, which the toolkit places over the window that opened it
};

enum class Stacking {
    Normal,
    Above,                  // above every other window, and taking the keyboard when shown
    AboveWithoutActivating, // above every other window for its whole life, never taking the
                            // keyboard by being shown
};

// Gives a window, once its controls are in place, its frame and place on the desktop, in the
// one order that holds: the flags of a fixed size with a close box alone first, since setting
// flags undoes what follows; then its stacking, which adds to those flags; then a title bar of
// its own where the compositor draws none, which keeps them and makes room; then, for a window
// of its own, its place in the middle, which needs the final size.
void SetUpFrame(QWidget* window, WindowKind kind, Stacking stacking = Stacking::Normal);

} // namespace lunetra
