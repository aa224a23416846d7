#pragma once

namespace kmq::ui {

// What the game sets once for the whole process, after the application
// object exists and before its first window: its names for the desktop (the
// window class and the desktop entry that tie its windows to its menu
// entry), Qt's own texts in Traditional Chinese and the shipped font. The
// game and its widget tests start alike.
void setUpApplication();

}  // namespace kmq::ui
