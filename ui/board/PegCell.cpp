#include "PegCell.h"

#include <QMouseEvent>
#include <QPainter>

#include "Main.h"

namespace kmq::ui {

PegCell::PegCell(Main* board, int index, const QPixmap& peg)
    : QWidget(board), board_(board), index_(index), picture_(peg) {
    setFixedSize(Size, Size);
}

void PegCell::ShowPicture(const QPixmap& picture) {
    picture_ = picture;
    update();
}

void PegCell::paintEvent(QPaintEvent*) {
    if (picture_.isNull()) return;
    QPainter(this).drawPixmap(0, 0, picture_);
}

// Left, right and middle presses all belong to the cell (move handling
// ignores the other two), so a right click on a cell never reaches the
// background and opens no menu. Other buttons are left to the background.
void PegCell::mousePressEvent(QMouseEvent* event) {
    if (!board_->CellPress(index_, event)) event->ignore();
}

void PegCell::mouseReleaseEvent(QMouseEvent* event) {
    if (!board_->CellRelease(index_, event)) event->ignore();
}

// While a cell holds the pointer, moves are its own: the board must not
// take them for a window drag.
void PegCell::mouseMoveEvent(QMouseEvent* event) {
    event->accept();
}

}  // namespace kmq::ui
