#include "tests/core/GameFixture.h"

namespace kmq::test {
namespace {

using GameEnd = GameFixture;

TEST_F(GameEnd, MessagesAreExactlyTheGamesOwn) {
    EXPECT_EQ(GameEndText::pegsLeft(3), "還剩下 3 顆，繼續加油吧！");
    EXPECT_EQ(GameEndText::pegsLeft(32), "還剩下 32 顆，繼續加油吧！");
    EXPECT_STREQ(GameEndText::OffCentre, "好可惜喔，雖然只剩一顆，但沒在中心。繼續加油吧！");
    EXPECT_STREQ(GameEndText::Champion, "您實在是太強了！恭喜！");
    EXPECT_STREQ(GameEndText::NextLevelQuestion, "恭喜，您成功了！是否繼續下一關？");
}

TEST_F(GameEnd, JumpsOntoOutsideCellsDoNotCount) {
    Lay({10, 11, 12});
    game.checkGameEnd();
    EXPECT_EQ(ui.messages, (std::vector<std::string>{"還剩下 3 顆，繼續加油吧！"}));

    ui.messages.clear();
    Lay({10, 11});  // 10 over 11 into 12 is still open
    game.checkGameEnd();
    EXPECT_TRUE(ui.messages.empty());
}

TEST_F(GameEnd, AnyJumpAnywhereKeepsTheGameGoing) {
    Lay({4, 11});  // row 0 down over row 1 into 18
    game.checkGameEnd();
    Lay({3, 46, 39});  // far apart; 46 up over 39 into 32
    game.checkGameEnd();
    EXPECT_TRUE(ui.calls.empty());
}

TEST_F(GameEnd, GuardsStopJumpsAtTheEdgesOfTheGrid) {
    // Without the guards 21 and 22 (and 28 and 29) would jump round the end
    // of a row, and 3 and 47 would look beyond the top and bottom rows.
    for (auto pegs : {std::initializer_list<int>{21, 22}, {28, 29}, {3, 47}}) {
        ui.messages.clear();
        Lay(pegs);
        game.checkGameEnd();
        ASSERT_EQ(ui.messages.size(), 1u);
        EXPECT_EQ(ui.messages[0], GameEndText::pegsLeft(static_cast<int>(pegs.size())));
    }
}

TEST_F(GameEnd, OneLastPegOffTheCentreIsNoWinEvenInTheStandardGame) {
    game.levels().loadStandardGame();
    Lay({18});
    game.checkGameEnd();
    EXPECT_EQ(ui.messages, (std::vector<std::string>{GameEndText::OffCentre}));
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
        EXPECT_EQ(game.levels().grade(), grade);
        EXPECT_EQ(game.levels().level(), level);
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
    EXPECT_EQ(game.levels().grade(), 1);
    EXPECT_EQ(game.levels().level(), 30);
    EXPECT_EQ(Pegs().size(), 11u);
    EXPECT_TRUE(ui.messages.empty());
}

}  // namespace
}  // namespace kmq::test
