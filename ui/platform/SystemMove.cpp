// Chosen at run time: a Linux build meets X11 and Wayland alike.
#include <QGuiApplication>
#include <QWidget>
#include <QWindow>

#include "ui/platform/SystemMove.h"
#include "ui/platform/WindowSystem.h"

namespace kmq::platform {

bool startSystemMove(QWidget* window) {
    if (!isWaylandPlatform(QGuiApplication::platformName())) return false;
    QWindow* handle = window->windowHandle();
    return handle && handle->startSystemMove();
}

}  // namespace kmq::platform
