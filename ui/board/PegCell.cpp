#include "ui/board/PegCell.h"

#include <QMouseEvent>
#include <QPainter>
#include <optional>

namespace kmq::ui {
namespace {

std::optional<MouseButton> gameButton(Qt::MouseButton button) {
    switch (button) {
        case Qt::LeftButton:
            return MouseButton::Left;
        case Qt::RightButton:
            return MouseButton::Right;
        case Qt::MiddleButton:
            return MouseButton::Middle;
        default:
            return std::nullopt;
    }
}

}  // namespace

PegCell::PegCell(CellIndex cell, const ScaledPicture& pegPicture, QWidget* parent)
    : QWidget(parent), cell_(cell), pegPicture_(pegPicture) {
    setFixedSize(Size, Size);
}

// Qt 6.4 rounds the event position of a widget inside a window to whole
// logical pixels; on a screen of 1.5 or 2 device pixels to the logical pixel
// that moves the drop zones' edges by up to half a logical pixel. The
// fraction it dropped is still in the position within the window.
QPointF PegCell::exactPosition(const QMouseEvent* event) {
    const QPointF position = event->position();
    if (position != QPointF(position.toPoint())) return position;  // Qt kept the fraction
    const QPointF inWindow = event->scenePosition();
    return position + (inWindow - QPointF(inWindow.toPoint()));
}

void PegCell::showPeg(bool shown) {
    showsPeg_ = shown;
    update();
}

void PegCell::paintEvent(QPaintEvent*) {
    if (showsPeg_) QPainter(this).drawImage(0, 0, pegPicture_.at(devicePixelRatioF()));
}

// Left, right and middle presses all belong to the cell (move handling
// ignores the other two), so a right click on a cell never reaches the
// background and opens no menu. Other buttons are left to the background.
void PegCell::mousePressEvent(QMouseEvent* event) {
    if (const auto button = gameButton(event->button()))
        emit pressed(cell_, *button, exactPosition(event));
    else
        event->ignore();
}

void PegCell::mouseReleaseEvent(QMouseEvent* event) {
    if (const auto button = gameButton(event->button()))
        emit released(cell_, *button, exactPosition(event));
    else
        event->ignore();
}

// While a cell holds the pointer, moves are its own: the board must not
// take them for a window drag.
void PegCell::mouseMoveEvent(QMouseEvent* event) {
    event->accept();
}

}  // namespace kmq::ui
