#pragma once

class QWidget;

namespace kmq::platform {

// True once the window system has taken over moving the window for the
// rest of the press that began a drag. Wayland lets no program place its
// own window, so there the compositor moves it; elsewhere the program
// follows the pointer itself.
bool startSystemMove(QWidget* window);

}  // namespace kmq::platform
