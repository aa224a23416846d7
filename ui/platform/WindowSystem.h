#pragma once

#include <QLatin1String>
#include <QRect>
#include <QStringView>
#include <functional>
#include <optional>

class QWidget;

namespace kmq::platform {

// Picks the window system before Qt is asked for one, and says whether one
// can be reached at all: Qt aborts the process when the one it takes does
// not answer. An X display that answers comes first, also on a Wayland
// session through XWayland: only there can the board place itself and stay
// above other windows. A Wayland display that answers comes next. Platforms
// named in QT_QPA_PLATFORM are taken in their order, those of X and Wayland
// only when their display answers; the X display is the one named by the
// -display argument, or else by DISPLAY, with its screen.
bool chooseWindowSystem(int argc, char* argv[]);

// Whether Qt's platform of this name is Wayland (wayland, wayland-egl, ...).
inline bool isWaylandPlatform(QStringView platformName) {
    return platformName.startsWith(QLatin1String("wayland"));
}

// Ends the program, or closes the window, when its native window is
// destroyed by another program, which Qt does not report as a close.
void quitWhenDestroyedElsewhere(QWidget* window);
void closeWhenDestroyedElsewhere(QWidget* window);

// Whether a window that another has taken the keyboard from still gets the
// release of a button pressed in it. X keeps the pointer with the window
// that a press began in for as long as it is mapped, whatever takes the
// keyboard; Windows takes the pointer's capture away with the foreground.
bool keepsPointerWhenInactive(QWidget* window);

// The part of the desktop that shows the window, where the window system
// knows it better than Qt's screens: on X the root window, which a lower
// resolution shrinks while Qt keeps the size of a screen that has no output
// left. Empty elsewhere.
std::optional<QRect> desktopArea(QWidget* window);

// Runs `action` whenever the desktop's area changes without Qt's screens
// telling (the root window resized on X), for as long as the window lives.
void onDesktopResized(QWidget* window, std::function<void()> action);

}  // namespace kmq::platform
