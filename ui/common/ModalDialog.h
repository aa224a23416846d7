#pragma once

#include <QDialog>

namespace kmq::ui {

// A fixed-size modal dialog of the game: the game's icon, a title bar with
// a close box only, transient for the board window so the window manager
// keeps it with the board, and in the player's reach (keepModalWindowInReach).
class ModalDialog : public QDialog {
    Q_OBJECT
public:
    explicit ModalDialog(QWidget* boardWindow);
};

}  // namespace kmq::ui
