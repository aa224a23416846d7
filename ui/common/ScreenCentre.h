#pragma once

class QWidget;

namespace kmq::ui {

// Places a top-level window so that it stands in the middle of the screen.
void centreOnScreen(QWidget* window);

}  // namespace kmq::ui
