#pragma once

class QWidget;

namespace kmq::platform {
class WindowStacking;
}

namespace kmq::ui {

// The record of whether the board window is to stay above other windows,
// and the rule that applies it: it follows the record, except that a dialog
// opened from the command menu takes the board out of the topmost band
// until the dialog closes. The record lives as long as the board window, so
// the menu's check mark always tells the truth.
class AlwaysOnTop {
public:
    AlwaysOnTop(platform::WindowStacking& stacking, QWidget* boardWindow)
        : stacking_(stacking), board_(boardWindow) {}

    bool Checked() const { return checked_; }

    void ApplyAtStartUp();      // topmost, as the record starts set
    void Toggle();              // flips the record, then the stacking
    void LeaveForDialog();      // not topmost while a dialog is open
    void RestoreAfterDialog();  // topmost again if the record says so

private:
    void Apply(bool topmost);

    platform::WindowStacking& stacking_;
    QWidget* board_;
    bool checked_ = true;
};

}  // namespace kmq::ui
