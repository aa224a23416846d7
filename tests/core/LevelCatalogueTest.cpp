#include <stdexcept>

#include "GameFixture.h"

namespace kmq::test {
namespace {

using LevelCatalogueTest = GameFixture;

TEST_F(LevelCatalogueTest, StandardGameFillsTheCrossButTheCentre) {
    game.levels.LoadStandardGame();
    EXPECT_EQ(game.levels.CurrentGroup, 5);
    EXPECT_EQ(game.levels.CurrentLevel, 30);
    for (CellIndex cell = FirstCell; cell <= LastCell; ++cell)
        EXPECT_EQ(game.board.HasPeg(cell), !IsOutside(cell) && cell != CentreCell) << cell;
}

TEST_F(LevelCatalogueTest, PatternsAreReadRowByRowLowBitLeftmost) {
    game.levels.LoadLevel(1, 1);
    EXPECT_EQ(Pegs(), (std::set<int>{11, 17, 18, 19, 25, 32}));
    game.levels.LoadLevel(1, 4);
    EXPECT_EQ(Pegs(), (std::set<int>{20, 26, 27, 33, 39, 45, 46}));
    game.levels.LoadLevel(3, 1);
    EXPECT_EQ(Pegs(), (std::set<int>{4, 11, 16, 17, 19, 20, 22, 23, 25, 27, 28, 39, 46}));
}

TEST_F(LevelCatalogueTest, LoadingWritesAll49CellsInAscendingOrder) {
    std::vector<int> order;
    game.board.SetObserver([&](CellIndex cell, CellState) { order.push_back(cell); });
    game.levels.LoadLevel(2, 7);
    ASSERT_EQ(order.size(), 49u);
    for (int i = 0; i < 49; ++i) EXPECT_EQ(order[static_cast<std::size_t>(i)], i + 1);
}

TEST_F(LevelCatalogueTest, ReloadRestoresTheStartAndKeepsThePosition) {
    game.levels.SelectLevel(3, 1);
    const auto start = Pegs();
    Drag(11, 0, 2);  // nothing to jump over: the peg goes back
    Drag(22, 2, 0);  // 22 over 23 into 24: a real jump
    EXPECT_NE(Pegs(), start);
    game.levels.LoadLevel(game.levels.CurrentGroup, game.levels.CurrentLevel);
    EXPECT_EQ(Pegs(), start);
    EXPECT_EQ(game.levels.CurrentGroup, 3);
    EXPECT_EQ(game.levels.CurrentLevel, 1);
}

TEST_F(LevelCatalogueTest, PositionsOutsideTheTableChangeNothing) {
    game.levels.SelectLevel(2, 5);
    const auto before = Pegs();
    for (auto [group, level] : {std::pair{0, 1}, {6, 1}, {1, 0}, {1, 31}, {-1, -1}}) {
        EXPECT_THROW(game.levels.LoadLevel(group, level), std::out_of_range);
        EXPECT_THROW(game.levels.SelectLevel(group, level), std::out_of_range);
    }
    EXPECT_EQ(Pegs(), before);
    EXPECT_EQ(game.levels.CurrentGroup, 2);
    EXPECT_EQ(game.levels.CurrentLevel, 5);
}

TEST_F(LevelCatalogueTest, AdvanceStepsWithinTheGradeAndStopsAtItsEnd) {
    game.levels.SelectLevel(1, 29);
    game.levels.AdvanceLevel();
    EXPECT_EQ(game.levels.CurrentGroup, 1);
    EXPECT_EQ(game.levels.CurrentLevel, 30);
    EXPECT_EQ(Pegs().size(), 11u);  // grade 1 level 30

    game.levels.AdvanceLevel();  // level 30 ends the chain
    EXPECT_EQ(game.levels.CurrentGroup, 1);
    EXPECT_EQ(game.levels.CurrentLevel, 30);

    game.levels.SelectLevel(4, 1);
    game.levels.AdvanceLevel();
    EXPECT_EQ(game.levels.CurrentGroup, 4);
    EXPECT_EQ(game.levels.CurrentLevel, 2);

    game.levels.SelectLevel(5, 3);
    const auto before = Pegs();
    game.levels.AdvanceLevel();  // grade 5 has no chain at all
    EXPECT_EQ(game.levels.CurrentLevel, 3);
    EXPECT_EQ(Pegs(), before);
}

TEST(LevelTableTest, ReadingBeforeFillingIsRefused) {
    LevelTable table;
    EXPECT_THROW(table.Pattern(5, 30), std::logic_error);
    table.InitLevelTable();
    EXPECT_EQ(table.Pattern(5, 30), "1C1C7F777F1C1C");
}

TEST(GradeCaptionTest, FiveGradesFromEntryToUltimate) {
    EXPECT_EQ(GradeCaption(1), "入門");
    EXPECT_EQ(GradeCaption(2), "初級");
    EXPECT_EQ(GradeCaption(3), "中段");
    EXPECT_EQ(GradeCaption(4), "高手");
    EXPECT_EQ(GradeCaption(5), "終極");
    EXPECT_THROW(GradeCaption(0), std::out_of_range);
    EXPECT_THROW(GradeCaption(6), std::out_of_range);
}

}  // namespace
}  // namespace kmq::test
