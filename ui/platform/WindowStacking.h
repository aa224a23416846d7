#pragma once

#include <Qt>
#include <optional>

class QWidget;

namespace kmq::platform {

// Where a top-level window stands among the others. Only the stacking
// changes: the window is neither moved, resized, hidden nor re-created.
class WindowStacking {
public:
    virtual ~WindowStacking() = default;

    // Above every window that is not topmost, also when another is active.
    virtual void makeTopmost(QWidget* window) = 0;
    virtual void makeNotTopmost(QWidget* window) = 0;

    // Whether the window system keeps the window above the others now, as
    // it reports it; the player may change it there too (a window
    // manager's own menu). Empty when it cannot tell.
    virtual std::optional<bool> isTopmost(QWidget* window) = 0;
};

// The window system's own means, chosen when the game is built.
WindowStacking& nativeStacking();

// Brings Qt's own record of the window's flags up to date, without touching
// the native window; every path does this so that Qt never undoes a change.
Qt::WindowFlags recordStaysOnTop(QWidget* window, bool onTop);

// Changes the stacking through Qt's stay-on-top flag, in place; the fallback
// where the native means are not available.
void setStaysOnTopThroughQt(QWidget* window, bool onTop);

// The native means of this build; each window system has its own file.
void setStaysOnTop(QWidget* window, bool onTop);
std::optional<bool> staysOnTop(QWidget* window);

}  // namespace kmq::platform
