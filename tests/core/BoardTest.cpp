#include <gtest/gtest.h>

#include <stdexcept>
#include <utility>
#include <vector>

#include "core/Board.h"

namespace kmq {
namespace {

TEST(BoardGrid, CellNumbersRunRowByRow) {
    EXPECT_EQ(cellAt(0, 1), 1);
    EXPECT_EQ(cellAt(6, 7), 49);
    EXPECT_EQ(cellAt(3, 4), CentreCell);
    // Numbers two apart need not share a row.
    EXPECT_EQ(std::pair(rowOf(20), columnOf(20)), std::pair(2, 6));
    EXPECT_EQ(std::pair(rowOf(22), columnOf(22)), std::pair(3, 1));
    for (CellIndex cell = FirstCell; cell <= LastCell; ++cell)
        EXPECT_EQ(cellAt(rowOf(cell), columnOf(cell)), cell);
}

TEST(BoardGrid, OutsideCellsAreTheCornersOfTheCross) {
    const std::vector<int> boardCells = {3,  4,  5,  10, 11, 12, 15, 16, 17, 18, 19, 20, 21, 22, 23, 24, 25,
                                         26, 27, 28, 29, 30, 31, 32, 33, 34, 35, 38, 39, 40, 45, 46, 47};
    for (CellIndex cell = FirstCell; cell <= LastCell; ++cell) {
        const bool onCross = std::find(boardCells.begin(), boardCells.end(), cell) != boardCells.end();
        EXPECT_EQ(isOutside(cell), !onCross) << "cell " << cell;
    }
}

// Writes are idempotent, and the observer hears each one even when it changes nothing.
TEST(Board, ObserverHearsEveryWriteEvenWithoutChange) {
    Board board;
    std::vector<std::pair<int, CellState>> heard;
    board.setObserver([&](CellIndex cell, CellState state) { heard.emplace_back(cell, state); });
    board.putPeg(3);  // already a peg on a new board
    EXPECT_TRUE(board.hasPeg(3));
    board.clearCell(3);
    board.clearCell(3);
    EXPECT_FALSE(board.hasPeg(3));
    const std::vector<std::pair<int, CellState>> expected = {
        {3, CellState::Peg}, {3, CellState::Empty}, {3, CellState::Empty}};
    EXPECT_EQ(heard, expected);
}

TEST(Board, RefusesCellNumbersOffTheGridWithoutTouchingAnything) {
    Board board;
    int writes = 0;
    board.setObserver([&](CellIndex, CellState) { ++writes; });
    for (CellIndex bad : {CellIndex{0}, CellIndex{50}, CellIndex{-1}, CellIndex{-32768}}) {
        EXPECT_THROW(board.hasPeg(bad), std::out_of_range);
        EXPECT_THROW(board.putPeg(bad), std::out_of_range);
        EXPECT_THROW(board.clearCell(bad), std::out_of_range);
        EXPECT_THROW(board.isOutside(bad), std::out_of_range);
    }
    EXPECT_EQ(writes, 0);
    EXPECT_EQ(board.pegCount(), 49);
}

}  // namespace
}  // namespace kmq
