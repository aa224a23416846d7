#include <stdexcept>

#include "tests/core/GameFixture.h"

namespace kmq::test {
namespace {

using LevelCatalogueTest = GameFixture;

TEST_F(LevelCatalogueTest, StandardGameFillsTheCrossButTheCentre) {
    game.levels().loadStandardGame();
    EXPECT_EQ(Position(), std::pair(5, 30));
    for (CellIndex cell = FirstCell; cell <= LastCell; ++cell)
        EXPECT_EQ(game.board().hasPeg(cell), !isOutside(cell) && cell != CentreCell) << cell;
}

TEST_F(LevelCatalogueTest, PatternsAreReadRowByRowLowBitLeftmost) {
    game.levels().loadLevel(1, 1);
    EXPECT_EQ(Pegs(), (std::set<int>{11, 17, 18, 19, 25, 32}));
    game.levels().loadLevel(1, 4);
    EXPECT_EQ(Pegs(), (std::set<int>{20, 26, 27, 33, 39, 45, 46}));
    game.levels().loadLevel(3, 1);
    EXPECT_EQ(Pegs(), (std::set<int>{4, 11, 16, 17, 19, 20, 22, 23, 25, 27, 28, 39, 46}));
}

TEST_F(LevelCatalogueTest, LoadingWritesAll49CellsInAscendingOrder) {
    std::vector<int> order;
    game.board().setObserver([&](CellIndex cell, CellState) { order.push_back(cell); });
    game.levels().loadLevel(2, 7);
    ASSERT_EQ(order.size(), 49u);
    for (int i = 0; i < 49; ++i) EXPECT_EQ(order[static_cast<std::size_t>(i)], i + 1);
}

TEST_F(LevelCatalogueTest, ReloadRestoresTheStartAndKeepsThePosition) {
    game.levels().selectLevel(3, 1);
    const auto start = Pegs();
    Drag(11, 0, 2);  // nothing to jump over: the peg goes back
    Drag(22, 2, 0);  // 22 over 23 into 24: a real jump
    EXPECT_NE(Pegs(), start);
    game.levels().loadLevel(game.levels().grade(), game.levels().level());
    EXPECT_EQ(Pegs(), start);
    EXPECT_EQ(Position(), std::pair(3, 1));
}

TEST_F(LevelCatalogueTest, PositionsOutsideTheTableChangeNothing) {
    game.levels().selectLevel(2, 5);
    const auto before = Pegs();
    for (auto [grade, level] : {std::pair{0, 1}, {6, 1}, {1, 0}, {1, 31}, {-1, -1}}) {
        EXPECT_THROW(game.levels().loadLevel(grade, level), std::out_of_range);
        EXPECT_THROW(game.levels().selectLevel(grade, level), std::out_of_range);
    }
    EXPECT_EQ(Pegs(), before);
    EXPECT_EQ(Position(), std::pair(2, 5));
}

TEST_F(LevelCatalogueTest, AdvanceStepsWithinTheGradeAndStopsAtItsEnd) {
    game.levels().selectLevel(1, 29);
    game.levels().advanceLevel();
    EXPECT_EQ(Position(), std::pair(1, 30));
    EXPECT_EQ(Pegs().size(), 11u);  // grade 1 level 30

    game.levels().advanceLevel();  // level 30 ends the chain
    EXPECT_EQ(Position(), std::pair(1, 30));

    game.levels().selectLevel(4, 1);
    game.levels().advanceLevel();
    EXPECT_EQ(Position(), std::pair(4, 2));

    game.levels().selectLevel(5, 3);
    const auto before = Pegs();
    game.levels().advanceLevel();  // grade 5 has no chain at all
    EXPECT_EQ(game.levels().level(), 3);
    EXPECT_EQ(Pegs(), before);
}

TEST(GradeCaptionTest, FiveGradesFromEntryToUltimate) {
    const std::vector<std::string_view> captions{gradeCaption(1), gradeCaption(2), gradeCaption(3), gradeCaption(4),
                                                 gradeCaption(5)};
    EXPECT_EQ(captions, (std::vector<std::string_view>{"入門", "初級", "中段", "高手", "終極"}));
    EXPECT_THROW(gradeCaption(0), std::out_of_range);
    EXPECT_THROW(gradeCaption(6), std::out_of_range);
}

}  // namespace
}  // namespace kmq::test
