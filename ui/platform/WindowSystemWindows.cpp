// Windows: always there; Qt reports a destroyed window as closed.
#include <windows.h>

#include <QWidget>

#include "ui/platform/WindowSystem.h"

namespace kmq::platform {

bool chooseWindowSystem(int, char*[]) {
    return true;
}

void quitWhenDestroyedElsewhere(QWidget*) {}
void closeWhenDestroyedElsewhere(QWidget*) {}

// A press captures the pointer for the window it began in (Qt asks for
// that); the system cancels the capture when the window's thread leaves
// the foreground, and the release then goes elsewhere.
bool keepsPointerWhenInactive(QWidget* window) {
    return window->internalWinId() && GetCapture() == reinterpret_cast<HWND>(window->internalWinId());
}

// Qt's screens follow every change of the displays here.
std::optional<QRect> desktopArea(QWidget*) {
    return std::nullopt;
}

void onDesktopResized(QWidget*, std::function<void()>) {}

}  // namespace kmq::platform
