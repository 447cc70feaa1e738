#include "platform/Browser.h"

#ifdef _WIN32
#include "platform/win/ShellOpen.h"
#else
#include <QProcess>
#include <QString>
#include <QStringList>
#endif

namespace lunetra::platform {

#ifdef _WIN32

void OpenInBrowser(const std::string& address) {
    win::ShellOpen(address);
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
