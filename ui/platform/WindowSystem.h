#pragma once

class QWidget;

namespace kmq::platform {

// Picks the window system before Qt is asked for one, and says whether one
// can be reached at all: Qt aborts the process when it finds none. A
// platform named in QT_QPA_PLATFORM always stands (Qt answers for it). A
// Wayland session that also offers X11 through XWayland gets X11: only
// there can the board place itself and stay above other windows.
bool chooseWindowSystem();

// True once the window system has taken over moving the window for the
// rest of the press that began a drag. Wayland lets no program place its
// own window, so there the compositor moves it; elsewhere the program
// follows the pointer itself.
bool startSystemMove(QWidget* window);

// Ends the program when the window's native window is destroyed by another
// program, which Qt does not report as a close.
void quitWhenDestroyedElsewhere(QWidget* window);

}  // namespace kmq::platform
