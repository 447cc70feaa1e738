#include "platform/WindowFrame.h"

#include <QGuiApplication>
#include <QWidget>

#ifdef LUNETRA_HAS_WAYLAND
#include <wayland-client.h>

#include <cstdint>
#include <cstring>
#endif

#ifdef LUNETRA_HAS_XCB
#include <QDeadlineTimer>
#include <QThread>

#include <xcb/xcb.h>

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <optional>
#endif

namespace lunetra::platform {

#ifdef LUNETRA_HAS_XCB
namespace {

// Qt's own connection to the X server; none off X11, nor where a platform offers the interface
// without a display (offscreen).
xcb_connection_t* X11Connection() {
    const auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    return x11 != nullptr ? x11->connection() : nullptr;
}

template <typename Reply> using Owned = std::unique_ptr<Reply, decltype(&std::free)>;

xcb_atom_t Atom(xcb_connection_t* connection, const char* name) {
    const Owned<xcb_intern_atom_reply_t> reply(
        xcb_intern_atom_reply(
            connection, xcb_intern_atom(connection, 0, std::uint16_t(std::strlen(name)), name),
            nullptr),
        &std::free);
    return reply ? reply->atom : xcb_atom_t(XCB_ATOM_NONE);
}

Owned<xcb_get_property_reply_t> Property(xcb_connection_t* connection, xcb_window_t window,
                                         xcb_atom_t property, xcb_atom_t type) {
    return {xcb_get_property_reply(connection,
                                   xcb_get_property(connection, 0, window, property, type, 0, 1024),
                                   nullptr),
            &std::free};
}

// The frame as the window manager says it is, or would be: _NET_FRAME_EXTENTS.
std::optional<QMargins> FrameExtents(xcb_connection_t* connection, xcb_window_t window) {
    const auto reply =
        Property(connection, window, Atom(connection, "_NET_FRAME_EXTENTS"), XCB_ATOM_CARDINAL);
    if (!reply || xcb_get_property_value_length(reply.get()) != 4 * sizeof(std::uint32_t))
        return std::nullopt;
    const auto* edge = static_cast<const std::uint32_t*>(xcb_get_property_value(reply.get()));
    return QMargins(int(edge[0]), int(edge[2]), int(edge[1]), int(edge[3]));
}

// Whether the window manager names this among what it does (_NET_SUPPORTED); false where
// no window manager runs.
bool Supported(xcb_connection_t* connection, xcb_atom_t feature) {
    const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(connection)).data->root;
    const auto supported =
        Property(connection, root, Atom(connection, "_NET_SUPPORTED"), XCB_ATOM_ATOM);
    if (!supported || feature == XCB_ATOM_NONE)
        return false;
    const auto* atoms = static_cast<const xcb_atom_t*>(xcb_get_property_value(supported.get()));
    const int count = xcb_get_property_value_length(supported.get()) / int(sizeof(xcb_atom_t));
    return std::find(atoms, atoms + count, feature) != atoms + count;
}

// Window managers write the frame at once when asked, or as they frame the window; one that
// does not within a fifth of a second leaves the window placed without it.
std::optional<QMargins> AwaitFrameExtents(xcb_connection_t* connection, xcb_window_t window) {
    if (!Supported(connection, Atom(connection, "_NET_FRAME_EXTENTS")))
        return std::nullopt;
    for (QDeadlineTimer deadline(200); !deadline.hasExpired(); QThread::usleep(500))
        if (const auto frame = FrameExtents(connection, window))
            return frame;
    return std::nullopt;
}

// _NET_REQUEST_FRAME_EXTENTS: the window manager writes the frame it would give the window
// into the window's _NET_FRAME_EXTENTS, before the window is mapped.
QMargins AskWindowManager(xcb_connection_t* connection, xcb_window_t window) {
    const xcb_atom_t request = Atom(connection, "_NET_REQUEST_FRAME_EXTENTS");
    if (!Supported(connection, request))
        return {}; // no window manager, or one that cannot say (KWin)
    xcb_client_message_event_t message{};
    message.response_type = XCB_CLIENT_MESSAGE;
    message.format = 32;
    message.window = window;
    message.type = request;
    const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(connection)).data->root;
    xcb_send_event(connection, 0, root,
                   XCB_EVENT_MASK_SUBSTRUCTURE_REDIRECT | XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY,
                   reinterpret_cast<const char*>(&message));
    xcb_flush(connection);
    return AwaitFrameExtents(connection, window).value_or(QMargins());
}

} // namespace
#endif

QMargins FrameMargins(QWidget* window) {
    const QRect inner = window->geometry();
    const QRect outer = window->frameGeometry();
    const QMargins known(inner.left() - outer.left(), inner.top() - outer.top(),
                         outer.right() - inner.right(), outer.bottom() - inner.bottom());
    if (!known.isNull() || window->isVisible())
        return known;
#ifdef LUNETRA_HAS_XCB
    if (xcb_connection_t* connection = X11Connection())
        return AskWindowManager(connection, xcb_window_t(window->winId()));
#endif
    return known;
}

std::optional<QMargins> DrawnFrameMargins(QWidget* window) {
#ifdef LUNETRA_HAS_XCB
    if (xcb_connection_t* connection = X11Connection())
        return AwaitFrameExtents(connection, xcb_window_t(window->winId()));
#endif
    (void)window;
    return std::nullopt;
}

bool CompositorDrawsFrames() {
#ifdef LUNETRA_HAS_WAYLAND
    if (!QGuiApplication::platformName().startsWith(QStringLiteral("wayland")))
        return false;
    // Qt asks for the compositor's frame through the decoration protocol wherever it is
    // offered; the answer does not change while the session lasts.
    static const bool offered = [] {
        wl_display* display = wl_display_connect(nullptr);
        if (display == nullptr)
            return false;
        bool found = false;
        const wl_registry_listener listener{
            [](void* data, wl_registry*, std::uint32_t, const char* interface, std::uint32_t) {
                if (std::strcmp(interface, "zxdg_decoration_manager_v1") == 0)
                    *static_cast<bool*>(data) = true;
            },
            [](void*, wl_registry*, std::uint32_t) {}};
        wl_registry* registry = wl_display_get_registry(display);
        wl_registry_add_listener(registry, &listener, &found);
        wl_display_roundtrip(display);
        wl_registry_destroy(registry);
        wl_display_disconnect(display);
        return found;
    }();
    return offered;
#else
    return false;
#endif
}

} // namespace lunetra::platform
