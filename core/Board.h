#pragma once

#include <array>
#include <functional>

#include "core/BoardGeometry.h"

namespace kmq {

enum class CellState { Empty, Peg };

// The state of the 49 cells, and nothing else: no counts, no history, no
// record of a lifted peg. Every write is reported to one observer, even when
// it leaves the state as it was, so a view can simply mirror each call.
class Board {
public:
    using CellChangedHandler = std::function<void(CellIndex, CellState)>;

    Board();

    void setObserver(CellChangedHandler onCellChanged);

    bool hasPeg(CellIndex cell) const;
    void putPeg(CellIndex cell);
    void clearCell(CellIndex cell);
    bool isOutside(CellIndex cell) const;

    int pegCount() const;

private:
    void write(CellIndex cell, CellState state);
    static std::size_t slot(CellIndex cell);

    std::array<CellState, LastCell> cells_{};
    CellChangedHandler onCellChanged_;
};

}  // namespace kmq
