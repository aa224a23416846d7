#pragma once

#include <algorithm>
#include <array>
#include <cstdint>

namespace kmq {

// Cells are numbered row * 7 + column: rows 0..6 top to bottom, columns 1..7
// left to right, so the 49 cells of the 7 x 7 grid run from 1 to 49.
using CellIndex = std::int16_t;

inline constexpr int RowCount = 7;
inline constexpr int ColumnCount = 7;
inline constexpr CellIndex FirstCell = 1;
inline constexpr CellIndex LastCell = RowCount * ColumnCount;
inline constexpr CellIndex CentreCell = 25;

// On the board picture the cells stand this many device-independent pixels
// apart, across and down.
inline constexpr int CellPitch = 26;

// The 16 grid corners that lie outside the cross, in their traditional order.
inline constexpr std::array<CellIndex, 16> OutsideCells = {1,  2,  6,  7,  8,  9,  13, 14,
                                                           36, 37, 41, 42, 43, 44, 48, 49};

constexpr CellIndex cellAt(int row, int column) {
    return static_cast<CellIndex>(row * ColumnCount + column);
}
constexpr int rowOf(CellIndex cell) {
    return (cell - 1) / ColumnCount;
}
constexpr int columnOf(CellIndex cell) {
    return (cell - 1) % ColumnCount + 1;
}
constexpr bool isOnGrid(int row, int column) {
    return row >= 0 && row < RowCount && column >= 1 && column <= ColumnCount;
}
constexpr bool isOutside(CellIndex cell) {
    return std::find(OutsideCells.begin(), OutsideCells.end(), cell) != OutsideCells.end();
}

}  // namespace kmq
