#pragma once

class QWidget;

namespace kmq::ui {

// What every modal window of the game keeps to, dialogs and message boxes
// alike, so that the board it blocks never looks dead: it does not stay
// minimised (some window managers minimise a dialog whatever its hints say,
// and take the board with it), and when another program destroys its
// window it is closed, as its close box would close it.
void keepModalWindowInReach(QWidget* window);

}  // namespace kmq::ui
