#pragma once

#include "Board.h"
#include "GameEnd.h"
#include "LevelCatalogue.h"
#include "MoveHandling.h"
#include "UserInterfaceServices.h"

namespace kmq {

// The whole game behind one board window: its board, the current level,
// move handling and the end-of-game evaluation, wired together. The window
// drives it with cell events and mirrors the board through its observer.
class Game {
public:
    explicit Game(UserInterfaceServices& ui)
        : levels(board), gameEnd(board, levels, ui), moves(board, ui, [this] { gameEnd.CheckGameEnd(); }) {}

    Game(const Game&) = delete;
    Game& operator=(const Game&) = delete;

    Board board;
    LevelCatalogue levels;
    GameEndEvaluator gameEnd;
    MoveHandler moves;
};

}  // namespace kmq
