#include "core/Board.h"

#include <algorithm>
#include <stdexcept>
#include <string>

namespace kmq {

// A new board holds a peg in every cell; the first level loaded replaces
// that at once.
Board::Board() {
    cells_.fill(CellState::Peg);
}

void Board::setObserver(CellChangedHandler onCellChanged) {
    onCellChanged_ = std::move(onCellChanged);
}

bool Board::hasPeg(CellIndex cell) const {
    return cells_[slot(cell)] == CellState::Peg;
}

void Board::putPeg(CellIndex cell) {
    write(cell, CellState::Peg);
}

void Board::clearCell(CellIndex cell) {
    write(cell, CellState::Empty);
}

bool Board::isOutside(CellIndex cell) const {
    static_cast<void>(slot(cell));  // refuses numbers off the grid like the rest
    return kmq::isOutside(cell);
}

int Board::pegCount() const {
    return static_cast<int>(std::count(cells_.begin(), cells_.end(), CellState::Peg));
}

void Board::write(CellIndex cell, CellState state) {
    cells_[slot(cell)] = state;
    if (onCellChanged_) onCellChanged_(cell, state);
}

std::size_t Board::slot(CellIndex cell) {
    if (cell < FirstCell || cell > LastCell)
        throw std::out_of_range("cell number " + std::to_string(cell) + " is not on the board");
    return static_cast<std::size_t>(cell - FirstCell);
}

}  // namespace kmq
