#pragma once

#include <windows.h>

namespace kmq::platform {

// Windows: puts the window into the topmost band or takes it out, and
// changes nothing else: not its place, not its size, not which window is
// active.
void placeInTopmostBand(HWND window, bool topmost);

}  // namespace kmq::platform
