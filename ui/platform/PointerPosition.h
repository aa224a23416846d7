#pragma once

#include <QPoint>

namespace kmq::platform {

// Where the pointer is now, in screen pixels.
QPoint pointerPosition();

}  // namespace kmq::platform
