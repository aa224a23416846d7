// Windows, and window systems without a path of ours: Qt finds its own way,
// follows every change of the displays and reports a destroyed window as
// closed. Only where the pointer goes with the activation differs.
#include "ui/platform/WindowSystem.h"

#ifdef _WIN32
#include <windows.h>

#include <QWidget>
#endif

namespace kmq::platform {

bool chooseWindowSystem(int, char*[]) {
    return true;
}

void quitWhenDestroyedElsewhere(QWidget*) {}
void closeWhenDestroyedElsewhere(QWidget*) {}

#ifdef _WIN32
// A press captures the pointer for the window it began in (Qt asks for
// that); the system cancels the capture when the window's thread leaves
// the foreground, and the release then goes elsewhere.
bool keepsPointerWhenInactive(QWidget* window) {
    return window->internalWinId() && GetCapture() == reinterpret_cast<HWND>(window->internalWinId());
}
#else
// Not known here: a carry ends with the activation, as the safe guess.
bool keepsPointerWhenInactive(QWidget*) {
    return false;
}
#endif

std::optional<QRect> desktopArea(QWidget*) {
    return std::nullopt;
}

void onDesktopResized(QWidget*, std::function<void()>) {}

}  // namespace kmq::platform
