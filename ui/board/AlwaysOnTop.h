#pragma once

class QWidget;

namespace kmq::platform {
class WindowStacking;
}

namespace kmq::ui {

// Whether the board window is to stay above other windows, and the rule that
// applies it: the board follows the setting, except that a dialog opened
// from the command menu takes the board out of the topmost band until the
// dialog closes. The setting lives as long as the board window.
class AlwaysOnTop {
public:
    AlwaysOnTop(platform::WindowStacking& stacking, QWidget* boardWindow)
        : stacking_(stacking), board_(boardWindow) {}

    bool isOn() const { return on_; }

    // Takes the window system's word for the setting where it has one, so a
    // change made there (a window manager's own menu) is not undone.
    void followWindow();

    void applyAtStartUp();      // topmost, as the setting starts on
    void set(bool on);          // records the setting, then stacks the board
    void leaveForDialog();      // not topmost while a dialog is open
    void restoreAfterDialog();  // topmost again if the setting (or the player, meanwhile) says so

private:
    void apply(bool topmost);

    platform::WindowStacking& stacking_;
    QWidget* board_;
    bool on_ = true;
};

}  // namespace kmq::ui
