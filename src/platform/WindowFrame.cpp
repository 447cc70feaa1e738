#include "platform/WindowFrame.h"

#include <QWidget>

#ifdef LUNETRA_HAS_XCB
#include <QDeadlineTimer>
#include <QGuiApplication>
#include <QThread>

#include <xcb/xcb.h>

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <memory>
#endif

namespace lunetra::platform {

#ifdef LUNETRA_HAS_XCB
namespace {

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

// _NET_REQUEST_FRAME_EXTENTS: the window manager writes the frame it would give the window
// into the window's _NET_FRAME_EXTENTS, before the window is mapped.
QMargins AskWindowManager(xcb_connection_t* connection, xcb_window_t window) {
    const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(connection)).data->root;
    const xcb_atom_t request = Atom(connection, "_NET_REQUEST_FRAME_EXTENTS");
    const xcb_atom_t extents = Atom(connection, "_NET_FRAME_EXTENTS");
    const auto supported =
        Property(connection, root, Atom(connection, "_NET_SUPPORTED"), XCB_ATOM_ATOM);
    if (!supported || request == XCB_ATOM_NONE)
        return {};
    const auto* atoms = static_cast<const xcb_atom_t*>(xcb_get_property_value(supported.get()));
    const int count = xcb_get_property_value_length(supported.get()) / int(sizeof(xcb_atom_t));
    if (std::find(atoms, atoms + count, request) == atoms + count)
        return {}; // no window manager, or one that cannot say

    xcb_client_message_event_t message{};
    message.response_type = XCB_CLIENT_MESSAGE;
    message.format = 32;
    message.window = window;
    message.type = request;
    xcb_send_event(connection, 0, root,
                   XCB_EVENT_MASK_SUBSTRUCTURE_REDIRECT | XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY,
                   reinterpret_cast<const char*>(&message));
    xcb_flush(connection);
    // Window managers answer at once; one that does not leaves the window placed without it.
    for (QDeadlineTimer deadline(200); !deadline.hasExpired(); QThread::usleep(500)) {
        const auto reply = Property(connection, window, extents, XCB_ATOM_CARDINAL);
        if (reply && xcb_get_property_value_length(reply.get()) == 4 * sizeof(std::uint32_t)) {
            const auto* edge =
                static_cast<const std::uint32_t*>(xcb_get_property_value(reply.get()));
            return {int(edge[0]), int(edge[2]), int(edge[1]), int(edge[3])};
        }
    }
    return {};
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
    if (const auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>())
        return AskWindowManager(x11->connection(), xcb_window_t(window->winId()));
#endif
    return known;
}

} // namespace lunetra::platform
