// Window systems where Qt finds its own way and reports a destroyed window
// as closed.
#include "ui/platform/WindowSystem.h"

namespace kmq::platform {

bool chooseWindowSystem() {
    return true;
}

void quitWhenDestroyedElsewhere(QWidget*) {}
void closeWhenDestroyedElsewhere(QWidget*) {}

}  // namespace kmq::platform
