#include "platform/Process.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QRegularExpression>
#include <QtGlobal>

#include <cstdio>
#include <cstdlib>
#include <vector>

#ifdef LUNETRA_HAS_XCB
#include <xcb/xcb.h>
#endif

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

std::string PreferredPlatformPlugIn() {
#ifdef LUNETRA_HAS_XCB
    const bool waylandSession =
        qgetenv("XDG_SESSION_TYPE") == "wayland" || !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY");
    if (!waylandSession || !qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") ||
        qEnvironmentVariableIsEmpty("DISPLAY"))
        return {};
    // Only an X server that answers: Qt would not fall back to Wayland from one that does not.
    xcb_connection_t* connection = xcb_connect(nullptr, nullptr);
    const bool reachable = xcb_connection_has_error(connection) == 0;
    xcb_disconnect(connection);
    return reachable ? "xcb" : "";
#else
    return {};
#endif
}

namespace {

struct HeldMessage {
    QtMsgType type;
    std::string file, function, category;
    int line;
    QString text;
};

std::string failureLine;
std::vector<HeldMessage> held;
QtMessageHandler previousHandler = nullptr;

// A display that is there but a platform plug-in that Qt lacks: which one, and what helps.
std::string MissingPlugInLine(const QString& fatalText) {
    static const QRegularExpression notFound(
        QStringLiteral("Could not find the Qt platform plugin \"([^\"]*)\""));
    for (const HeldMessage& message : held) {
        const QRegularExpressionMatch match = notFound.match(message.text);
        if (!match.hasMatch())
            continue;
        const QString platform = match.captured(1);
        const QString help =
            platform == QStringLiteral("wayland") || platform == QStringLiteral("wayland-egl")
                ? QStringLiteral("install qt6-wayland, or unset QT_QPA_PLATFORM to use X11")
                : QStringLiteral("set QT_QPA_PLATFORM to one Qt has (%1), or unset it")
                      .arg(fatalText.section(QStringLiteral("are: "), 1).trimmed().chopped(1));
        return QStringLiteral("Lunetra cannot start: Qt has no \"%1\" platform plug-in here; %2.")
            .arg(platform, help)
            .toStdString();
    }
    return failureLine;
}

// Qt reports a platform that cannot start with a fatal message and then aborts; this one
// line says it instead, and the end is an ordinary failure, not a crash.
void HoldOrExit(QtMsgType type, const QMessageLogContext& context, const QString& text) {
    if (type == QtFatalMsg) {
        std::fprintf(stderr, "%s\n", MissingPlugInLine(text).c_str());
        std::fflush(stderr);
        std::_Exit(1);
    }
    held.push_back({type, context.file ? context.file : "",
                    context.function ? context.function : "",
                    context.category ? context.category : "", context.line, text});
}

} // namespace

DisplayFailureExit::DisplayFailureExit(std::string line) {
    failureLine = std::move(line);
    previousHandler = qInstallMessageHandler(HoldOrExit);
}

DisplayFailureExit::~DisplayFailureExit() {
    qInstallMessageHandler(previousHandler);
    for (const HeldMessage& message : held) {
        const QMessageLogContext context(message.file.c_str(), message.line,
                                         message.function.c_str(), message.category.c_str());
        if (previousHandler != nullptr)
            previousHandler(message.type, context, message.text);
    }
    held.clear();
}

} // namespace lunetra::platform
