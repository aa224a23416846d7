#include "ui/platform/ScreenPlacement.h"

#include <QScreen>
#include <QWidget>

namespace kmq::platform {

void centreOnScreen(QWidget* window, QScreen* screen) {
    const QRect area = screen->geometry();
    window->move(area.x() + (area.width() - window->width()) / 2, area.y() + (area.height() - window->height()) / 2);
}

}  // namespace kmq::platform
