// Linux: X11 or Wayland, whichever answers, X11 first; and X11's
// DestroyNotify for our own window.
#include <QAbstractNativeEventFilter>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QtGlobal>
#include <QWidget>
#include <QByteArrayList>
#include <cstdlib>
#include <cstring>
#include <functional>
#include <string>
#include <utility>

#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include "ui/platform/WaylandSocket.h"
#include "ui/platform/WindowSystem.h"

#include <xcb/xcb.h>

namespace kmq::platform {
namespace {

bool isSet(const char* name) {
    const char* value = std::getenv(name);
    return value && *value;
}

class DestroyWatch final : public QAbstractNativeEventFilter {
public:
    DestroyWatch(QWidget* window, std::function<void()> action) : window_(window), action_(std::move(action)) {}

    bool nativeEventFilter(const QByteArray& eventType, void* message, qintptr*) override {
        if (eventType != "xcb_generic_event_t") return false;
        const auto* event = static_cast<const xcb_generic_event_t*>(message);
        if ((event->response_type & 0x7F) != XCB_DESTROY_NOTIFY) return false;
        const auto* destroyed = static_cast<const xcb_destroy_notify_event_t*>(message);
        if (window_->internalWinId() &&
            destroyed->window == static_cast<xcb_window_t>(window_->internalWinId()))
            action_();
        return false;
    }

private:
    QWidget* window_;
    std::function<void()> action_;
};

// The root window's ConfigureNotify: the desktop took another size.
class RootResizeWatch final : public QAbstractNativeEventFilter {
public:
    RootResizeWatch(QWidget* window, std::function<void()> action) : window_(window), action_(std::move(action)) {}

    bool nativeEventFilter(const QByteArray& eventType, void* message, qintptr*) override {
        if (eventType != "xcb_generic_event_t") return false;
        const auto* event = static_cast<const xcb_generic_event_t*>(message);
        if ((event->response_type & 0x7F) != XCB_CONFIGURE_NOTIFY) return false;
        const auto* configured = static_cast<const xcb_configure_notify_event_t*>(message);
        if (configured->event == configured->window && isRoot(configured->window))
            QMetaObject::invokeMethod(window_, action_, Qt::QueuedConnection);  // dropped if the window goes first
        return false;
    }

private:
    static bool isRoot(xcb_window_t window) {
        auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
        if (!x11) return false;
        for (auto roots = xcb_setup_roots_iterator(xcb_get_setup(x11->connection())); roots.rem; xcb_screen_next(&roots))
            if (roots.data->root == window) return true;
        return false;
    }

