#pragma once

#include <QCursor>
#include <QPixmap>

namespace kmq::platform {

// A pointer showing the picture at the screen's size, with its hot spot at
// the picture's centre, whatever the picture's device pixel ratio.
QCursor cursorCentredOn(const QPixmap& picture);

}  // namespace kmq::platform
