#pragma once

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QElapsedTimer>
#include <QPointer>
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
    void makeTopmost(QWidget*) override {
        calls.push_back(true);
        topmost = true;
    }
    void makeNotTopmost(QWidget*) override {
        calls.push_back(false);
        topmost = false;
    }
    // What the window system reports; a test may change it as a window
    // manager's own menu would.
    std::optional<bool> isTopmost(QWidget*) override { return topmost; }
    std::vector<bool> calls;  // true for topmost
    bool topmost = false;
};

// A point given in a cell's own pixels, in the board window's.
inline QPoint InCell(CellIndex cell, QPoint point) {
    return ui::BoardWindow::cellRect(cell).topLeft() + point;
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
