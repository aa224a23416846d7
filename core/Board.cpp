#include "Board.h"

#include <algorithm>
#include <stdexcept>
#include <string>

namespace kmq {

bool IsOutside(CellIndex cell) {
    return std::find(OutsideCells.begin(), OutsideCells.end(), cell) != OutsideCells.end();
}

// A new board holds a peg in every cell, as the window's freshly built cells
// do; the first level loaded replaces that at once.
Board::Board() {
    cells_.fill(CellState::Peg);
}

void Board::SetObserver(CellChangedHandler onCellChanged) {
    onCellChanged_ = std::move(onCellChanged);
}

bool Board::HasPeg(CellIndex cell) const {
    return cells_[Slot(cell)] == CellState::Peg;
}

void Board::PutPeg(CellIndex cell) {
    Write(cell, CellState::Peg);
}

void Board::ClearCell(CellIndex cell) {
    Write(cell, CellState::Empty);
}

bool Board::IsOutside(CellIndex cell) const {
    static_cast<void>(Slot(cell));  // refuses numbers off the grid like the rest
    return kmq::IsOutside(cell);
}

int Board::PegCount() const {
    return static_cast<int>(std::count(cells_.begin(), cells_.end(), CellState::Peg));
}

void Board::Write(CellIndex cell, CellState state) {
    cells_[Slot(cell)] = state;
    if (onCellChanged_) onCellChanged_(cell, state);
}

std::size_t Board::Slot(CellIndex cell) {
    if (cell < FirstCell || cell > LastCell)
        throw std::out_of_range("cell number " + std::to_string(cell) + " is not on the board");
    return static_cast<std::size_t>(cell - FirstCell);
}

}  // namespace kmq
