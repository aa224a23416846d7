#pragma once

class QWidget;

namespace kmq::platform {

// Picks the window system before Qt is asked for one, and says whether one
// can be reached at all: Qt aborts the process when the one it takes does
// not answer. A platform named in QT_QPA_PLATFORM always stands (Qt answers
// for it). Otherwise an X display that answers comes first, also on a
// Wayland session through XWayland: only there can the board place itself
// and stay above other windows. A Wayland display that answers comes next.
bool chooseWindowSystem();

// Ends the program, or closes the window, when its native window is
// destroyed by another program, which Qt does not report as a close.
void quitWhenDestroyedElsewhere(QWidget* window);
void closeWhenDestroyedElsewhere(QWidget* window);

}  // namespace kmq::platform
