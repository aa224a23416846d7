#pragma once

#include <QPoint>

namespace kmq::platform {

// Where the pointer is now, in screen pixels.
QPoint PointerPosition();

}  // namespace kmq::platform
