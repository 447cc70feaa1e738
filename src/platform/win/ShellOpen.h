#pragma once

#include <string>

// Windows only: the shell's side of the browser launcher, in plain C++ types.
namespace lunetra::platform::win {

// The UTF-8 text in the system's 8-bit code page. Characters that the code page lacks become
// its default character; text that is not valid UTF-8 is passed through as it is.
std::string ToAnsiCodePage(const std::string& utf8);

// Asks the shell to open the address (given in UTF-8) with the handler of its protocol,
// through the 8-bit entry point, verb "Open", working folder "C:\" and a normal window.
// Returns once the shell has taken the request; its answer is not looked at.
void ShellOpen(const std::string& utf8Address);

} // namespace lunetra::platform::win
