#pragma once

namespace lunetra {

// Tells screen readers what Lunetra's own widgets are: links that can be followed, text boxes
// and lists read out whole, panels that are no windows, and the exit window a window. Once
// the application object exists and before the first window is made: Qt keeps the interface
// it first gives a widget, and these come before its own, which the application installs.
void DescribeWidgetsToScreenReaders();

} // namespace lunetra
