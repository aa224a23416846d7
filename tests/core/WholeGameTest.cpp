#include "core/solver/PegSolver.h"
#include "tests/core/GameFixture.h"

namespace kmq::test {
namespace {

class WholeGame : public GameFixture {
protected:
    std::vector<Jump> SolveCurrent() {
        PegSolver solver;
        auto solution = solver.solve(boardBits(game.board()), Goal::SinglePegOnCentre);
        return solution ? *solution : std::vector<Jump>{};
    }
    void Play(const Jump& jump) {
        Drag(jump.from, columnOf(jump.to) - columnOf(jump.from), rowOf(jump.to) - rowOf(jump.from));
    }
};

TEST_F(WholeGame, StandardGamePlayedDownToTheCentre) {
    game.levels().loadStandardGame();
    const auto solution = SolveCurrent();
    ASSERT_EQ(solution.size(), 31u);

    for (std::size_t i = 0; i < solution.size(); ++i) {
        Play(solution[i]);
        ASSERT_EQ(Pegs().size(), 31 - i) << "jump " << i;
        ASSERT_TRUE(i + 1 == solution.size() || ui.messages.empty()) << "a message after jump " << i;
    }
    EXPECT_EQ(Pegs(), (std::set<int>{CentreCell}));
    EXPECT_EQ(ui.messages, (std::vector<std::string>{"您實在是太強了！恭喜！"}));
    EXPECT_TRUE(ui.questions.empty());
    EXPECT_FALSE(ui.carrying);
}

TEST_F(WholeGame, GradeOneWinAnsweredYesLaysOutTheNextLevel) {
    game.levels().selectLevel(1, 7);
    const auto solution = SolveCurrent();
    ASSERT_FALSE(solution.empty());
    ui.answers = {true};
    for (const auto& jump : solution) Play(jump);

    EXPECT_EQ(ui.questions, (std::vector<std::string>{"恭喜，您成功了！是否繼續下一關？"}));
    EXPECT_EQ(Position(), std::pair(1, 8));
    EXPECT_EQ(boardBits(game.board()), patternBits("08080036000808"));
}

}  // namespace
}  // namespace kmq::test
