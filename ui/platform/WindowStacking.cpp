#include "ui/platform/WindowStacking.h"

#include <QWidget>
#include <QWindow>

namespace kmq::platform {
namespace {

class Native final : public WindowStacking {
public:
    void makeTopmost(QWidget* window) override { setStaysOnTop(window, true); }
    void makeNotTopmost(QWidget* window) override { setStaysOnTop(window, false); }
    std::optional<bool> isTopmost(QWidget* window) override { return staysOnTop(window); }
};

}  // namespace

WindowStacking& nativeStacking() {
    static Native native;
    return native;
}

Qt::WindowFlags recordStaysOnTop(QWidget* window, bool onTop) {
    Qt::WindowFlags flags = window->windowFlags();
    flags.setFlag(Qt::WindowStaysOnTopHint, onTop);
    window->overrideWindowFlags(flags);
    return flags;
}

// QWidget::setWindowFlags would destroy and re-create a visible window (it
// vanishes and comes back elsewhere); handing the flags to the existing
// native window changes its state in place.
void setStaysOnTopThroughQt(QWidget* window, bool onTop) {
    const Qt::WindowFlags flags = recordStaysOnTop(window, onTop);
    if (QWindow* handle = window->windowHandle()) handle->setFlags(flags);
}

}  // namespace kmq::platform
