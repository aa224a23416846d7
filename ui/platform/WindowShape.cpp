#include "ui/platform/WindowShape.h"

#include <QGuiApplication>
#include <QRegion>
#include <QWidget>
#include <QWindow>

#include "ui/platform/WindowSystem.h"

namespace kmq::platform {

// Qt hands the outline to the window system in the screen's pixels once,
// and a widget given the same mask again does nothing; the native window
// itself is told again, at its screen's pixel ratio. On Wayland a mask only
// keeps the pointer out: the window is made translucent there, so that
// what it does not draw shows what lies beneath.
void shapeWindow(QWidget* window, const QPolygon& outline) {
    const QRegion region(outline, Qt::OddEvenFill);
    window->setMask(region);
    if (QWindow* native = window->windowHandle()) native->setMask(region);
    if (isWaylandPlatform(QGuiApplication::platformName()))
        window->setAttribute(Qt::WA_TranslucentBackground);
}

}  // namespace kmq::platform
