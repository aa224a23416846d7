#pragma once

class QWidget;

namespace kmq::platform {

// Whether a window system can be reached before Qt is asked for one: Qt
// aborts the process when it finds none. True where Qt is told which
// platform to use, since Qt then answers for it.
bool windowSystemAvailable();

// Ends the program when the window's native window is destroyed by another
// program, which Qt does not report as a close.
void quitWhenDestroyedElsewhere(QWidget* window);

}  // namespace kmq::platform
