#pragma once

#include <QIcon>

namespace kmq::app {

// The program's icon: its 16- and 32-pixel pictures, and larger drawings of
// the same icon for screens of higher density, all decoded at once (a
// millisecond or two), so it is made once, for the application.
QIcon icon();

}  // namespace kmq::app
