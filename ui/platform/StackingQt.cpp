// Window systems without a native path of ours: Qt's own flag, in place.
#include "ui/platform/WindowStacking.h"

namespace kmq::platform {

void setStaysOnTop(QWidget* window, bool onTop) {
    setStaysOnTopThroughQt(window, onTop);
}

}  // namespace kmq::platform
