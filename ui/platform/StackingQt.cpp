// Window systems without a native path of ours: Qt's own flag, in place.
#include "WindowStacking.h"

namespace kmq::platform {

void SetStaysOnTop(QWidget* window, bool onTop) {
    SetStaysOnTopThroughQt(window, onTop);
}

}  // namespace kmq::platform
