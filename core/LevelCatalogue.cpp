#include "LevelCatalogue.h"

#include <stdexcept>

namespace kmq {

void LevelCatalogue::LoadLevel(int group, int level) {
    const auto pattern = table_.Pattern(group, level);  // validates first
    for (int row = 0; row < RowCount; ++row) {
        int value = RowValue(pattern, row);
        for (int column = 1; column <= ColumnCount; ++column) {
            const CellIndex cell = CellAt(row, column);
            if (value % 2 == 1)
                board_.PutPeg(cell);
            else
                board_.ClearCell(cell);
            value /= 2;
        }
    }
}

void LevelCatalogue::LoadStandardGame() {
    SelectLevel(StandardGame.group, StandardGame.level);
}

void LevelCatalogue::SelectLevel(int group, int level) {
    if (!IsInTable(group, level)) throw std::out_of_range("no such level");
    CurrentGroup = static_cast<std::int16_t>(group);
    CurrentLevel = static_cast<std::int16_t>(level);
    LoadLevel(CurrentGroup, CurrentLevel);
}

void LevelCatalogue::AdvanceLevel() {
    if (CurrentGroup == GradeCount || CurrentLevel >= LevelsPerGrade) return;
    ++CurrentLevel;
    LoadLevel(CurrentGroup, CurrentLevel);
}

}  // namespace kmq
