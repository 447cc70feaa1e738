#pragma once

#include <string>

namespace lunetra::platform {

// Ends the process at once: no further events, no clean-up of windows.
[[noreturn]] void EndProcess(int exitCode = 0);

// The running executable's file name without its extension.
std::string ExecutableBaseName();

// False when there is plainly no graphical display to show windows on.
bool HasDisplay();

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
