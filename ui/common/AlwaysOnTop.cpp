#include "ui/common/AlwaysOnTop.h"

#include "ui/platform/WindowStacking.h"

namespace kmq::ui {

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

void AlwaysOnTop::restoreAfterDialog() {
    if (on_) apply(true);
}

void AlwaysOnTop::apply(bool topmost) {
    if (topmost)
        stacking_.makeTopmost(board_);
    else
        stacking_.makeNotTopmost(board_);
}

}  // namespace kmq::ui
