#include "core/LevelCatalogue.h"

#include <stdexcept>

namespace kmq {

void LevelCatalogue::loadLevel(int grade, int level) {
    const auto pattern = levelPattern(grade, level);  // validates first
    for (int row = 0; row < RowCount; ++row) {
        int value = rowValue(pattern, row);
        for (int column = 1; column <= ColumnCount; ++column) {
            const CellIndex cell = cellAt(row, column);
            if (value % 2 == 1)
                board_.putPeg(cell);
            else
                board_.clearCell(cell);
            value /= 2;
        }
    }
}

void LevelCatalogue::restartLevel() {
    loadLevel(current_.grade, current_.level);
}

void LevelCatalogue::loadStandardGame() {
    selectLevel(StandardGame.grade, StandardGame.level);
}

void LevelCatalogue::selectLevel(int grade, int level) {
    if (!isInTable(grade, level)) throw std::out_of_range("no such level");
    current_ = Position{static_cast<std::int16_t>(grade), static_cast<std::int16_t>(level)};
    restartLevel();
}

bool LevelCatalogue::hasNextLevel() const {
    return current_.grade != LastGrade && current_.level < LastLevel;
}

void LevelCatalogue::advanceLevel() {
    if (!hasNextLevel()) return;
    ++current_.level;
    restartLevel();
}

}  // namespace kmq
