#pragma once

#include "core/Board.h"
#include "core/LevelTable.h"

namespace kmq {

// The current position within the built-in levels, and laying a level out
// on the board. The position only changes through the writers below, and
// each of them lays the new position out at once.
class LevelCatalogue {
public:
    explicit LevelCatalogue(Board& board) : board_(board) {}

    int grade() const { return current_.grade; }
    int level() const { return current_.level; }

    // Writes all 49 cells in ascending order, outside cells included, so a
    // reload restores the start exactly. Throws std::out_of_range for a
    // position outside the table before anything has changed.
    void loadLevel(int grade, int level);

    // Lays the current level out again from its start.
    void restartLevel();

    // Makes grade 5 level 30, the standard game, current and loads it.
    void loadStandardGame();

    // Makes the given position current and loads it (throws as loadLevel).
    void selectLevel(int grade, int level);

    // Whether a won level leads on to another: only below level 30, and not
    // in grade 5, where the chain of levels ends.
    bool hasNextLevel() const;

    // Steps to the next level of the same grade and loads it; does nothing
    // where there is no next level.
    void advanceLevel();

private:
    Board& board_;
    Position current_ = StandardGame;
};

}  // namespace kmq
