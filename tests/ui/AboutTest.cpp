#include <gtest/gtest.h>

#include <QLabel>
#include <QPushButton>
#include <QTest>

#include "AlwaysOnTop.h"
#include "UiTestSupport.h"
#include "frmAbout.h"

namespace kmq::test {
namespace {

class About : public ::testing::Test {
protected:
    RecordingStacking stacking;
    QWidget boardWindow;
    ui::AlwaysOnTop alwaysOnTop{stacking, &boardWindow};
};

TEST_F(About, ShowsTitleVersionRulesAndCredit) {
    ui::frmAbout about(alwaysOnTop);
    EXPECT_EQ(about.windowTitle(), QStringLiteral("關於 澄湖益智孔明棋"));
    EXPECT_EQ(about.size(), QSize(313, 217));
    EXPECT_EQ(about.lblTitle->text(), QStringLiteral("澄湖益智孔明棋"));
    EXPECT_EQ(about.lblVersion->text(), QStringLiteral("版本 1.0.0"));
    const QString rules = QStringLiteral(
        "遊戲方式：在棋盤上有許多棋子，移動時請用滑鼠將一顆棋子提取並跳過另外一顆後放下，被跳過的棋子會消失。"
        "如此反覆數次，最後若能夠只剩一顆，並且使其位於中央，則獲勝。棋子只能以跳躍的方式移動，且只能水平或垂"
        "直移動，"
        "不能斜跳，也不能一次跳過兩顆。本遊戲除了正式的孔明棋外，另有五種不同等級共一百五十個關卡可以選擇遊戲"
        "。");
    EXPECT_EQ(about.Label1->text(), rules);
    EXPECT_EQ(about.Label1->text().size(), 155);
    EXPECT_TRUE(about.lblDescription->text().contains(QStringLiteral("@example.")));
    EXPECT_EQ(about.cmdOK->text(), QStringLiteral("確定"));
    EXPECT_TRUE(about.cmdOK->isDefault());
    EXPECT_FALSE(about.picIcon->pixmap().isNull());
    EXPECT_EQ(about.picIcon->geometry(), QRect(8, 8, 34, 34));
    EXPECT_EQ(about.lblTitle->geometry(), QRect(56, 8, 251, 32));
    EXPECT_EQ(about.lblVersion->geometry(), QRect(184, 8, 171, 15));
    EXPECT_EQ(about.Label1->geometry(), QRect(56, 32, 249, 121));
    EXPECT_EQ(about.lblDescription->geometry(), QRect(56, 144, 251, 38));
    EXPECT_EQ(about.cmdOK->geometry(), QRect(114, 184, 84, 23));
    EXPECT_FALSE(about.windowFlags().testFlag(Qt::WindowMinimizeButtonHint));
    EXPECT_FALSE(about.windowFlags().testFlag(Qt::WindowMaximizeButtonHint));
}

TEST_F(About, EnterEscapeAndCloseBoxAllCloseItAsOkDoes) {
    for (int way = 0; way < 4; ++way) {
        stacking.calls.clear();
        ui::frmAbout about(alwaysOnTop);
        about.show();
        switch (way) {
            case 0:
                QTest::mouseClick(about.cmdOK, Qt::LeftButton);
                break;
            case 1:
                QTest::keyClick(&about, Qt::Key_Return);
                break;
            case 2:
                QTest::keyClick(&about, Qt::Key_Escape);
                break;
            default:
                about.close();
                break;
        }
        EXPECT_FALSE(about.isVisible()) << way;
        EXPECT_EQ(stacking.calls, std::vector<bool>{true}) << way;
    }
}

TEST_F(About, WithTheMarkClearClosingLeavesTheBoardNotTopmost) {
    alwaysOnTop.Toggle();
    stacking.calls.clear();
    ui::frmAbout about(alwaysOnTop);
    about.show();
    QTest::keyClick(&about, Qt::Key_Escape);
    EXPECT_FALSE(about.isVisible());
    EXPECT_TRUE(stacking.calls.empty());
}

}  // namespace
}  // namespace kmq::test
