// X11: ask the window manager for the EWMH state _NET_WM_STATE_ABOVE.
#include <QEvent>
#include <QGuiApplication>
#include <QWidget>
#include <QWindow>
#include <algorithm>

#include "ui/platform/WindowStacking.h"

namespace {
constexpr QEvent::Type ExposeEvent = QEvent::Expose;  // Xlib takes the name for a macro
}

// clang-format off: Xlib must come after Qt, it defines macros such as None and Bool
#include <X11/Xatom.h>
#include <X11/Xlib.h>
// clang-format on

namespace kmq::platform {
namespace {

constexpr long NetWmStateRemove = 0;
constexpr long NetWmStateAdd = 1;
constexpr long SourceIsApplication = 1;
constexpr char WantedOnTop[] = "kmqWantedOnTop";

Display* x11Display() {
    auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    return x11 ? x11->display() : nullptr;
}

// The X display, while the window is on the screen.
Display* displayOfMapped(QWidget* window) {
    Display* display = x11Display();
    return display && window->windowHandle() && window->windowHandle()->isExposed() ? display : nullptr;
}

// A window that is not on the screen yet is asked into the topmost band
// once it is: the state a window is mapped with counts as the program's own
// setting with some window managers, which then never let a request take
// it away again (icewm), and asking before the map is lost on others.
class AskWhenOnScreen final : public QObject {
public:
    explicit AskWhenOnScreen(QWidget* window) : QObject(window), window_(window) {
        window->installEventFilter(this);
        watchNativeWindow();
    }

    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched == window_ && event->type() == QEvent::Show) watchNativeWindow();
        if (watched == window_->windowHandle() && event->type() == ExposeEvent && displayOfMapped(window_)) {
            window_->removeEventFilter(this);
            watched->removeEventFilter(this);
            deleteLater();
            // Cleared, so that a request made while the window is off the
            // screen again gets a watcher of its own.
            const bool onTop = window_->property(WantedOnTop).toBool();
            window_->setProperty(WantedOnTop, QVariant());
            setStaysOnTop(window_, onTop);
        }
        return false;
    }

private:
    void watchNativeWindow() {
        if (QWindow* handle = window_->windowHandle()) handle->installEventFilter(this);
    }

    QWidget* window_;
};

}  // namespace

void setStaysOnTop(QWidget* window, bool onTop) {
    if (!x11Display()) {
        setStaysOnTopThroughQt(window, onTop);
        return;
    }
    Display* display = displayOfMapped(window);
    if (!display) {
        if (!window->property(WantedOnTop).isValid()) new AskWhenOnScreen(window);
        window->setProperty(WantedOnTop, onTop);
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

namespace {

// Whether a list of atoms held in a window's property holds the atom; empty
// when the window has no such list.
std::optional<bool> listHolds(Display* display, Window window, const char* property, Atom wanted) {
    Atom type = 0;
    int format = 0;
    unsigned long count = 0, remaining = 0;
    unsigned char* data = nullptr;
    const int status = XGetWindowProperty(display, window, XInternAtom(display, property, False), 0, 1024, False,
                                          XA_ATOM, &type, &format, &count, &remaining, &data);
    std::optional<bool> holds;
    if (status == Success && data && type == XA_ATOM && format == 32) {
        const auto* atoms = reinterpret_cast<const Atom*>(data);
        holds = std::find(atoms, atoms + count, wanted) != atoms + count;
    }
    if (data) XFree(data);
    return holds;
}

}  // namespace

// The window manager writes the state it keeps into _NET_WM_STATE, if it
// keeps windows above others at all: with none that does (no window manager)
// nobody can tell.
std::optional<bool> staysOnTop(QWidget* window) {
    Display* display = displayOfMapped(window);
    if (!display) return std::nullopt;
    const Atom above = XInternAtom(display, "_NET_WM_STATE_ABOVE", False);
    if (listHolds(display, DefaultRootWindow(display), "_NET_SUPPORTED", above) != true) return std::nullopt;
    return listHolds(display, static_cast<Window>(window->internalWinId()), "_NET_WM_STATE", above).value_or(false);
}

}  // namespace kmq::platform
