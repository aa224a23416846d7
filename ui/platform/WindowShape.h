#pragma once

#include <QPolygon>

class QWidget;

namespace kmq::platform {

// Only the inside of the polygon belongs to the window: it is drawn there
// alone (a window that is translucent afterwards draws nothing outside it)
// and takes pointer input there alone. Call again when the window moves to
// a screen of another pixel ratio.
void shapeWindow(QWidget* window, const QPolygon& outline);

}  // namespace kmq::platform
