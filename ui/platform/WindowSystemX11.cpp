// X11: a display that answers, preferred to Wayland, and DestroyNotify for
// our own window.
#include <QAbstractNativeEventFilter>
#include <QCoreApplication>
#include <QtGlobal>
#include <QWidget>
#include <cstdlib>

#include "ui/platform/WindowSystem.h"

// clang-format off: Xlib must come after Qt, it defines macros such as None and Bool
#include <X11/Xlib.h>
#include <xcb/xcb.h>
// clang-format on

namespace kmq::platform {
namespace {

bool isSet(const char* name) {
    const char* value = std::getenv(name);
    return value && *value;
}

class DestroyWatch final : public QAbstractNativeEventFilter {
public:
    explicit DestroyWatch(QWidget* window) : window_(window) {}

    bool nativeEventFilter(const QByteArray& eventType, void* message, qintptr*) override {
        if (eventType != "xcb_generic_event_t") return false;
        const auto* event = static_cast<const xcb_generic_event_t*>(message);
        if ((event->response_type & 0x7F) != XCB_DESTROY_NOTIFY) return false;
        const auto* destroyed = static_cast<const xcb_destroy_notify_event_t*>(message);
        if (window_->internalWinId() &&
            destroyed->window == static_cast<xcb_window_t>(window_->internalWinId()))
            QCoreApplication::quit();
        return false;
    }

private:
    QWidget* window_;
};

bool x11DisplayAnswers() {
    if (!isSet("DISPLAY")) return false;
    Display* display = XOpenDisplay(nullptr);
    if (!display) return false;
    XCloseDisplay(display);
    return true;
}

}  // namespace

// Qt takes Wayland first whenever a Wayland session offers it.
bool chooseWindowSystem() {
    if (isSet("QT_QPA_PLATFORM")) return true;
    if (x11DisplayAnswers()) {
        if (isSet("WAYLAND_DISPLAY")) qputenv("QT_QPA_PLATFORM", "xcb");
        return true;
    }
    return isSet("WAYLAND_DISPLAY");
}

void quitWhenDestroyedElsewhere(QWidget* window) {
    auto* watch = new DestroyWatch(window);
    QCoreApplication::instance()->installNativeEventFilter(watch);
    QObject::connect(window, &QObject::destroyed, [watch] {
        QCoreApplication::instance()->removeNativeEventFilter(watch);
        delete watch;
    });
}

}  // namespace kmq::platform
