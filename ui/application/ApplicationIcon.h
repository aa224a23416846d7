#pragma once

#include <QIcon>

namespace kmq::ui {

// The program's icon: its 16- and 32-pixel pictures, and larger drawings of
// the same icon for screens of higher density.
QIcon applicationIcon();

// Gives the application its icon, which every window of the game takes,
// the first time it is called. Decoding the pictures takes a millisecond or
// two, so the board calls it once it is on the screen.
void setApplicationIcon();

}  // namespace kmq::ui
