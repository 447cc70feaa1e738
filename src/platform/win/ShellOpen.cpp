#include "platform/win/ShellOpen.h"

// windows.h must come before shellapi.h.
#include <windows.h>

#include <shellapi.h>

namespace lunetra::platform::win {

std::string ToAnsiCodePage(const std::string& utf8) {
    if (utf8.empty())
        return {};
    const int size = static_cast<int>(utf8.size());
    // Strict decoding: a byte sequence that is not UTF-8 is left alone rather than guessed at.
    const int wideLength =
        MultiByteToWideChar(CP_UTF8, MB_ERR_INVALID_CHARS, utf8.data(), size, nullptr, 0);
    if (wideLength <= 0)
        return utf8;
    std::wstring wide(static_cast<size_t>(wideLength), L'\0');
    MultiByteToWideChar(CP_UTF8, MB_ERR_INVALID_CHARS, utf8.data(), size, wide.data(), wideLength);
    const int ansiLength =
        WideCharToMultiByte(CP_ACP, 0, wide.data(), wideLength, nullptr, 0, nullptr, nullptr);
    if (ansiLength <= 0)
        return utf8;
    std::string ansi(static_cast<size_t>(ansiLength), '\0');
    WideCharToMultiByte(CP_ACP, 0, wide.data(), wideLength, ansi.data(), ansiLength, nullptr,
                        nullptr);
    return ansi;
}

void ShellOpen(const std::string& utf8Address) {
    const std::string ansi = ToAnsiCodePage(utf8Address);
    // A page that cannot be opened changes nothing for the user, so the result is ignored.
    ShellExecuteA(nullptr, "Open", ansi.c_str(), nullptr, "C:\\", SW_SHOWNORMAL);
}

} // namespace lunetra::platform::win
