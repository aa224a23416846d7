#pragma once

#include <QDialog>

namespace kmq::ui {

// A modal dialog of the game: fixed in size, the game's icon, a title bar
// with a close box only, transient for the board window so the window
// manager keeps it with the board, in the player's reach
// (keepModalWindowInReach), and centred on the screen that holds the board.
// Its controls are placed in fixed pixels, so its text keeps the size the
// layout is made for, whatever size the desktop gives its own texts; the
// display scale makes the whole dialog larger, text and all.
class GameDialog : public QDialog {
    Q_OBJECT
public:
    static constexpr int TextPixels = 12;  // 9 points at 96 dots per inch

    GameDialog(const QString& title, QSize size, QWidget* boardWindow);

protected:
    // Call once the controls are in place.
    void centreOnTheBoardsScreen();
};

}  // namespace kmq::ui
