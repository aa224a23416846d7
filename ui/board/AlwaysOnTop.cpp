#include "ui/board/AlwaysOnTop.h"

#include "ui/platform/WindowStacking.h"

namespace kmq::ui {

void AlwaysOnTop::followWindow() {
    if (const auto topmost = stacking_.isTopmost(board_)) on_ = *topmost;
}

void AlwaysOnTop::applyAtStartUp() {
    apply(true);
}

void AlwaysOnTop::set(bool on) {
    on_ = on;
    apply(on_);
}

void AlwaysOnTop::leaveForDialog() {
    apply(false);
}

// The board was taken out of the topmost band for the dialog; if it is back
// there now, the player put it there.
void AlwaysOnTop::restoreAfterDialog() {
    if (stacking_.isTopmost(board_) == true) on_ = true;
    if (on_) apply(true);
}

void AlwaysOnTop::apply(bool topmost) {
    if (topmost)
        stacking_.makeTopmost(board_);
    else
        stacking_.makeNotTopmost(board_);
}

}  // namespace kmq::ui
