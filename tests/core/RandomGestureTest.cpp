#include <random>

#include "tests/core/GameFixture.h"

namespace kmq::test {
namespace {

// Random presses and releases of all three buttons as a real pointer makes
// them: the cell that receives a press keeps every event until all buttons
// are up again, and a button is released only after it was pressed.
class RandomGestures : public GameFixture {
protected:
    static int Bit(MouseButton button) { return 1 << static_cast<int>(button); }
    // Pegs on the board and in the hand.
    int Total() { return game.board().pegCount() + (game.pegCarried() ? 1 : 0); }

    void CheckInvariants(const char* when, long step) {
        for (CellIndex cell : OutsideCells)
            ASSERT_FALSE(game.board().hasPeg(cell)) << when << " at step " << step;
        ASSERT_EQ(ui.carrying, game.pegCarried()) << when << " at step " << step;
    }
};

TEST_F(RandomGestures, NoEventEverLosesOrInventsAPeg) {
    std::mt19937 random(20261207);
    std::uniform_int_distribution<int> anyCell(FirstCell, LastCell);
    std::uniform_int_distribution<int> anyButton(0, 2);
    std::uniform_real_distribution<double> anyPixels(-1333.0, 1333.0);
    std::uniform_int_distribution<int> nearby(-3, 3);
    std::bernoulli_distribution coin(0.5);
    const MouseButton buttons[] = {MouseButton::Left, MouseButton::Right, MouseButton::Middle};

    game.board().setObserver(
        [](CellIndex cell, CellState) { ASSERT_TRUE(cell >= FirstCell && cell <= LastCell); });
    game.levels().selectLevel(1, 1);

    int held = 0;  // buttons down, as a bit set
    CellIndex grabbing = 0;
    long jumps = 0, returns = 0, advances = 0, idleSteps = 0, interrupts = 0, lostReleases = 0;
    for (long step = 0; step < 200000; ++step) {
        // A fresh level now and then keeps the board crowded enough to jump;
        // one jump (11 over 18) from a win, it brings the next-level question.
        if (held == 0 && !game.pegCarried() && ++idleSteps % 25 == 0) {
            game.levels().selectLevel(1 + idleSteps % 5, 1 + (idleSteps / 5) % 30);
            if (idleSteps % 3 == 0) Lay({11, 18});
        }

        // The window goes away mid-gesture: no release of the buttons held arrives.
        if (held != 0 && anyCell(random) == FirstCell) {
            const int total = Total();
            game.cancelCarry();
            held = 0;
            ++interrupts;
            ASSERT_EQ(Total(), total) << "interrupt at step " << step;
            CheckInvariants("interrupt", step);
            continue;
        }

        const MouseButton button = buttons[anyButton(random)];
        ui.answers.assign(1, coin(random));
        if (!(held & Bit(button))) {
            if (held == 0) {
                grabbing = static_cast<CellIndex>(anyCell(random));
                while (isOutside(grabbing)) grabbing = static_cast<CellIndex>(anyCell(random));
            }
            held |= Bit(button);
            const int total = Total();
            game.press(grabbing, button);
            ASSERT_EQ(Total(), total) << "press at step " << step;
            CheckInvariants("press", step);
            continue;
        }

        held &= ~Bit(button);
        // A left release lost on its way: the next left press finds the peg carried.
        if (button == MouseButton::Left && game.pegCarried() && anyCell(random) == LastCell) {
            ++lostReleases;
            continue;
        }
        const bool endsCarry = button == MouseButton::Left && game.pegCarried();
        const int pegsBefore = game.board().pegCount();  // the carried peg is off the board
        const int levelBefore = game.levels().level();
        // Half the releases aim at a jump, the rest near a cell or screens away.
        double x = anyPixels(random), y = anyPixels(random);
        if (coin(random)) {
            const int along = coin(random) ? 2 : -2;
            const bool across = coin(random);
            x = PixelsToCell(across ? along : 0);
            y = PixelsToCell(across ? 0 : along);
        } else if (coin(random)) {
            x = PixelsToCell(nearby(random));
            y = PixelsToCell(nearby(random));
        }
        game.release(grabbing, button, x, y);
        CheckInvariants("release", step);

        const int pegsAfter = game.board().pegCount();
        if (game.levels().level() != levelBefore) {
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
    EXPECT_GT(interrupts, 500);
    EXPECT_GT(lostReleases, 100);
}

}  // namespace
}  // namespace kmq::test
