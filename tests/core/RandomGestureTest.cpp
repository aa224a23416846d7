#include <random>

#include "GameFixture.h"

namespace kmq::test {
namespace {

// Random presses and releases of all three buttons as a real pointer makes
// them: the cell that receives a press keeps every event until all buttons
// are up again, and a button is released only after it was pressed.
class RandomGestures : public GameFixture {
protected:
    void CheckInvariants(const char* when, long step) {
        for (CellIndex cell : OutsideCells)
            ASSERT_FALSE(game.board.HasPeg(cell)) << when << " at step " << step;
        ASSERT_EQ(ui.carrying, game.moves.PegHeld) << when << " at step " << step;
    }
};

TEST_F(RandomGestures, NoEventEverLosesOrInventsAPeg) {
    std::mt19937 random(20261207);
    std::uniform_int_distribution<int> anyCell(FirstCell, LastCell);
    std::uniform_int_distribution<int> anyButton(0, 2);
    std::uniform_real_distribution<float> anyTwips(-20000.f, 20000.f);
    std::uniform_int_distribution<int> nearby(-3, 3);
    std::bernoulli_distribution coin(0.5);
    const int buttons[] = {LeftButton, RightButton, MiddleButton};

    game.board.SetObserver(
        [](CellIndex cell, CellState) { ASSERT_TRUE(cell >= FirstCell && cell <= LastCell); });
    game.levels.SelectLevel(1, 1);

    int held = 0;  // buttons down, as a bit set
    CellIndex grabbing = 0;
    long jumps = 0, returns = 0, advances = 0, idleSteps = 0;
    for (long step = 0; step < 200000; ++step) {
        // A fresh level now and then keeps the board crowded enough to jump.
        // Now and then an end game one jump (11 over 18) from a win, so that
        // the next-level question comes up and is answered both ways.
        if (held == 0 && ++idleSteps % 25 == 0) {
            game.levels.SelectLevel(1 + idleSteps % 5, 1 + (idleSteps / 5) % 30);
            if (idleSteps % 3 == 0) Lay({11, 18});
        }

        const int button = buttons[anyButton(random)];
        ui.answers.assign(1, coin(random));
        if (!(held & button)) {
            if (held == 0) {
                grabbing = static_cast<CellIndex>(anyCell(random));
                while (IsOutside(grabbing)) grabbing = static_cast<CellIndex>(anyCell(random));
            }
            held |= button;
            game.moves.B_MouseDown(grabbing, button, 0, anyTwips(random), anyTwips(random));
            CheckInvariants("press", step);
            continue;
        }

        held &= ~button;
        const bool endsCarry = button == LeftButton && game.moves.PegHeld;
        const int pegsBefore = game.board.PegCount();  // the carried peg is off the board
        const int levelBefore = game.levels.CurrentLevel;
        // Half the releases aim at a jump, the rest land near a cell or
        // anywhere at all, up to many screens away.
        float x = anyTwips(random), y = anyTwips(random);
        if (coin(random)) {
            const int along = coin(random) ? 2 : -2;
            const bool across = coin(random);
            x = TwipsToCell(across ? along : 0);
            y = TwipsToCell(across ? 0 : along);
        } else if (coin(random)) {
            x = TwipsToCell(nearby(random));
            y = TwipsToCell(nearby(random));
        }
        game.moves.B_MouseUp(grabbing, button, 0, x, y);
        CheckInvariants("release", step);

        const int pegsAfter = game.board.PegCount();
        if (game.levels.CurrentLevel != levelBefore) {
            ++advances;
        } else if (endsCarry) {
            ASSERT_TRUE(pegsAfter == pegsBefore + 1 || pegsAfter == pegsBefore) << "step " << step;
            (pegsAfter == pegsBefore ? jumps : returns)++;
        } else {
            ASSERT_EQ(pegsAfter, pegsBefore) << "step " << step;
        }
    }
    // The walk must really have exercised both outcomes of a drop.
    EXPECT_GT(jumps, 500);
    EXPECT_GT(returns, 500);
    EXPECT_GT(advances, 10);
    RecordProperty("jumps", std::to_string(jumps));
    RecordProperty("advances", std::to_string(advances));
}

}  // namespace
}  // namespace kmq::test
