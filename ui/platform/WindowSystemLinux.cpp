// Linux: X11 or Wayland, whichever answers, X11 first; and X11's
// DestroyNotify for our own window.
#include <QAbstractNativeEventFilter>
#include <QCoreApplication>
#include <QtGlobal>
#include <QWidget>
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

// Watches the window's native window until the widget goes.
void watchDestruction(QWidget* window, std::function<void()> action) {
    auto* watch = new DestroyWatch(window, std::move(action));
    QCoreApplication::instance()->installNativeEventFilter(watch);
    QObject::connect(window, &QObject::destroyed, [watch] {
        QCoreApplication::instance()->removeNativeEventFilter(watch);
        delete watch;
    });
}

// Only the connection: Xlib's XOpenDisplay would also set up its own
// library over it and ask the server about extensions, all thrown away
// before Qt makes a connection of its own.
bool x11DisplayAnswers() {
    if (!isSet("DISPLAY")) return false;
    xcb_connection_t* connection = xcb_connect(nullptr, nullptr);
    const bool answers = xcb_connection_has_error(connection) == 0;
    xcb_disconnect(connection);
    return answers;
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

}  // namespace

std::string waylandSocketPath(const char* waylandDisplay, const char* runtimeDir) {
    const std::string display = waylandDisplay && *waylandDisplay ? waylandDisplay : "wayland-0";
    if (display.front() == '/') return display;
    if (!runtimeDir || !*runtimeDir) return {};
    return std::string(runtimeDir) + "/" + display;
}

// Qt would take Wayland first on a Wayland session, and aborts when the
// platform it takes does not answer; the platform is named for it here.
bool chooseWindowSystem() {
    if (isSet("QT_QPA_PLATFORM")) return true;
    if (x11DisplayAnswers()) {
        qputenv("QT_QPA_PLATFORM", "xcb");
        return true;
    }
    if (waylandDisplayAnswers()) {
        qputenv("QT_QPA_PLATFORM", "wayland");
        return true;
    }
    return false;
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
