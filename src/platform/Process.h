#pragma once

#include <string>

namespace lunetra::platform {

// Ends the process at once: no further events, no clean-up of windows.
[[noreturn]] void EndProcess(int exitCode = 0);

// The running executable's file name without its extension.
std::string ExecutableBaseName();

// False when there is plainly no graphical display to show windows on.
bool HasDisplay();

} // namespace lunetra::platform
