// X11: ask the window manager for the EWMH state _NET_WM_STATE_ABOVE.
#include <QGuiApplication>
#include <QWidget>
#include <algorithm>

#include "ui/platform/WindowStacking.h"

// clang-format off: Xlib must come after Qt, it defines macros such as None and Bool
#include <X11/Xatom.h>
#include <X11/Xlib.h>
// clang-format on

namespace kmq::platform {
namespace {

constexpr long NetWmStateRemove = 0;
constexpr long NetWmStateAdd = 1;
constexpr long SourceIsApplication = 1;

// The X display, while the window is mapped on it: until then the window
// manager reads the state from the window itself, which Qt writes from its
// flags when it maps it. Null off X11 (Wayland) too.
Display* displayOfMapped(QWidget* window) {
    auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    Display* display = x11 ? x11->display() : nullptr;
    return display && window->isVisible() && window->internalWinId() ? display : nullptr;
}

}  // namespace

void setStaysOnTop(QWidget* window, bool onTop) {
    Display* display = displayOfMapped(window);
    if (!display) {
        setStaysOnTopThroughQt(window, onTop);
        return;
    }

    recordStaysOnTop(window, onTop);

    XEvent event{};
    event.xclient.type = ClientMessage;
    event.xclient.window = static_cast<Window>(window->internalWinId());
    event.xclient.message_type = XInternAtom(display, "_NET_WM_STATE", False);
    event.xclient.format = 32;
    event.xclient.data.l[0] = onTop ? NetWmStateAdd : NetWmStateRemove;
    event.xclient.data.l[1] = static_cast<long>(XInternAtom(display, "_NET_WM_STATE_ABOVE", False));
    event.xclient.data.l[2] = 0;
    event.xclient.data.l[3] = SourceIsApplication;
    XSendEvent(display, DefaultRootWindow(display), False, SubstructureRedirectMask | SubstructureNotifyMask,
               &event);
    XFlush(display);
}

// The window manager writes the state it keeps into _NET_WM_STATE.
std::optional<bool> staysOnTop(QWidget* window) {
    Display* display = displayOfMapped(window);
    if (!display) return std::nullopt;

    const Atom above = XInternAtom(display, "_NET_WM_STATE_ABOVE", False);
    Atom type = 0;
    int format = 0;
    unsigned long count = 0, remaining = 0;
    unsigned char* data = nullptr;
    const int status = XGetWindowProperty(display, static_cast<Window>(window->internalWinId()),
                                          XInternAtom(display, "_NET_WM_STATE", False), 0, 64, False, XA_ATOM,
                                          &type, &format, &count, &remaining, &data);
    if (status != Success) return std::nullopt;
    bool found = false;
    if (data && type == XA_ATOM && format == 32) {
        const auto* atoms = reinterpret_cast<const Atom*>(data);
        found = std::find(atoms, atoms + count, above) != atoms + count;
    }
    if (data) XFree(data);
    return found;
}

}  // namespace kmq::platform
