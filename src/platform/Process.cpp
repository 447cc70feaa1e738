#include "platform/Process.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QtGlobal>

#include <cstdlib>

namespace lunetra::platform {

void EndProcess(int exitCode) {
    // _Exit, not exit: no atexit handlers, no static destructors, no pending window events.
    std::_Exit(exitCode);
}

std::string ExecutableBaseName() {
    if (QCoreApplication::instance() == nullptr)
        return "lunetra";
    const QString name = QFileInfo(QCoreApplication::applicationFilePath()).completeBaseName();
    if (name.isEmpty())
        return "lunetra";
    return name.toUtf8().toStdString();
}

bool HasDisplay() {
#if defined(_WIN32) || defined(__APPLE__)
    return true;
#else
    // An empty variable names no display, the same as an absent one.
    return !qEnvironmentVariableIsEmpty("DISPLAY") ||
           !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY") ||
           !qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM");
#endif
}

} // namespace lunetra::platform
