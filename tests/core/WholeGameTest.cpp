#include "GameFixture.h"
#include "solver/PegSolver.h"

namespace kmq::test {
namespace {

class WholeGame : public GameFixture {
protected:
    std::vector<SolverJump> SolveCurrent() {
        PegSolver solver;
        auto solution = solver.Solve(BoardBits(game.board), Goal::SinglePegOnCentre);
        return solution ? *solution : std::vector<SolverJump>{};
    }
    void Play(const SolverJump& jump) {
        Drag(jump.from, ColumnOf(jump.to) - ColumnOf(jump.from), RowOf(jump.to) - RowOf(jump.from));
    }
};

TEST_F(WholeGame, StandardGamePlayedDownToTheCentre) {
    game.levels.LoadStandardGame();
    const auto solution = SolveCurrent();
    ASSERT_EQ(solution.size(), 31u);

    for (std::size_t i = 0; i < solution.size(); ++i) {
        Play(solution[i]);
        ASSERT_EQ(Pegs().size(), 31 - i) << "jump " << i;
        if (i + 1 < solution.size()) {
            ASSERT_TRUE(ui.messages.empty()) << "jump " << i;
        }
    }
    EXPECT_EQ(Pegs(), (std::set<int>{CentreCell}));
    EXPECT_EQ(ui.messages, (std::vector<std::string>{"您實在是太強了！恭喜！"}));
    EXPECT_TRUE(ui.questions.empty());
    EXPECT_FALSE(ui.carrying);
}

TEST_F(WholeGame, GradeOneWinAnsweredYesLaysOutTheNextLevel) {
    game.levels.SelectLevel(1, 7);
    const auto solution = SolveCurrent();
    ASSERT_FALSE(solution.empty());
    ui.answers = {true};
    for (const auto& jump : solution) Play(jump);

    EXPECT_EQ(ui.questions, (std::vector<std::string>{"恭喜，您成功了！是否繼續下一關？"}));
    EXPECT_EQ(game.levels.CurrentGroup, 1);
    EXPECT_EQ(game.levels.CurrentLevel, 8);
    EXPECT_EQ(BoardBits(game.board), PatternBits("08080036000808"));
}

}  // namespace
}  // namespace kmq::test
