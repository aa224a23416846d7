#include "GameEnd.h"

namespace kmq {

std::string GameEndText::PegsLeft(int pegCount) {
    return "還剩下 " + std::to_string(pegCount) + " 顆，繼續加油吧！";
}

void GameEndEvaluator::CheckGameEnd() {
    bool MoveFound = false;
    int PegCount = 0;
    for (int row = 0; row < RowCount; ++row) {
        for (int column = 1; column <= ColumnCount; ++column) {
            if (!board_.HasPeg(CellAt(row, column))) continue;
            if (HasJump(row, column)) MoveFound = true;
            ++PegCount;
        }
    }

    if (MoveFound) return;
    if (PegCount != 1) {
        ui_.ShowMessage(GameEndText::PegsLeft(PegCount));
    } else if (!board_.HasPeg(CentreCell)) {
        ui_.ShowMessage(GameEndText::OffCentre);
    } else if (levels_.CurrentGroup == GradeCount || levels_.CurrentLevel == LevelsPerGrade) {
        ui_.ShowMessage(GameEndText::Champion);
    } else if (ui_.AskYesNo(GameEndText::NextLevelQuestion)) {
        levels_.AdvanceLevel();
    }
}

// Each direction is looked at only where its neighbour and landing cell
// still lie on the grid, so no jump wraps round the end of a row.
bool GameEndEvaluator::HasJump(int row, int column) const {
    const CellIndex cell = CellAt(row, column);
    const CellIndex up = -ColumnCount, down = ColumnCount, left = -1, right = 1;
    return (row > 1 && OffersJump(cell + up, cell + 2 * up)) ||
           (row < RowCount - 2 && OffersJump(cell + down, cell + 2 * down)) ||
           (column > 2 && OffersJump(cell + left, cell + 2 * left)) ||
           (column < ColumnCount - 1 && OffersJump(cell + right, cell + 2 * right));
}

bool GameEndEvaluator::OffersJump(CellIndex neighbour, CellIndex landing) const {
    return board_.HasPeg(neighbour) && !board_.HasPeg(landing) && !board_.IsOutside(landing);
}

}  // namespace kmq
