// Window systems without a native path of ours: Qt's own flag, in place.
#include "ui/platform/WindowStacking.h"

#include <QWidget>

namespace kmq::platform {

void setStaysOnTop(QWidget* window, bool onTop) {
    setStaysOnTopThroughQt(window, onTop);
}

std::optional<bool> staysOnTop(QWidget* window) {
    return window->windowFlags().testFlag(Qt::WindowStaysOnTopHint);
}

}  // namespace kmq::platform
