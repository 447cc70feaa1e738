#pragma once

#include <string>

namespace lunetra::platform {

// Ends the process at once: no further events, no clean-up of windows.
[[noreturn]] void EndProcess(int exitCode = 0);

// The running executable's file name without its extension.
std::string ExecutableBaseName();

// False when there is plainly no graphical display to show windows on.
bool HasDisplay();

// The platform plug-in Lunetra asks Qt for, or empty where Qt's own choice stands. In a
// Wayland session that also offers X11 (Xwayland) and where the user chose no platform, it
// is X11: there a window can be kept above the others and placed in the middle, which a
// Wayland client cannot ask for. The environment stays as it is, for the browser it starts.
std::string PreferredPlatformPlugIn();

// While one lives (around the making of the application object), a windowing system that
// cannot be reached ends the process with status 1 and the given line alone on standard
// error, instead of Qt's abort after many lines. Qt's other messages meanwhile are held
// back and passed on when it ends.
class DisplayFailureExit {
public:
    explicit DisplayFailureExit(std::string line);
    ~DisplayFailureExit();
    DisplayFailureExit(const DisplayFailureExit&) = delete;
    DisplayFailureExit& operator=(const DisplayFailureExit&) = delete;
};

} // namespace lunetra::platform
