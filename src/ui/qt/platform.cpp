// Starting and ending on the platform: Qt's messages held while the platform starts,
// passed on if it starts and replaced by one plain line if it cannot; signals turned
// into calls on the UI thread; and the X11 window manager's word on a window's frame.
#include "platform.h"

#include "look.h"
#include "ui/texts.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QSocketNotifier>
#include <QWindow>

#include <wayland-client.h>
#include <xcb/xcb.h>

#include <algorithm>
#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <sys/socket.h>
#include <unistd.h>
#include <vector>

namespace tarvelon::qt {

namespace {

// Qt's messages while the platform starts.
struct HeldMessage {
    QtMsgType type;
    const char *file, *function, *category; // Qt's own literals, which live as long as the program
    int line;
    QString text;
};

std::vector<HeldMessage> held;

std::string describe(const char* variable) {
    const char* value = std::getenv(variable);
    return value ? std::string(variable) + "=\"" + value + "\""
                 : std::string(variable) + " not set";
}

void holdOrFail(QtMsgType type, const QMessageLogContext& context, const QString& text) {
    if (type == QtFatalMsg) {
        std::fprintf(stderr, "tarvelon2000: no display could be opened (%s, %s)\n",
                     describe("DISPLAY").c_str(), describe("WAYLAND_DISPLAY").c_str());
        std::_Exit(1);
    }
    held.push_back({type, context.file, context.function, context.category, context.line, text});
}

// A signal handler may do next to nothing, so it writes one byte to a socket that the
// event loop watches, and the work is done there.
int signalSockets[2] = {-1, -1}; // the handler writes to the first, the event loop reads the second

void writeOneByte(int) {
    const int saved = errno;
    const char byte = 1;
    [[maybe_unused]] const ssize_t written = ::write(signalSockets[0], &byte, 1);
    errno = saved;
}

// An X11 window manager that supports it is asked for the frame of a window not yet
// mapped, with the desktop standards' request for frame extents, and the answer is taken
// from the event that says the window's property changed. Some window managers never
// answer: the UI thread never waits for one.
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

xcb_window_t rootOf(xcb_connection_t* connection, xcb_window_t window) {
    const Reply<xcb_get_geometry_reply_t> geometry(
        xcb_get_geometry_reply(connection, xcb_get_geometry(connection, window), nullptr));
    return geometry ? geometry->root : xcb_window_t{XCB_WINDOW_NONE};
}

// Asks the window manager for the frame it will put around `window`, if it says in
// `_NET_SUPPORTED` that it answers such a request.
void requestExtents(xcb_connection_t* connection, xcb_window_t window) {
    const xcb_window_t root = rootOf(connection, window);
    const xcb_atom_t request = atom(connection, "_NET_REQUEST_FRAME_EXTENTS");
    const std::vector<uint32_t> supported =
        property(connection, root, atom(connection, "_NET_SUPPORTED"), XCB_ATOM_ATOM);
    if (std::find(supported.begin(), supported.end(), request) == supported.end())
        return;
    xcb_client_message_event_t message{};
    message.response_type = XCB_CLIENT_MESSAGE;
    message.format = 32;
    message.window = window;
    message.type = request;
    xcb_send_event(connection, 0, root,
                   XCB_EVENT_MASK_SUBSTRUCTURE_REDIRECT | XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY,
                   reinterpret_cast<const char*>(&message));
    xcb_flush(connection);
}

// Whether the Wayland compositor offers to draw title bars itself; nothing when none
// answers.
std::optional<bool> compositorDrawsTitleBars() {
    // A socket handed down in WAYLAND_SOCKET can be connected to only once: it is Qt's.
    if (qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY") ||
        qEnvironmentVariableIsSet("WAYLAND_SOCKET"))
        return std::nullopt;
    wl_display* display = wl_display_connect(nullptr);
    if (!display)
        return std::nullopt;
    bool serverSide = false;
    static const wl_registry_listener listener{
        [](void* found, wl_registry*, uint32_t, const char* interface, uint32_t) {
            if (std::strcmp(interface, "zxdg_decoration_manager_v1") == 0 ||
                std::strcmp(interface, "org_kde_kwin_server_decoration_manager") == 0)
                *static_cast<bool*>(found) = true;
        },
        [](void*, wl_registry*, uint32_t) {}};
    wl_registry* registry = wl_display_get_registry(display);
    wl_registry_add_listener(registry, &listener, &serverSide);
    const bool answered = wl_display_roundtrip(display) >= 0;
    wl_registry_destroy(registry);
    wl_display_disconnect(display);
    return answered ? std::optional(serverSide) : std::nullopt;
}

bool xServerReachable() {
    xcb_connection_t* connection = xcb_connect(nullptr, nullptr);
    const bool reachable = xcb_connection_has_error(connection) == 0;
    xcb_disconnect(connection);
    return reachable;
}

// Where the player has not chosen a platform, and a Wayland compositor that leaves title
// bars to its clients runs beside a reachable X server (XWayland), the game runs on X11:
// the desktop's own window manager then draws the frame and reads the fixed size, which
// Qt's Wayland title bars ignore.
void preferDesktopTitleBars() {
    if (qEnvironmentVariableIsSet("QT_QPA_PLATFORM") || qEnvironmentVariableIsEmpty("DISPLAY"))
        return;
    if (compositorDrawsTitleBars() == false && xServerReachable())
        qputenv("QT_QPA_PLATFORM", "xcb");
}

} // namespace

std::unique_ptr<QApplication> startApplication(int& argc, char** argv) {
    preferDesktopTitleBars();
    const QtMessageHandler previous = qInstallMessageHandler(holdOrFail);
    auto application = std::make_unique<QApplication>(argc, argv);
    qInstallMessageHandler(previous);
    for (const HeldMessage& message : held) {
        const QMessageLogContext context(message.file, message.line, message.function,
                                         message.category);
        qt_message_output(message.type, context, message.text);
    }
    held.clear();
    return application;
}

bool onWayland() {
    return QGuiApplication::platformName().startsWith(QLatin1String("wayland"));
}

void configureApplication() {
    QApplication::setApplicationName(QString::fromUtf8(texts::applicationTitle));
    QApplication::setDesktopFileName(QStringLiteral("tarvelon2000"));
    QApplication::setStyle(QStringLiteral("Fusion"));
    QApplication::setFont(defaultFont());
}

void onTerminationSignals(std::function<void()> onSignal) {
    if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0, signalSockets) != 0)
        return; // the signals keep their default, which ends the program all the same
    auto* notifier = new QSocketNotifier(signalSockets[1], QSocketNotifier::Read, qApp);
    QObject::connect(
        notifier, &QSocketNotifier::activated, notifier, [onSignal = std::move(onSignal)] {
            char bytes[16];
            [[maybe_unused]] const ssize_t read = ::read(signalSockets[1], bytes, sizeof bytes);
            onSignal();
        });
    struct sigaction action {};
    action.sa_handler = writeOneByte;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (int signal : {SIGTERM, SIGINT, SIGHUP})
        sigaction(signal, &action, nullptr);
}

