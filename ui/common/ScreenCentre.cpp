#include "ui/common/ScreenCentre.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

namespace kmq::ui {

void centreOnScreen(QWidget* window) {
    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    window->move(screen.x() + (screen.width() - window->width()) / 2,
                 screen.y() + (screen.height() - window->height()) / 2);
}

}  // namespace kmq::ui
