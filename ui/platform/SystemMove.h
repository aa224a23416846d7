#pragma once

#include <QStringView>

class QWidget;

namespace kmq::platform {

// True once the window system has taken over moving the window for the
// rest of the press that began a drag. Wayland lets no program place its
// own window, so there the compositor moves it; elsewhere the program
// follows the pointer itself.
bool startSystemMove(QWidget* window);

// Whether Qt's platform of this name is Wayland (wayland, wayland-egl, ...).
bool isWaylandPlatform(QStringView platformName);

}  // namespace kmq::platform
