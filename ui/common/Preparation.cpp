#include "ui/common/Preparation.h"

#include <QApplication>
#include <QImage>
#include <QList>
#include <future>

#include "ui/common/AppIcon.h"
#include "ui/common/ApplicationFont.h"

namespace kmq::ui {
namespace {

// Both steps are safe on any thread: Qt's font database guards itself, and
// pictures are decoded into plain images.
QList<QImage> prepare() {
    registerShippedFont();
    return app::iconPictures();
}

// The user-interface thread's own record; the worker thread only runs prepare().
std::future<QList<QImage>> pending;
bool finished = false;

}  // namespace

void beginPreparation() {
    if (finished || pending.valid()) return;
    pending = std::async(std::launch::async, [] {
        QList<QImage> icon = prepare();
        // The windows get the icon as soon as it is ready, not only when a
        // menu asks.
        QMetaObject::invokeMethod(qApp, &finishPreparation, Qt::QueuedConnection);
        return icon;
    });
}

void finishPreparation() {
    if (finished) return;
    const QList<QImage> icon = pending.valid() ? pending.get() : prepare();
    QApplication::setWindowIcon(app::iconOf(icon));
    finished = true;
}

}  // namespace kmq::ui
