#include "core/Game.h"

namespace kmq {

void Game::release(CellIndex cell, MouseButton button, double x, double y) {
    if (moves_.release(cell, button, x, y)) checkGameEnd();
}

void Game::checkGameEnd() {
    const GameEnd end = evaluateGameEnd(board_, levels_);
    switch (end.kind) {
        case GameEnd::Kind::Playing:
            return;
        case GameEnd::Kind::PegsLeft:
            ui_.showMessage(GameEndText::pegsLeft(end.pegs));
            return;
        case GameEnd::Kind::WonOffCentre:
            ui_.showMessage(GameEndText::OffCentre);
            return;
        case GameEnd::Kind::WonLastLevel:
            ui_.showMessage(GameEndText::Champion);
            return;
        case GameEnd::Kind::WonWithNextLevel:
            if (ui_.askYesNo(GameEndText::NextLevelQuestion)) levels_.advanceLevel();
            return;
    }
}

}  // namespace kmq
