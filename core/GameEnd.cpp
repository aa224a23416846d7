#include "core/GameEnd.h"

#include "core/Jumps.h"

namespace kmq {
namespace {

bool isOpen(const Board& board, const Jump& jump) {
    return board.hasPeg(jump.over) && !board.hasPeg(jump.to) && !board.isOutside(jump.to);
}

bool hasJumpFrom(const Board& board, CellIndex cell) {
    for (Direction direction : AllDirections) {
        const auto jump = jumpFrom(cell, direction);
        if (jump && isOpen(board, *jump)) return true;
    }
    return false;
}

}  // namespace

std::string GameEndText::pegsLeft(int pegCount) {
    return "還剩下 " + std::to_string(pegCount) + " 顆，繼續加油吧！";
}

GameEnd evaluateGameEnd(const Board& board, const LevelCatalogue& levels) {
    bool jumpLeft = false;
    int pegs = 0;
    for (CellIndex cell = FirstCell; cell <= LastCell; ++cell) {
        if (!board.hasPeg(cell)) continue;
        if (hasJumpFrom(board, cell)) jumpLeft = true;
        ++pegs;
    }

    using Kind = GameEnd::Kind;
    if (jumpLeft) return {Kind::Playing, pegs};
    if (pegs != 1) return {Kind::PegsLeft, pegs};
    if (!board.hasPeg(CentreCell)) return {Kind::WonOffCentre, pegs};
    return {levels.hasNextLevel() ? Kind::WonWithNextLevel : Kind::WonLastLevel, pegs};
}

}  // namespace kmq
