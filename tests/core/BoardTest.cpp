#include <gtest/gtest.h>

#include <stdexcept>
#include <utility>
#include <vector>

#include "Board.h"

namespace kmq {
namespace {

TEST(BoardGrid, CellNumbersRunRowByRow) {
    EXPECT_EQ(CellAt(0, 1), 1);
    EXPECT_EQ(CellAt(6, 7), 49);
    EXPECT_EQ(CellAt(3, 4), CentreCell);
    // Numbers two apart need not share a row.
    EXPECT_EQ(RowOf(20), 2);
    EXPECT_EQ(ColumnOf(20), 6);
    EXPECT_EQ(RowOf(22), 3);
    EXPECT_EQ(ColumnOf(22), 1);
    for (CellIndex cell = FirstCell; cell <= LastCell; ++cell)
        EXPECT_EQ(CellAt(RowOf(cell), ColumnOf(cell)), cell);
}

TEST(BoardGrid, OutsideCellsAreTheCornersOfTheCross) {
    const std::vector<int> boardCells = {3,  4,  5,  10, 11, 12, 15, 16, 17, 18, 19, 20, 21, 22, 23, 24, 25,
                                         26, 27, 28, 29, 30, 31, 32, 33, 34, 35, 38, 39, 40, 45, 46, 47};
    int outside = 0;
    for (CellIndex cell = FirstCell; cell <= LastCell; ++cell) {
        const bool onCross = std::find(boardCells.begin(), boardCells.end(), cell) != boardCells.end();
        EXPECT_EQ(IsOutside(cell), !onCross) << "cell " << cell;
        outside += IsOutside(cell);
    }
    EXPECT_EQ(outside, 16);
}

TEST(Board, PutAndClearAreIdempotent) {
    Board board;
    board.PutPeg(18);
    board.PutPeg(18);
    EXPECT_TRUE(board.HasPeg(18));
    board.ClearCell(18);
    EXPECT_FALSE(board.HasPeg(18));
    board.ClearCell(18);
    EXPECT_FALSE(board.HasPeg(18));
}

TEST(Board, ObserverHearsEveryWriteEvenWithoutChange) {
    Board board;
    std::vector<std::pair<int, CellState>> heard;
    board.SetObserver([&](CellIndex cell, CellState state) { heard.emplace_back(cell, state); });
    board.PutPeg(3);  // already a peg on a new board
    board.ClearCell(3);
    board.ClearCell(3);
    const std::vector<std::pair<int, CellState>> expected = {
        {3, CellState::Peg}, {3, CellState::Empty}, {3, CellState::Empty}};
    EXPECT_EQ(heard, expected);
}

TEST(Board, RefusesCellNumbersOffTheGridWithoutTouchingAnything) {
    Board board;
    int writes = 0;
    board.SetObserver([&](CellIndex, CellState) { ++writes; });
    for (CellIndex bad : {CellIndex{0}, CellIndex{50}, CellIndex{-1}, CellIndex{-32768}}) {
        EXPECT_THROW(board.HasPeg(bad), std::out_of_range);
        EXPECT_THROW(board.PutPeg(bad), std::out_of_range);
        EXPECT_THROW(board.ClearCell(bad), std::out_of_range);
        EXPECT_THROW(board.IsOutside(bad), std::out_of_range);
    }
    EXPECT_EQ(writes, 0);
    EXPECT_EQ(board.PegCount(), 49);
}

}  // namespace
}  // namespace kmq
