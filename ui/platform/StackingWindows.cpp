// Windows: the topmost band, with the window's position and size kept.
#include <windows.h>

#include <QWidget>

#include "WindowStacking.h"

namespace kmq::platform {

void SetStaysOnTop(QWidget* window, bool onTop) {
    if (!window->testAttribute(Qt::WA_WState_Created)) {
        SetStaysOnTopThroughQt(window, onTop);  // applied when the window is created
        return;
    }
    RecordStaysOnTop(window, onTop);
    SetWindowPos(reinterpret_cast<HWND>(window->winId()), onTop ? HWND_TOPMOST : HWND_NOTOPMOST, 0, 0, 0, 0,
                 SWP_NOMOVE | SWP_NOSIZE);
}

}  // namespace kmq::platform
