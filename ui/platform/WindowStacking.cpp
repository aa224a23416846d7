#include "WindowStacking.h"

#include <QWidget>
#include <QWindow>

namespace kmq::platform {
namespace {

class Native final : public WindowStacking {
public:
    void MakeTopmost(QWidget* window) override { SetStaysOnTop(window, true); }
    void MakeNotTopmost(QWidget* window) override { SetStaysOnTop(window, false); }
};

}  // namespace

WindowStacking& NativeStacking() {
    static Native native;
    return native;
}

Qt::WindowFlags RecordStaysOnTop(QWidget* window, bool onTop) {
    Qt::WindowFlags flags = window->windowFlags();
    flags.setFlag(Qt::WindowStaysOnTopHint, onTop);
    window->overrideWindowFlags(flags);
    return flags;
}

// QWidget::setWindowFlags would destroy and re-create a visible window (it
// vanishes and comes back elsewhere); handing the flags to the existing
// native window changes its state in place.
void SetStaysOnTopThroughQt(QWidget* window, bool onTop) {
    const Qt::WindowFlags flags = RecordStaysOnTop(window, onTop);
    if (QWindow* handle = window->windowHandle()) handle->setFlags(flags);
}

}  // namespace kmq::platform
