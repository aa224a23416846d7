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

PegCell::PegCell(CellIndex cell, const QPixmap& pegPicture, QWidget* parent)
    : QWidget(parent), cell_(cell), pegPicture_(pegPicture) {
    setFixedSize(Size, Size);
}

void PegCell::showPeg(bool shown) {
    showsPeg_ = shown;
    update();
}

void PegCell::paintEvent(QPaintEvent*) {
    if (showsPeg_) QPainter(this).drawPixmap(0, 0, pegPicture_);
}

// Left, right and middle presses all belong to the cell (move handling
// ignores the other two), so a right click on a cell never reaches the
// background and opens no menu. Other buttons are left to the background.
void PegCell::mousePressEvent(QMouseEvent* event) {
    if (const auto button = gameButton(event->button()))
        emit pressed(cell_, *button, event->position());
    else
        event->ignore();
}

void PegCell::mouseReleaseEvent(QMouseEvent* event) {
    if (const auto button = gameButton(event->button()))
        emit released(cell_, *button, event->position());
    else
        event->ignore();
}

// While a cell holds the pointer, moves are its own: the board must not
// take them for a window drag.
void PegCell::mouseMoveEvent(QMouseEvent* event) {
    event->accept();
}

}  // namespace kmq::ui
