#include "GameFixture.h"

namespace kmq::test {
namespace {

using GameEnd = GameFixture;

TEST_F(GameEnd, MessagesAreExactlyTheGamesOwn) {
    EXPECT_EQ(GameEndText::PegsLeft(3), "還剩下 3 顆，繼續加油吧！");
    EXPECT_EQ(GameEndText::PegsLeft(32), "還剩下 32 顆，繼續加油吧！");
    EXPECT_STREQ(GameEndText::OffCentre, "好可惜喔，雖然只剩一顆，但沒在中心。繼續加油吧！");
    EXPECT_STREQ(GameEndText::Champion, "您實在是太強了！恭喜！");
    EXPECT_STREQ(GameEndText::NextLevelQuestion, "恭喜，您成功了！是否繼續下一關？");
}

TEST_F(GameEnd, JumpsOntoOutsideCellsDoNotCount) {
    Lay({10, 11, 12});
    game.gameEnd.CheckGameEnd();
    EXPECT_EQ(ui.messages, (std::vector<std::string>{"還剩下 3 顆，繼續加油吧！"}));

    ui.messages.clear();
    Lay({10, 11});  // 10 over 11 into 12 is still open
    game.gameEnd.CheckGameEnd();
    EXPECT_TRUE(ui.messages.empty());
}

TEST_F(GameEnd, AnyJumpAnywhereKeepsTheGameGoing) {
    Lay({4, 11});  // row 0 down over row 1 into 18
    game.gameEnd.CheckGameEnd();
    Lay({3, 46, 39});  // far apart; 46 up over 39 into 32
    game.gameEnd.CheckGameEnd();
    EXPECT_TRUE(ui.calls.empty());
}

TEST_F(GameEnd, GuardsStopJumpsAtTheEdgesOfTheGrid) {
    // Without the guards 21 and 22 (and 28 and 29) would jump round the end
    // of a row, and 3 and 47 would look beyond the top and bottom rows.
    for (auto pegs : {std::initializer_list<int>{21, 22}, {28, 29}, {3, 47}}) {
        ui.messages.clear();
        Lay(pegs);
        game.gameEnd.CheckGameEnd();
        ASSERT_EQ(ui.messages.size(), 1u);
        EXPECT_EQ(ui.messages[0], GameEndText::PegsLeft(static_cast<int>(pegs.size())));
    }
}

TEST_F(GameEnd, OneLastPegOffTheCentreIsNoWinEvenInTheStandardGame) {
    game.levels.LoadStandardGame();
    Lay({18});
    game.gameEnd.CheckGameEnd();
    EXPECT_EQ(ui.messages, (std::vector<std::string>{GameEndText::OffCentre}));
    EXPECT_TRUE(ui.questions.empty());
}

TEST_F(GameEnd, WinsInGradeFiveOrAtLevelThirtyEndTheChain) {
    for (auto [group, level] : {std::pair{5, 1}, {2, 30}, {5, 30}}) {
        ui.messages.clear();
        game.levels.SelectLevel(group, level);
        Lay({CentreCell});
        game.gameEnd.CheckGameEnd();
        EXPECT_EQ(ui.messages, (std::vector<std::string>{GameEndText::Champion}));
        EXPECT_TRUE(ui.questions.empty());
        EXPECT_EQ(game.levels.CurrentGroup, group);
        EXPECT_EQ(game.levels.CurrentLevel, level);
    }
}

TEST_F(GameEnd, OtherWinsOfferTheNextLevel) {
    game.levels.SelectLevel(1, 29);
    Lay({CentreCell});
    ui.answers = {false};
    game.gameEnd.CheckGameEnd();
    EXPECT_EQ(ui.questions, (std::vector<std::string>{GameEndText::NextLevelQuestion}));
    EXPECT_EQ(Pegs(), (std::set<int>{CentreCell}));
    EXPECT_EQ(game.levels.CurrentLevel, 29);

    ui.answers = {true};
    game.gameEnd.CheckGameEnd();
    EXPECT_EQ(game.levels.CurrentGroup, 1);
    EXPECT_EQ(game.levels.CurrentLevel, 30);
    EXPECT_EQ(Pegs().size(), 11u);
    EXPECT_TRUE(ui.messages.empty());
}

}  // namespace
}  // namespace kmq::test
