#include <cmath>
#include <limits>

#include "GameFixture.h"

namespace kmq::test {
namespace {

TEST(DropZones, OffsetsRoundTowardMinusInfinityWithTheZoneShifted) {
    const std::pair<double, long long> cases[] = {
        {-45, 0},  {-46, -1},  {0, 0},     {344, 0},   {345, 1},   {734, 1},    {735, 2},  {1124, 2},
        {1125, 3}, {-435, -1}, {-436, -2}, {-825, -2}, {-826, -3}, {-45.5, -1}, {734.9, 1}};
    for (auto [twips, cells] : cases) {
        EXPECT_EQ(CellOffset(twips), cells) << twips;
    }
    EXPECT_FALSE(CellOffset(std::numeric_limits<double>::quiet_NaN()));
    EXPECT_FALSE(CellOffset(std::numeric_limits<double>::infinity()));
    EXPECT_EQ(CellOffset(1e30), 1000000000);
}

TEST(DropZones, OnlyStraightTwoCellOffsetsOnTheGridAskForAJump) {
    // From cell 25, the centre, every direction lands on the grid.
    EXPECT_EQ(JumpAskedFor(25, 735, 0)->target, 27);
    EXPECT_EQ(JumpAskedFor(25, 735, 0)->middle, 26);
    EXPECT_EQ(JumpAskedFor(25, -825, 0)->target, 23);
    EXPECT_EQ(JumpAskedFor(25, 0, 1124)->target, 39);
    EXPECT_EQ(JumpAskedFor(25, 0, -436)->target, 11);
    EXPECT_EQ(JumpAskedFor(25, 0, -436)->middle, 18);
    for (auto [dx, dy] : {std::pair{1, 0}, {0, -1}, {2, 2}, {-2, -2}, {3, 0}, {0, 4}, {0, 0}})
        EXPECT_FALSE(JumpAskedFor(25, TwipsToCell(dx), TwipsToCell(dy))) << dx << "," << dy;
    // Off the grid: no wrapping into the next row, nothing above row 0.
    EXPECT_FALSE(JumpAskedFor(21, TwipsToCell(2), 0));
    EXPECT_FALSE(JumpAskedFor(20, TwipsToCell(2), 0));
    EXPECT_FALSE(JumpAskedFor(22, TwipsToCell(-2), 0));
    EXPECT_FALSE(JumpAskedFor(4, 0, TwipsToCell(-2)));
    EXPECT_FALSE(JumpAskedFor(11, 0, TwipsToCell(-2)));
    EXPECT_FALSE(JumpAskedFor(39, 0, TwipsToCell(2)));
    EXPECT_FALSE(JumpAskedFor(46, 0, TwipsToCell(2)));
}

using MoveHandling = GameFixture;

TEST_F(MoveHandling, DropZoneBoundariesDecideBetweenJumpAndReturn) {
    // Pegs 24 and 25 leave a jump from 24 over 25 into 26 and back again.
    for (auto [x, jumps] : {std::pair{734.f, false}, {735.f, true}, {1124.f, true}, {1125.f, false}}) {
        Lay({24, 25, 30});
        Press(24);
        Release(24, x, 100);
        EXPECT_EQ(game.board.HasPeg(26), jumps) << x;
        EXPECT_EQ(game.board.HasPeg(24), !jumps) << x;
    }
    for (auto [x, jumps] : {std::pair{-435.f, false}, {-436.f, true}, {-825.f, true}, {-826.f, false}}) {
        Lay({26, 25, 30});
        Press(26);
        Release(26, x, 100);
        EXPECT_EQ(game.board.HasPeg(24), jumps) << x;
    }
    for (auto [y, jumps] : {std::pair{734.f, false}, {735.f, true}, {1124.f, true}, {1125.f, false}}) {
        Lay({11, 18, 30});
        Press(11);
        Release(11, 100, y);
        EXPECT_EQ(game.board.HasPeg(25), jumps) << y;
    }
    for (auto [y, jumps] :
         {std::pair{-45.f, false}, {-46.f, false}, {-436.f, true}, {-825.f, true}, {-826.f, false}}) {
        Lay({39, 32, 30});
        Press(39);
        Release(39, 100, y);
        EXPECT_EQ(game.board.HasPeg(25), jumps) << y;
    }
}

TEST_F(MoveHandling, ReleaseOverTheSourcePutsThePegBackWithoutEvaluation) {
    Lay({24, 25});  // after any evaluation this would be a finished game
    for (float x : {-45.f, 0.f, 344.f}) {
        Press(24);
        EXPECT_FALSE(game.board.HasPeg(24));  // carried, so not on the board
        Release(24, x, -45.f);
        EXPECT_TRUE(game.board.HasPeg(24));
    }
    EXPECT_TRUE(ui.messages.empty());
}

TEST_F(MoveHandling, LegalJumpMovesThePegRemovesTheMiddleAndEvaluatesOnce) {
    Lay({11, 18, 30});
    Drag(11, 0, 2);
    EXPECT_EQ(Pegs(), (std::set<int>{25, 30}));
    EXPECT_EQ(ui.calls, (std::vector<std::string>{"carry", "default", "message"}));
    EXPECT_EQ(ui.messages, (std::vector<std::string>{"還剩下 2 顆，繼續加油吧！"}));
}

TEST_F(MoveHandling, RejectionsFollowTheTestOrder) {
    // Over an empty middle into an empty hole: rejected, not evaluated.
    Lay({24, 30});
    Drag(24, 2, 0);
    EXPECT_EQ(Pegs(), (std::set<int>{24, 30}));
    // Onto an outside cell over a real peg: rejected by the board test.
    Lay({11, 10, 30});
    Drag(11, -2, 0);
    EXPECT_EQ(Pegs(), (std::set<int>{10, 11, 30}));
    // Off the grid from the right edge.
    Lay({21, 20, 30});
    Drag(21, 2, 0);
    EXPECT_EQ(Pegs(), (std::set<int>{20, 21, 30}));
    EXPECT_TRUE(ui.messages.empty());

    // Onto an occupied target over a peg: back home, yet evaluated, so a
    // finished board says so again.
    Lay({3, 4, 5, 40});
    Drag(3, 2, 0);
    EXPECT_EQ(Pegs(), (std::set<int>{3, 4, 5, 40}));
    Drag(3, 2, 0);
    EXPECT_EQ(ui.messages, (std::vector<std::string>(2, "還剩下 4 顆，繼續加油吧！")));
}

TEST_F(MoveHandling, EmptyCellsAndOtherButtonsLeaveBoardAndPointerAlone) {
    Lay({24, 25});
    Press(23);
    Release(23, TwipsToCell(2), 0);
    for (int button : {RightButton, MiddleButton}) {
        Press(24, button);
        Release(24, TwipsToCell(2), 0, button);
    }
    EXPECT_EQ(Pegs(), (std::set<int>{24, 25}));
    EXPECT_TRUE(ui.calls.empty());
}

TEST_F(MoveHandling, SecondButtonDuringACarryCannotStrandThePeg) {
    for (int button : {RightButton, MiddleButton}) {
        Lay({24, 25, 30});
        Press(24);
        Press(24, button);  // the carrying cell keeps the pointer, so it gets this too
        Release(24, 0, 0, button);
        EXPECT_TRUE(ui.carrying);
        Release(24, TwipsToCell(2), 0);
        EXPECT_FALSE(ui.carrying);
        EXPECT_EQ(Pegs(), (std::set<int>{26, 30})) << button;
    }
}

TEST_F(MoveHandling, AStrayLeftReleaseAfterACarryLaysNoSecondPeg) {
    Lay({24, 25, 30});
    Drag(24, 0, 0);
    Release(24, TwipsToCell(2), 0);
    Release(31, 0, 0);
    EXPECT_EQ(Pegs(), (std::set<int>{24, 25, 30}));
}

TEST_F(MoveHandling, CarryingPointerShowsBeforeTheCellEmptiesAndLeavesBeforeTheDrop) {
    Lay({24, 25, 30});
    std::vector<std::string> order;
    game.board.SetObserver([&](CellIndex cell, CellState state) {
        order.push_back((ui.carrying ? "carrying " : "default ") + std::to_string(cell) +
                        (state == CellState::Peg ? "+" : "-"));
    });
    Drag(24, 2, 0);
    EXPECT_EQ(order, (std::vector<std::string>{"carrying 24-", "default 26+", "default 25-"}));
}

}  // namespace
}  // namespace kmq::test
