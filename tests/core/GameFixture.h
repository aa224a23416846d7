#pragma once

#include <gtest/gtest.h>

#include <initializer_list>
#include <set>

#include "Game.h"
#include "RecordingUi.h"

namespace kmq::test {

// Twips from the source cell's corner to the middle of the cell `cells` away.
inline float TwipsToCell(int cells) {
    return static_cast<float>(cells * CellPitch + 150);
}

class GameFixture : public ::testing::Test {
protected:
    GameFixture() { game.levels.InitLevelTable(); }

    // An otherwise empty board with pegs on exactly these cells.
    void Lay(std::initializer_list<int> pegs) {
        for (CellIndex cell = FirstCell; cell <= LastCell; ++cell) game.board.ClearCell(cell);
        for (int cell : pegs) game.board.PutPeg(static_cast<CellIndex>(cell));
    }

    std::set<int> Pegs() const {
        std::set<int> pegs;
        for (CellIndex cell = FirstCell; cell <= LastCell; ++cell)
            if (game.board.HasPeg(cell)) pegs.insert(cell);
        return pegs;
    }

    void Press(CellIndex cell, int button = LeftButton) { game.moves.B_MouseDown(cell, button, 0, 100, 100); }
    void Release(CellIndex cell, float x, float y, int button = LeftButton) {
        game.moves.B_MouseUp(cell, button, 0, x, y);
    }
    // A left drag from `cell` released in the middle of the cell dx, dy away.
    void Drag(CellIndex cell, int dx, int dy) {
        Press(cell);
        Release(cell, TwipsToCell(dx), TwipsToCell(dy));
    }

    RecordingUi ui;
    Game game{ui};
};

}  // namespace kmq::test
