#include "ui/dialogs/ModalWindow.h"

#include <QEvent>
#include <QTimer>
#include <QWidget>

#include "ui/platform/WindowSystem.h"

namespace kmq::ui {
namespace {

// Brings the window straight back from a minimise, once the window manager
// has finished with it.
class Unminimise final : public QObject {
public:
    explicit Unminimise(QWidget* window) : QObject(window), window_(window) { window->installEventFilter(this); }

    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::WindowStateChange && window_->isMinimized())
            QTimer::singleShot(0, window_, [window = window_] {
                if (!window->isVisible() || !window->isMinimized()) return;
                window->setWindowState(window->windowState() & ~Qt::WindowMinimized);
                window->raise();
                window->activateWindow();
            });
        return false;
    }

private:
    QWidget* window_;
};

}  // namespace

void keepModalWindowInReach(QWidget* window) {
    new Unminimise(window);
    platform::closeWhenDestroyedElsewhere(window);
}

}  // namespace kmq::ui
