#include <cmath>
#include <limits>

#include "tests/core/GameFixture.h"

namespace kmq::test {
namespace {

TEST(DropZones, OffsetsRoundTowardMinusInfinityWithTheZoneShifted) {
    const std::pair<double, long long> cases[] = {{-3, 0},   {-4, -1},  {0, 0},    {22, 0},     {23, 1},
                                                  {48, 1},   {49, 2},   {74, 2},   {75, 3},     {-29, -1},
                                                  {-30, -2}, {-55, -2}, {-56, -3}, {-3.01, -1}, {48.99, 1}};
    for (auto [pixels, cells] : cases) {
        EXPECT_EQ(cellOffset(pixels), cells) << pixels;
    }
    EXPECT_FALSE(cellOffset(std::numeric_limits<double>::quiet_NaN()));
    EXPECT_FALSE(cellOffset(std::numeric_limits<double>::infinity()));
    EXPECT_EQ(cellOffset(1e30), 1000000000);
}

// Where each jump lands on the grid is the jump rules' to say.
TEST(DropZones, OnlyStraightTwoCellOffsetsAskForAJump) {
    // From cell 25, the centre, every direction lands on the grid.
    EXPECT_EQ(jumpAskedFor(25, 49, 0)->to, 27);
    EXPECT_EQ(jumpAskedFor(25, -55, 0)->to, 23);
    EXPECT_EQ(jumpAskedFor(25, 0, 74)->to, 39);
    EXPECT_EQ(jumpAskedFor(25, 0, -30)->to, 11);
    for (auto [dx, dy] : {std::pair{1, 0}, {0, -1}, {2, 2}, {-2, -2}, {3, 0}, {0, 4}, {0, 0}})
        EXPECT_FALSE(jumpAskedFor(25, PixelsToCell(dx), PixelsToCell(dy))) << dx << "," << dy;
}

using MoveHandling = GameFixture;

// Released at pixel offsets along each of the four ways a jump goes: inside
// its zone the jump is made, short of it or beyond it the peg goes home.
TEST_F(MoveHandling, DropZoneBoundariesDecideBetweenJumpAndReturn) {
    using Releases = std::vector<std::pair<double, bool>>;
    const Releases onward{{48, false}, {49, true}, {74, true}, {75, false}};
    const Releases back{{-3, false}, {-4, false}, {-29, false}, {-30, true}, {-55, true}, {-56, false}};
    struct Way {
        CellIndex from, over, to;
        bool across;
        const Releases& releases;
    };
    for (const Way& way : {Way{24, 25, 26, true, onward}, Way{26, 25, 24, true, back}, Way{11, 18, 25, false, onward},
                           Way{39, 32, 25, false, back}})
        for (auto [offset, jumps] : way.releases) {
            Lay({way.from, way.over, 30});
            Press(way.from);
            Release(way.from, way.across ? offset : 7, way.across ? 7 : offset);
            EXPECT_EQ(game.board().hasPeg(way.to), jumps) << way.from << " at " << offset;
            EXPECT_NE(game.board().hasPeg(way.from), jumps) << way.from << " at " << offset;
        }
}

TEST_F(MoveHandling, ReleaseOverTheSourcePutsThePegBackWithoutEvaluation) {
    Lay({24, 25});  // after any evaluation this would be a finished game
    for (double x : {-3.0, 0.0, 22.0}) {
        Press(24);
        EXPECT_FALSE(game.board().hasPeg(24));  // carried, so not on the board
        Release(24, x, -3.0);
        EXPECT_TRUE(game.board().hasPeg(24));
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
    Release(23, PixelsToCell(2), 0);
    for (MouseButton button : {MouseButton::Right, MouseButton::Middle}) {
        Press(24, button);
        Release(24, PixelsToCell(2), 0, button);
    }
    EXPECT_EQ(Pegs(), (std::set<int>{24, 25}));
    EXPECT_TRUE(ui.calls.empty());
}

TEST_F(MoveHandling, SecondButtonDuringACarryCannotStrandThePeg) {
    for (MouseButton button : {MouseButton::Right, MouseButton::Middle}) {
        Lay({24, 25, 30});
        Press(24);
        Press(24, button);  // the carrying cell keeps the pointer, so it gets this too
        Release(24, 0, 0, button);
        EXPECT_TRUE(ui.carrying);
        Release(24, PixelsToCell(2), 0);
        EXPECT_FALSE(ui.carrying);
        EXPECT_EQ(Pegs(), (std::set<int>{26, 30})) << static_cast<int>(button);
    }
}

TEST_F(MoveHandling, AStrayLeftReleaseAfterACarryLaysNoSecondPeg) {
    Lay({24, 25, 30});
    Drag(24, 0, 0);
    Release(24, PixelsToCell(2), 0);
    Release(31, 0, 0);
    EXPECT_EQ(Pegs(), (std::set<int>{24, 25, 30}));
}

TEST_F(MoveHandling, CarryingPointerShowsBeforeTheCellEmptiesAndLeavesBeforeTheDrop) {
    Lay({24, 25, 30});
    std::vector<std::string> order;
    game.board().setObserver([&](CellIndex cell, CellState state) {
        order.push_back((ui.carrying ? "carrying " : "default ") + std::to_string(cell) +
                        (state == CellState::Peg ? "+" : "-"));
    });
    Drag(24, 2, 0);
    EXPECT_EQ(order, (std::vector<std::string>{"carrying 24-", "default 26+", "default 25-"}));
}

TEST_F(MoveHandling, ACancelledCarryPutsThePegHomeWithoutEvaluation) {
    Lay({24, 25});  // after any evaluation this would be a finished game
    Press(24);
    game.cancelCarry();
    EXPECT_EQ(Pegs(), (std::set<int>{24, 25}));
    EXPECT_FALSE(game.pegCarried());
    EXPECT_EQ(ui.calls, (std::vector<std::string>{"carry", "default"}));

    game.cancelCarry();  // nothing carried: nothing happens
    Release(24, PixelsToCell(2), 0);
    EXPECT_EQ(ui.calls.size(), 2u);
    EXPECT_EQ(Pegs(), (std::set<int>{24, 25}));
}

TEST_F(MoveHandling, ALeftPressAfterALostReleaseFirstPutsTheCarriedPegHome) {
    // The release of 11 never came; a click on the empty centre must not
    // put a peg there.
    Lay({11, 18, 30});
    Press(11);
    Press(25);
    Release(25, 10, 10);
    EXPECT_EQ(Pegs(), (std::set<int>{11, 18, 30}));
    EXPECT_FALSE(ui.carrying);

    // A press on another peg carries that one, and 11 is not lost.
    Press(11);
    Press(30);
    EXPECT_TRUE(ui.carrying);
    Release(30, 10, 10);
    EXPECT_EQ(Pegs(), (std::set<int>{11, 18, 30}));
}

TEST_F(MoveHandling, AReleaseNamedForAnotherCellOnlySendsThePegHome) {
    Lay({24, 25, 30});
    Press(24);
    Release(23, PixelsToCell(3), 10);  // would be 23 over 24 into 25 from there
    EXPECT_EQ(Pegs(), (std::set<int>{24, 25, 30}));
    EXPECT_FALSE(ui.carrying);
    EXPECT_TRUE(ui.messages.empty());
}

}  // namespace
}  // namespace kmq::test
