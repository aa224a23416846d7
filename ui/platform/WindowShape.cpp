#include "ui/platform/WindowShape.h"

#include <QRegion>
#include <QWidget>

namespace kmq::platform {

void shapeWindow(QWidget* window, const QPolygon& outline) {
    window->setMask(QRegion(outline, Qt::OddEvenFill));
}

}  // namespace kmq::platform
