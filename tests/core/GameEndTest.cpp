#include "tests/core/GameFixture.h"

namespace kmq::test {
namespace {

using GameEnd = GameFixture;

TEST_F(GameEnd, JumpsOntoOutsideCellsDoNotCount) {
    Lay({10, 11, 12});
    game.checkGameEnd();
    EXPECT_EQ(ui.messages, (std::vector<std::string>{"還剩下 3 顆，繼續加油吧！"}));
    EXPECT_EQ(GameEndText::pegsLeft(32), "還剩下 32 顆，繼續加油吧！");  // and a count of two digits

    // Any jump anywhere keeps the game going: 10 over 11 into 12, 4 down
    // over 11 into 18, and 46 up over 39 into 32 with 3 far away.
    ui.calls.clear();
    for (auto pegs : {std::initializer_list<int>{10, 11}, {4, 11}, {3, 46, 39}}) {
        Lay(pegs);
        game.checkGameEnd();
    }
    EXPECT_TRUE(ui.calls.empty());
}

TEST_F(GameEnd, OneLastPegOffTheCentreIsNoWinEvenInTheStandardGame) {
    game.levels().loadStandardGame();
    Lay({18});
    game.checkGameEnd();
    EXPECT_EQ(ui.messages, (std::vector<std::string>{"好可惜喔，雖然只剩一顆，但沒在中心。繼續加油吧！"}));
    EXPECT_TRUE(ui.questions.empty());
}

TEST_F(GameEnd, WinsInGradeFiveOrAtLevelThirtyEndTheChain) {
    for (auto [grade, level] : {std::pair{5, 1}, {2, 30}, {5, 30}}) {
        ui.messages.clear();
        game.levels().selectLevel(grade, level);
        Lay({CentreCell});
        game.checkGameEnd();
        EXPECT_EQ(ui.messages, (std::vector<std::string>{GameEndText::Champion}));
        EXPECT_TRUE(ui.questions.empty());
        EXPECT_EQ(Position(), std::pair(grade, level));
    }
}

TEST_F(GameEnd, OtherWinsOfferTheNextLevel) {
    game.levels().selectLevel(1, 29);
    Lay({CentreCell});
    ui.answers = {false};
    game.checkGameEnd();
    EXPECT_EQ(ui.questions, (std::vector<std::string>{GameEndText::NextLevelQuestion}));
    EXPECT_EQ(Pegs(), (std::set<int>{CentreCell}));
    EXPECT_EQ(game.levels().level(), 29);

    ui.answers = {true};
    game.checkGameEnd();
    EXPECT_EQ(Position(), std::pair(1, 30));
    EXPECT_EQ(Pegs().size(), 11u);
    EXPECT_TRUE(ui.messages.empty());
}

}  // namespace
}  // namespace kmq::test
