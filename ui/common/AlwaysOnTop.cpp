#include "AlwaysOnTop.h"

#include "WindowStacking.h"

namespace kmq::ui {

void AlwaysOnTop::ApplyAtStartUp() {
    Apply(true);
}

void AlwaysOnTop::Toggle() {
    checked_ = !checked_;
    Apply(checked_);
}

void AlwaysOnTop::LeaveForDialog() {
    Apply(false);
}

void AlwaysOnTop::RestoreAfterDialog() {
    if (checked_) Apply(true);
}

void AlwaysOnTop::Apply(bool topmost) {
    if (topmost)
        stacking_.MakeTopmost(board_);
    else
        stacking_.MakeNotTopmost(board_);
}

}  // namespace kmq::ui
