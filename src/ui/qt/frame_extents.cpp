// Asks an X11 window manager, with the desktop standards' request for frame extents,
// how wide the frame of a window not yet mapped will be, and waits briefly for the
// answer in the window's property.
#include "frame_extents.h"

#include <QGuiApplication>
#include <QWindow>

#include <xcb/xcb.h>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <thread>
#include <vector>

namespace tarvelon::qt {

namespace {

struct FreeReply {
    void operator()(void* reply) const { std::free(reply); }
};
template <typename T>
using Reply = std::unique_ptr<T, FreeReply>;

xcb_atom_t atom(xcb_connection_t* connection, const char* name) {
    const Reply<xcb_intern_atom_reply_t> reply(xcb_intern_atom_reply(
        connection, xcb_intern_atom(connection, 0, static_cast<uint16_t>(std::strlen(name)), name),
        nullptr));
    return reply ? reply->atom : xcb_atom_t{XCB_ATOM_NONE};
}

// A property's 32-bit values; empty when it is not set.
std::vector<uint32_t> property(xcb_connection_t* connection, xcb_window_t window, xcb_atom_t name,
                               xcb_atom_t type) {
    const Reply<xcb_get_property_reply_t> reply(xcb_get_property_reply(
        connection, xcb_get_property(connection, 0, window, name, type, 0, 1024), nullptr));
    if (!reply || reply->format != 32)
        return {};
    const auto* values = static_cast<const uint32_t*>(xcb_get_property_value(reply.get()));
    return {values, values + xcb_get_property_value_length(reply.get()) / 4};
}

// The window manager's answer in the window's property, waited for a moment: it comes
// within milliseconds when it comes at all.
std::optional<QMargins> waitForExtents(xcb_connection_t* connection, const QWindow& window) {
    const auto id = static_cast<xcb_window_t>(window.winId());
    const xcb_atom_t extents = atom(connection, "_NET_FRAME_EXTENTS");
    using namespace std::chrono_literals;
    const auto deadline = std::chrono::steady_clock::now() + 500ms;
    do {
        const std::vector<uint32_t> ltrb = property(connection, id, extents, XCB_ATOM_CARDINAL);
        if (ltrb.size() == 4) {
            const QMargins native(static_cast<int>(ltrb[0]), static_cast<int>(ltrb[2]),
                                  static_cast<int>(ltrb[1]), static_cast<int>(ltrb[3]));
            return native / window.devicePixelRatio();
        }
        std::this_thread::sleep_for(5ms);
    } while (std::chrono::steady_clock::now() < deadline);
    return std::nullopt;
}

xcb_connection_t* x11Connection() {
    const auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    return x11 ? x11->connection() : nullptr;
}

} // namespace

std::optional<QMargins> expectedFrameMargins(const QWindow& window) {
    xcb_connection_t* connection = x11Connection();
    if (!connection)
        return QMargins();
    const auto id = static_cast<xcb_window_t>(window.winId());
    const Reply<xcb_get_geometry_reply_t> geometry(
        xcb_get_geometry_reply(connection, xcb_get_geometry(connection, id), nullptr));
    if (!geometry)
        return QMargins();
    const xcb_window_t root = geometry->root;
    const std::vector<uint32_t> supported =
        property(connection, root, atom(connection, "_NET_SUPPORTED"), XCB_ATOM_ATOM);
    if (supported.empty())
        return QMargins();
    const xcb_atom_t request = atom(connection, "_NET_REQUEST_FRAME_EXTENTS");
    if (std::find(supported.begin(), supported.end(), request) == supported.end())
        return std::nullopt;

    xcb_client_message_event_t message{};
    message.response_type = XCB_CLIENT_MESSAGE;
    message.format = 32;
    message.window = id;
    message.type = request;
    xcb_send_event(connection, 0, root,
                   XCB_EVENT_MASK_SUBSTRUCTURE_REDIRECT | XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY,
                   reinterpret_cast<const char*>(&message));
    xcb_flush(connection);
    return waitForExtents(connection, window);
}

QMargins frameMargins(const QWindow& window) {
    xcb_connection_t* connection = x11Connection();
    return connection ? waitForExtents(connection, window).value_or(QMargins()) : QMargins();
}

} // namespace tarvelon::qt
