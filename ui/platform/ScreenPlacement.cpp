#include "ui/platform/ScreenPlacement.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>
#include <algorithm>

#include "ui/platform/WindowSystem.h"

namespace kmq::platform {
namespace {

// How far a point lies from a rectangle, 0 inside it.
qint64 squaredDistance(QPoint point, const QRect& area) {
    const qint64 dx = std::max({area.left() - point.x(), 0, point.x() - area.right()});
    const qint64 dy = std::max({area.top() - point.y(), 0, point.y() - area.bottom()});
    return dx * dx + dy * dy;
}

int clampedStart(int start, int length, int areaStart, int areaLength) {
    return std::max(areaStart, std::min(start, areaStart + areaLength - length));
}

// The screens as Qt knows them, within what the window system shows.
QList<ScreenArea> screenAreas(QWidget* window) {
    const std::optional<QRect> desktop = desktopArea(window);
    QList<ScreenArea> areas;
    for (const QScreen* screen : QGuiApplication::screens()) {
        ScreenArea area{screen->geometry(), screen->availableGeometry()};
        if (desktop) area = {area.whole & *desktop, area.available & *desktop};
        if (!area.available.isEmpty()) areas.append(area);
    }
    return areas;
}

}  // namespace

void centreOnScreen(QWidget* window, QScreen* screen) {
    const QRect area = screen->geometry();
    window->move(area.x() + (area.width() - window->width()) / 2, area.y() + (area.height() - window->height()) / 2);
}

std::optional<QPoint> positionBackInView(const QRect& frame, const QList<ScreenArea>& screens) {
    if (screens.isEmpty()) return std::nullopt;
    if (std::any_of(screens.begin(), screens.end(), [&](const ScreenArea& s) { return s.whole.intersects(frame); }))
        return std::nullopt;
    const auto nearest = std::min_element(screens.begin(), screens.end(), [&](const ScreenArea& a, const ScreenArea& b) {
        return squaredDistance(frame.center(), a.whole) < squaredDistance(frame.center(), b.whole);
    });
    const QRect& area = nearest->available;
    return QPoint(clampedStart(frame.x(), frame.width(), area.x(), area.width()),
                  clampedStart(frame.y(), frame.height(), area.y(), area.height()));
}

// Each screen keeps its top-left corner in its own pixels and in logical
// ones; from there its own pixels are the logical ones times its ratio.
// Qt places a window on the screen that holds the window's centre, its
// current one first, and reads the window's position there.
QPoint cornerKeepingGrabbedPoint(const QWidget* window, QPointF pointer, QPointF grabbed) {
    const QScreen* pointerScreen = QGuiApplication::screenAt(pointer.toPoint());
    if (!pointerScreen) return (pointer - grabbed).toPoint();
    const QPointF origin = pointerScreen->geometry().topLeft();
    const QPointF pointerInPixels = origin + (pointer - origin) * pointerScreen->devicePixelRatio();
    QList<QScreen*> screens = QGuiApplication::screens();
    screens.move(std::max<qsizetype>(screens.indexOf(window->screen()), 0), 0);
    for (const QScreen* screen : screens) {
        const QPointF screenOrigin = screen->geometry().topLeft();
        const qreal ratio = screen->devicePixelRatio();
        const QPointF corner = screenOrigin + (pointerInPixels - grabbed * ratio - screenOrigin) / ratio;
        if (screen->geometry().contains(QRectF(corner, QSizeF(window->size())).center().toPoint()))
            return corner.toPoint();
    }
    return (pointer - grabbed).toPoint();
}

// Looked at once the change is done: Qt moves the windows of a screen that
// goes to another first.
void keepInView(QWidget* window) {
    const auto bringBack = [window] {
        if (!window->isVisible()) return;
        if (const auto corner = positionBackInView(window->frameGeometry(), screenAreas(window))) window->move(*corner);
    };
    const auto watch = [window, bringBack](QScreen* screen) {
        QObject::connect(screen, &QScreen::geometryChanged, window, bringBack, Qt::QueuedConnection);
    };
    for (QScreen* screen : QGuiApplication::screens()) watch(screen);
    QObject::connect(qApp, &QGuiApplication::screenAdded, window, watch);
    QObject::connect(qApp, &QGuiApplication::screenRemoved, window, bringBack, Qt::QueuedConnection);
    onDesktopResized(window, bringBack);
}

}  // namespace kmq::platform
