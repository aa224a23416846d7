// Windows: the topmost band, with the window's position and size kept.
#include <windows.h>

#include <QWidget>

#include "ui/platform/TopmostBand.h"
#include "ui/platform/WindowStacking.h"

namespace kmq::platform {

void setStaysOnTop(QWidget* window, bool onTop) {
    if (!window->testAttribute(Qt::WA_WState_Created)) {
        setStaysOnTopThroughQt(window, onTop);  // applied when the window is created
        return;
    }
    recordStaysOnTop(window, onTop);
    placeInTopmostBand(reinterpret_cast<HWND>(window->winId()), onTop);
}

std::optional<bool> staysOnTop(QWidget* window) {
    if (!window->testAttribute(Qt::WA_WState_Created)) return std::nullopt;
    const LONG_PTR style = GetWindowLongPtrW(reinterpret_cast<HWND>(window->winId()), GWL_EXSTYLE);
    return (style & WS_EX_TOPMOST) != 0;
}

}  // namespace kmq::platform
