#pragma once

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QElapsedTimer>
#include <QImageReader>
#include <QMouseEvent>
#include <QPointer>
#include <QRegion>
#include <QTest>
#include <QTimer>
#include <QWidget>
#include <functional>
#include <optional>
#include <vector>

#include "ui/board/BoardWindow.h"
#include "ui/platform/WindowStacking.h"

namespace kmq::test {

// Records the stacking calls instead of talking to a window system.
class RecordingStacking : public platform::WindowStacking {
public:
    void makeTopmost(QWidget*) override { record(true); }
    void makeNotTopmost(QWidget*) override { record(false); }
    // What the window system reports; a test may change it as a window
    // manager's own menu would.
    std::optional<bool> isTopmost(QWidget*) override { return topmost; }
    std::vector<bool> calls;  // true for topmost
    bool topmost = false;
    std::function<void()> onCall;  // what a test looks at as each call is made

private:
    void record(bool onTop) {
        calls.push_back(onTop);
        topmost = onTop;
        if (onCall) onCall();
    }
};

// A point given in a cell's own pixels, in the board window's.
inline QPoint InCell(CellIndex cell, QPoint point) {
    return ui::BoardWindow::cellRect(cell).topLeft() + point;
}

// In a cell's own pixels, the middle of the cell dx, dy cells away.
inline QPoint Cells(int dx, int dy) {
    return QPoint(10 + CellPitch * dx, 10 + CellPitch * dy);
}

// A left press in the middle of `from` and a release at `release`, in the
// cell's own pixels, as the window system delivers them to the pressed cell.
inline void DragCell(ui::BoardWindow& board, CellIndex from, QPoint release) {
    QTest::mousePress(&board, Qt::LeftButton, {}, InCell(from, Cells(0, 0)));
    QTest::mouseRelease(&board, Qt::LeftButton, {}, InCell(from, release));
}

// A drawing's own pixels, at a pixel ratio of 1 (the reader gives "@2x"
// files a ratio of 2).
inline QImage ReadDrawing(const QString& path) {
    QImageReader reader(path);
    QImage image = reader.read();
    EXPECT_FALSE(image.isNull()) << path.toStdString() << ": " << reader.errorString().toStdString();
    image.setDevicePixelRatio(1);
    return image.convertToFormat(QImage::Format_ARGB32_Premultiplied);
}

// What the board window is made of, in its logical pixels: the whole
// 199 x 198 rectangle but for three pixels cut off each corner.
inline QRegion BoardShape() {
    QRegion shape(0, 0, 199, 198);
    for (QPoint corner : {QPoint(0, 0), QPoint(198, 0), QPoint(0, 197), QPoint(198, 197)}) {
        const QPoint inward(corner.x() ? -1 : 1, corner.y() ? -1 : 1);
        for (QPoint cut : {corner, corner + QPoint(inward.x(), 0), corner + QPoint(0, inward.y())})
            shape -= QRegion(cut.x(), cut.y(), 1, 1);
    }
    return shape;
}

// A mouse event as the window system delivers it: `button` is the one that
// went down or up, `held` those down afterwards; the point is the widget's.
inline void SendMouse(QWidget* to, QEvent::Type type, QPoint at, Qt::MouseButton button, Qt::MouseButtons held) {
    QMouseEvent event(type, QPointF(at), to->mapToGlobal(QPointF(at)), button, held, Qt::NoModifier);
    QApplication::sendEvent(to, &event);
}

// Clicks a button once the current event has been handled, so that a modal
// loop the click opens does not run inside the caller.
inline void ClickLater(QAbstractButton* button) {
    QMetaObject::invokeMethod(button, &QAbstractButton::click, Qt::QueuedConnection);
}

// Runs `action`; each time a modal dialog or popup comes to the top while
// it runs, it is handed to `handle`, which looks at it and closes it (with
// ClickLater or close()). One that stays on top for seconds is closed here,
// so a failed check never leaves a modal loop waiting for ever. Returns how
// many times `handle` was called.
inline int WhileModal(const std::function<void()>& action, const std::function<void(QWidget*)>& handle) {
    int handled = 0;
    QPointer<QWidget> top;
    QElapsedTimer onTopSince;
    QTimer poll;
    poll.setInterval(5);
    QObject::connect(&poll, &QTimer::timeout, [&] {
        QWidget* open = QApplication::activePopupWidget();
        if (!open) open = QApplication::activeModalWidget();
        if (!open || !open->isVisible()) {
            top = nullptr;
            return;
        }
        if (open != top) {
            top = open;
            onTopSince.start();
            ++handled;
            handle(open);
        } else if (onTopSince.elapsed() > 3000) {
            ADD_FAILURE() << "left open: " << open->windowTitle().toStdString();
            open->close();
        }
    });
    poll.start();
    action();
    poll.stop();
    return handled;
}

}  // namespace kmq::test
