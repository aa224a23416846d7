#pragma once

#include <cstdint>

#include "Board.h"
#include "LevelTable.h"

namespace kmq {

// The current position within the built-in levels, and laying a level out
// on the board. The position only changes through the writers below or the
// level selection, and each of them loads the new position at once.
class LevelCatalogue {
public:
    explicit LevelCatalogue(Board& board) : board_(board) {}

    void InitLevelTable() { table_.InitLevelTable(); }

    // Writes all 49 cells in ascending order, outside cells included, so a
    // reload restores the start exactly. Throws std::out_of_range for a
    // position outside the table before anything has changed.
    void LoadLevel(int group, int level);

    // Makes grade 5 level 30, the standard game, current and loads it.
    void LoadStandardGame();

    // Makes the given position current and loads it (throws as LoadLevel).
    void SelectLevel(int group, int level);

    // Steps to the next level of the same grade and loads it. Beyond level
    // 30, or in grade 5 where the chain of levels ends, it does nothing.
    void AdvanceLevel();

    std::int16_t CurrentGroup = StandardGame.group;
    std::int16_t CurrentLevel = StandardGame.level;

private:
    Board& board_;
    LevelTable table_;
};

}  // namespace kmq