void endAtOnceOnWayland(int status) {
    if (!onWayland())
        return;
    // Both windows are closed by now; the compositor forgets a client that leaves.
    std::fflush(nullptr);
    std::_Exit(status);
}

FrameExtents::FrameExtents(const QWindow& window, std::function<void(const QMargins&)> onFrame)
    : window_(window), onFrame_(std::move(onFrame)) {
    const auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    connection_ = x11 ? x11->connection() : nullptr;
    if (!connection_)
        return;
    extents_ = atom(connection_, "_NET_FRAME_EXTENTS");
    QCoreApplication::instance()->installNativeEventFilter(this);
    requestExtents(connection_, static_cast<xcb_window_t>(window.winId()));
}

FrameExtents::~FrameExtents() {
    if (connection_)
        QCoreApplication::instance()->removeNativeEventFilter(this);
}

bool FrameExtents::nativeEventFilter(const QByteArray& eventType, void* message, qintptr*) {
    if (eventType != "xcb_generic_event_t")
        return false;
    const auto* event = static_cast<const xcb_property_notify_event_t*>(message);
    const auto id = static_cast<xcb_window_t>(window_.winId());
    if ((event->response_type & 0x7f) != XCB_PROPERTY_NOTIFY || event->window != id ||
        event->atom != extents_ || event->state != XCB_PROPERTY_NEW_VALUE)
        return false;
    const std::vector<uint32_t> ltrb = property(connection_, id, extents_, XCB_ATOM_CARDINAL);
    if (ltrb.size() != 4)
        return false;
    // Once the shown window is framed, the frame is known for good: later words,
    // after the player has moved the window, must not move it back.
    if (window_.isVisible())
        QCoreApplication::instance()->removeNativeEventFilter(this);
    const QMargins native(static_cast<int>(ltrb[0]), static_cast<int>(ltrb[2]),
                          static_cast<int>(ltrb[1]), static_cast<int>(ltrb[3]));
    onFrame_(native / window_.devicePixelRatio());
    return false;
}

} // namespace tarvelon::qt
