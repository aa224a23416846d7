#pragma once

class QScreen;
class QWidget;

namespace kmq::platform {

// Places a top-level window so that it stands in the middle of the screen.
void centreOnScreen(QWidget* window, QScreen* screen);

}  // namespace kmq::platform
