// Chosen at run time: a Linux build meets X11 and Wayland alike.
#include <QGuiApplication>
#include <QWidget>
#include <QWindow>

#include "ui/platform/SystemMove.h"

namespace kmq::platform {

bool startSystemMove(QWidget* window) {
    if (!QGuiApplication::platformName().startsWith(QLatin1String("wayland"))) return false;
    QWindow* handle = window->windowHandle();
    return handle && handle->startSystemMove();
}

}  // namespace kmq::platform
