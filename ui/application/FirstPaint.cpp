#include "ui/application/FirstPaint.h"

#include <QEvent>
#include <QTimer>
#include <QWidget>
#include <utility>

namespace kmq::ui {
namespace {

// Watches the widget's events until its first paint. The paint is flushed
// to the screen once it has been handled, so the action waits in the event
// queue until then.
class FirstPaintWatch final : public QObject {
public:
    FirstPaintWatch(QWidget* widget, std::function<void()> action)
        : QObject(widget), action_(std::move(action)) {
        widget->installEventFilter(this);
    }

    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint) {
            watched->removeEventFilter(this);
            QTimer::singleShot(0, watched, std::move(action_));
            deleteLater();
        }
        return false;
    }

private:
    std::function<void()> action_;
};

}  // namespace

void afterFirstPaint(QWidget* widget, std::function<void()> action) {
    new FirstPaintWatch(widget, std::move(action));
}

}  // namespace kmq::ui
