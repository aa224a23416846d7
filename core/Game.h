#pragma once

#include "core/Board.h"
#include "core/GameEnd.h"
#include "core/LevelCatalogue.h"
#include "core/MoveHandler.h"
#include "core/UserInterfaceServices.h"

namespace kmq {

// The whole game behind one board window: its board, the current level and
// move handling. The window drives it with cell events and mirrors the board
// through its observer; after each drop that counts, the game looks at how it
// stands and tells the player through the window.
class Game {
public:
    explicit Game(UserInterfaceServices& ui) : ui_(ui), levels_(board_), moves_(board_, ui) {}

    Game(const Game&) = delete;
    Game& operator=(const Game&) = delete;

    Board& board() { return board_; }
    const Board& board() const { return board_; }
    LevelCatalogue& levels() { return levels_; }
    const LevelCatalogue& levels() const { return levels_; }

    void press(CellIndex cell, MouseButton button) { moves_.press(cell, button); }
    void release(CellIndex cell, MouseButton button, double x, double y);
    void cancelCarry() { moves_.cancelCarry(); }
    bool pegCarried() const { return moves_.pegCarried(); }

    // If no jump is left, shows how the game ended and, after a win with a
    // next level, offers it.
    void checkGameEnd();

private:
    UserInterfaceServices& ui_;
    Board board_;
    LevelCatalogue levels_;
    MoveHandler moves_;
};

}  // namespace kmq
