#include <gtest/gtest.h>

#include <bit>
#include <set>
#include <string>
#include <vector>

#include "core/Game.h"
#include "core/LevelTable.h"
#include "core/solver/PegSolver.h"
#include "tests/core/RecordingUi.h"

namespace kmq {
namespace {

// The pegs of every level as the level table's own notes give them, kept
// apart from the patterns so that a mistyped digit shows up as a mismatch.
constexpr int NotedPegCounts[GradeCount][LevelsPerGrade] = {
    {6, 7, 7, 7, 7, 8, 8, 8, 8, 8, 8, 8, 8, 9, 9, 9, 9, 9, 10, 10, 10, 10, 10, 10, 10, 10, 10, 11, 11, 11},
    {11, 11, 11, 11, 11, 11, 11, 11, 11, 12, 12, 12, 12, 12, 12,
     12, 12, 11, 12, 12, 12, 12, 13, 13, 13, 13, 13, 13, 13, 13},
    {13, 13, 13, 13, 13, 13, 14, 14, 14, 14, 14, 14, 14, 14, 14,
     15, 15, 15, 15, 15, 15, 15, 15, 15, 15, 15, 15, 15, 15, 15},
    {16, 16, 16, 16, 16, 16, 16, 16, 16, 17, 17, 17, 17, 17, 17,
     17, 18, 18, 18, 18, 18, 18, 18, 19, 19, 19, 19, 19, 19, 19},
    {21, 20, 20, 20, 21, 21, 21, 21, 21, 21, 22, 22, 22, 22, 22,
     23, 23, 24, 24, 24, 24, 24, 24, 25, 26, 26, 26, 27, 29, 32},
};

struct LevelId {
    int grade, level;
    bool operator==(const LevelId&) const = default;
};

class LevelData : public ::testing::Test {
protected:
    template <typename F>
    void ForEachLevel(F&& f) const {
        for (int grade = 1; grade <= GradeCount; ++grade)
            for (int level = 1; level <= LevelsPerGrade; ++level)
                f(LevelId{grade, level}, levelPattern(grade, level));
    }
};

// Fourteen upper-case hex digits, two a row, none of whose bits lies
// outside the cross or in a row's spare eighth bit.
TEST_F(LevelData, EveryPatternIsSevenRowsOfTheCross) {
    ForEachLevel([](LevelId id, std::string_view pattern) {
        ASSERT_EQ(pattern.size(), 14u) << id.grade << "/" << id.level;
        EXPECT_EQ(pattern.find_first_not_of("0123456789ABCDEF"), std::string_view::npos) << pattern;
        for (int row = 0; row < RowCount; ++row) EXPECT_LT(rowValue(pattern, row), 128) << pattern;
        EXPECT_EQ(patternBits(pattern) & ~boardCells(), 0u) << id.grade << "/" << id.level;
    });
}

TEST_F(LevelData, PatternsAreDistinctAndMatchTheirNotedPegCounts) {
    std::set<std::string_view> seen;
    ForEachLevel([&](LevelId id, std::string_view pattern) {
        EXPECT_TRUE(seen.insert(pattern).second) << "repeated: " << pattern;
        const int pegs = std::popcount(patternBits(pattern));
        EXPECT_EQ(pegs, NotedPegCounts[id.grade - 1][id.level - 1]) << id.grade << "/" << id.level;
    });
    EXPECT_EQ(seen.size(), 150u);
}

TEST_F(LevelData, EveryStartOffersAJump) {
    // The end-of-game scan stays silent exactly when some jump is left.
    test::RecordingUi ui;
    Game game(ui);
    ForEachLevel([&](LevelId id, std::string_view) {
        game.levels().loadLevel(id.grade, id.level);
        game.checkGameEnd();
        EXPECT_TRUE(ui.calls.empty()) << id.grade << "/" << id.level;
        ui.calls.clear();
    });
}

// The parity invariant alone settles the three levels that can never come
// down to one peg; the search settles the rest.
TEST_F(LevelData, ExactlyTheKnownFourLevelsCannotBeWonOnTheCentre) {
    std::vector<LevelId> noSinglePeg, singlePegOffCentreOnly, parityRuledOut;
    int won = 0;
    ForEachLevel([&](LevelId id, std::string_view pattern) {
        const BitBoard start = patternBits(pattern);
        if (!reachableLastCells(start)) parityRuledOut.push_back(id);
        PegSolver solver;
        if (solver.solve(start, Goal::SinglePegOnCentre)) {
            ++won;
        } else if (solver.solve(start, Goal::SinglePegAnywhere)) {
            singlePegOffCentreOnly.push_back(id);
        } else {
            noSinglePeg.push_back(id);
        }
    });
    EXPECT_EQ(won, 146);
    EXPECT_EQ(noSinglePeg, (std::vector<LevelId>{{2, 18}, {5, 1}, {5, 23}}));
    EXPECT_EQ(parityRuledOut, noSinglePeg);
    EXPECT_EQ(singlePegOffCentreOnly, (std::vector<LevelId>{{5, 18}}));
}

}  // namespace
}  // namespace kmq
