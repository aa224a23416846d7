#pragma once

#include <gtest/gtest.h>

#include <initializer_list>
#include <set>
#include <utility>

#include "core/Game.h"
#include "tests/core/RecordingUi.h"

namespace kmq::test {

// Pixels from the source cell's corner to the middle of the cell `cells` away.
inline double PixelsToCell(int cells) {
    return cells * CellPitch + 10;
}

class GameFixture : public ::testing::Test {
protected:
    // An otherwise empty board with pegs on exactly these cells.
    void Lay(std::initializer_list<int> pegs) {
        for (CellIndex cell = FirstCell; cell <= LastCell; ++cell) game.board().clearCell(cell);
        for (int cell : pegs) game.board().putPeg(static_cast<CellIndex>(cell));
    }

    std::set<int> Pegs() const {
        std::set<int> pegs;
        for (CellIndex cell = FirstCell; cell <= LastCell; ++cell)
            if (game.board().hasPeg(cell)) pegs.insert(cell);
        return pegs;
    }

    // The grade and level on the board.
    std::pair<int, int> Position() const { return {game.levels().grade(), game.levels().level()}; }

    void Press(CellIndex cell, MouseButton button = MouseButton::Left) { game.press(cell, button); }
    void Release(CellIndex cell, double x, double y, MouseButton button = MouseButton::Left) {
        game.release(cell, button, x, y);
    }
    // A left drag from `cell` released in the middle of the cell dx, dy away.
    void Drag(CellIndex cell, int dx, int dy) {
        Press(cell);
        Release(cell, PixelsToCell(dx), PixelsToCell(dy));
    }

    RecordingUi ui;
    Game game{ui};
};

}  // namespace kmq::test
