#include "platform/Browser.h"

#ifdef _WIN32
#ifndef NOMINMAX
#define NOMINMAX
#endif
#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
// windows.h must come before shellapi.h.
#include <windows.h>

#include <shellapi.h>
#else
#include <QProcess>
#include <QString>
#include <QStringList>
#endif

namespace lunetra::platform {

#ifdef _WIN32

namespace {

// The shell's 8-bit entry point wants the system code page; characters that the code page
// lacks turn into its default character, as they always have for this call.
std::string ToAnsiCodePage(const std::string& utf8) {
    if (utf8.empty())
        return {};
    const int wideLength =
        MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), nullptr, 0);
    if (wideLength <= 0)
        return utf8;
    std::wstring wide(static_cast<size_t>(wideLength), L'\0');
    MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), wide.data(),
                        wideLength);
    const int ansiLength =
        WideCharToMultiByte(CP_ACP, 0, wide.data(), wideLength, nullptr, 0, nullptr, nullptr);
    if (ansiLength <= 0)
        return utf8;
    std::string ansi(static_cast<size_t>(ansiLength), '\0');
    WideCharToMultiByte(CP_ACP, 0, wide.data(), wideLength, ansi.data(), ansiLength, nullptr,
                        nullptr);
    return ansi;
}

} // namespace

void OpenInBrowser(const std::string& address) {
    const std::string ansi = ToAnsiCodePage(address);
    // The shell's answer is deliberately not looked at: a page that cannot be opened changes
    // nothing for the user.
    ShellExecuteA(nullptr, "Open", ansi.c_str(), nullptr, "C:\\", SW_SHOWNORMAL);
}

#else

namespace {

#ifdef __APPLE__
constexpr auto Opener = "open";
#else
constexpr auto Opener = "xdg-open";
#endif

} // namespace

void OpenInBrowser(const std::string& address) {
    // One argument, no shell in between: blanks, quotes, "&" and line breaks of a
    // refer-a-friend address reach the opener exactly as built.
    const QString argument =
        QString::fromUtf8(address.data(), static_cast<qsizetype>(address.size()));
    QProcess::startDetached(QString::fromLatin1(Opener), QStringList{argument});
}

#endif

} // namespace lunetra::platform
