// Window systems without a path of ours: Qt finds its own way and reports a
// destroyed window as closed.
#include "ui/platform/WindowSystem.h"

namespace kmq::platform {

bool chooseWindowSystem(int, char*[]) {
    return true;
}

void quitWhenDestroyedElsewhere(QWidget*) {}
void closeWhenDestroyedElsewhere(QWidget*) {}

// Not known here: a carry ends with the activation, as the safe guess.
bool keepsPointerWhenInactive(QWidget*) {
    return false;
}

std::optional<QRect> desktopArea(QWidget*) {
    return std::nullopt;
}

void onDesktopResized(QWidget*, std::function<void()>) {}

}  // namespace kmq::platform