    QWidget* window_;
    std::function<void()> action_;
};

// Keeps a native event filter until the widget goes.
void installWhileAlive(QWidget* window, QAbstractNativeEventFilter* filter) {
    QCoreApplication::instance()->installNativeEventFilter(filter);
    QObject::connect(window, &QObject::destroyed, [filter] {
        QCoreApplication::instance()->removeNativeEventFilter(filter);
        delete filter;
    });
}

// Watches the window's native window until the widget goes.
void watchDestruction(QWidget* window, std::function<void()> action) {
    installWhileAlive(window, new DestroyWatch(window, std::move(action)));
}

// Only the connection: Xlib's XOpenDisplay would also set up its own
// library over it and ask the server about extensions, all thrown away
// before Qt makes a connection of its own. The screen asked for must be one
// of the server's.
bool x11DisplayAnswers(const char* display) {
    if (!display && !isSet("DISPLAY")) return false;
    int screen = 0;
    xcb_connection_t* connection = xcb_connect(display, &screen);
    const bool answers = xcb_connection_has_error(connection) == 0 &&
                         screen < xcb_setup_roots_length(xcb_get_setup(connection));
    xcb_disconnect(connection);
    return answers;
}

// The value of one of Qt's own options ("-display :1" or "--display :1").
const char* qtOption(int argc, char* argv[], const char* name) {
    for (int i = 1; i + 1 < argc; ++i)
        if (std::strcmp(argv[i], name) == 0 || (argv[i][0] == '-' && std::strcmp(argv[i] + 1, name) == 0))
            return argv[i + 1];
    return nullptr;
}

bool waylandDisplayAnswers() {
    const std::string path = waylandSocketPath(std::getenv("WAYLAND_DISPLAY"), std::getenv("XDG_RUNTIME_DIR"));
    sockaddr_un address{};
    if (path.empty() || path.size() >= sizeof(address.sun_path)) return false;
    address.sun_family = AF_UNIX;
    std::memcpy(address.sun_path, path.c_str(), path.size() + 1);
    const int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (fd < 0) return false;
    const bool answers = ::connect(fd, reinterpret_cast<const sockaddr*>(&address), sizeof(address)) == 0;
    ::close(fd);
    return answers;
}

// Qt takes the first platform of the list it can start, whatever the case
// of its name; those whose display does not answer are struck from it.
// (A name Qt has no plugin for is Qt's to answer.)
bool keepNamedPlatformsThatAnswer(const char* display) {
    QByteArrayList kept;
    for (const QByteArray& named : qgetenv("QT_QPA_PLATFORM").split(';')) {
        const QByteArray entry = named.trimmed();
        const QByteArray name = entry.split(':').constFirst().trimmed().toLower();
        if (name == "xcb" && !x11DisplayAnswers(display)) continue;
        if (isWaylandPlatform(QString::fromLatin1(name)) && !waylandDisplayAnswers()) continue;
        if (!name.isEmpty()) kept.append(entry);
    }
    if (kept.isEmpty()) return false;
    qputenv("QT_QPA_PLATFORM", kept.join(';'));
    return true;
}

}  // namespace

std::string waylandSocketPath(const char* waylandDisplay, const char* runtimeDir) {
    const std::string display = waylandDisplay && *waylandDisplay ? waylandDisplay : "wayland-0";
    if (display.front() == '/') return display;
    if (!runtimeDir || !*runtimeDir) return {};
    return std::string(runtimeDir) + "/" + display;
}

// Qt would take Wayland first on a Wayland session, and aborts when the
// platform it takes does not answer; the platform is named for it here.
bool chooseWindowSystem(int argc, char* argv[]) {
    const char* display = qtOption(argc, argv, "-display");
    // Qt's -platform outranks QT_QPA_PLATFORM.
    if (const char* platform = qtOption(argc, argv, "-platform")) qputenv("QT_QPA_PLATFORM", platform);
    if (isSet("QT_QPA_PLATFORM")) return keepNamedPlatformsThatAnswer(display);
    if (x11DisplayAnswers(display)) {
        qputenv("QT_QPA_PLATFORM", "xcb");
        return true;
    }
    if (waylandDisplayAnswers()) {
        qputenv("QT_QPA_PLATFORM", "wayland");
        return true;
    }
    return false;
}

bool keepsPointerWhenInactive(QWidget*) {
    return true;
}

std::optional<QRect> desktopArea(QWidget* window) {
    auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    if (!x11 || !window->internalWinId()) return std::nullopt;
    xcb_connection_t* connection = x11->connection();
    const auto tree = xcb_query_tree(connection, static_cast<xcb_window_t>(window->internalWinId()));
    xcb_query_tree_reply_t* found = xcb_query_tree_reply(connection, tree, nullptr);
    if (!found) return std::nullopt;
    xcb_get_geometry_reply_t* root = xcb_get_geometry_reply(connection, xcb_get_geometry(connection, found->root), nullptr);
    free(found);
    if (!root) return std::nullopt;
    const QRect area(0, 0, root->width, root->height);
    free(root);
    return area;
}

void onDesktopResized(QWidget* window, std::function<void()> action) {
    if (qGuiApp->nativeInterface<QNativeInterface::QX11Application>())
        installWhileAlive(window, new RootResizeWatch(window, std::move(action)));
}

void quitWhenDestroyedElsewhere(QWidget* window) {
    watchDestruction(window, [] { QCoreApplication::quit(); });
}

// Closed after the native event has been handled, as a click on its close
// box would close it: a modal loop waiting on it ends.
void closeWhenDestroyedElsewhere(QWidget* window) {
    watchDestruction(window, [window] { QMetaObject::invokeMethod(window, &QWidget::close, Qt::QueuedConnection); });
}

}  // namespace kmq::platform
