#pragma once

#include <array>
#include <cstdint>
#include <functional>

namespace kmq {

// Cells are numbered row * 7 + column: rows 0..6 top to bottom, columns 1..7
// left to right, so the 49 cells of the 7 x 7 grid run from 1 to 49.
using CellIndex = std::int16_t;

enum class CellState { Empty, Peg };

inline constexpr int RowCount = 7;
inline constexpr int ColumnCount = 7;
inline constexpr CellIndex FirstCell = 1;
inline constexpr CellIndex LastCell = RowCount * ColumnCount;
inline constexpr CellIndex CentreCell = 25;

// The 16 grid corners that lie outside the cross, in their traditional order.
inline constexpr std::array<CellIndex, 16> OutsideCells = {1,  2,  6,  7,  8,  9,  13, 14,
                                                           36, 37, 41, 42, 43, 44, 48, 49};

constexpr CellIndex CellAt(int row, int column) {
    return static_cast<CellIndex>(row * ColumnCount + column);
}
constexpr int RowOf(CellIndex cell) {
    return (cell - 1) / ColumnCount;
}
constexpr int ColumnOf(CellIndex cell) {
    return (cell - 1) % ColumnCount + 1;
}
constexpr bool IsOnGrid(int row, int column) {
    return row >= 0 && row < RowCount && column >= 1 && column <= ColumnCount;
}

bool IsOutside(CellIndex cell);

// The state of the 49 cells, and nothing else: no counts, no history, no
// record of a lifted peg. Every write is reported to one observer, even when
// it leaves the state as it was, so a view can simply mirror each call.
class Board {
public:
    using CellChangedHandler = std::function<void(CellIndex, CellState)>;

    Board();

    void SetObserver(CellChangedHandler onCellChanged);

    bool HasPeg(CellIndex cell) const;
    void PutPeg(CellIndex cell);
    void ClearCell(CellIndex cell);
    bool IsOutside(CellIndex cell) const;

    int PegCount() const;

private:
    void Write(CellIndex cell, CellState state);
    static std::size_t Slot(CellIndex cell);

    std::array<CellState, LastCell> cells_{};
    CellChangedHandler onCellChanged_;
};

}  // namespace kmq
