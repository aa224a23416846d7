#include <gtest/gtest.h>

#include <QAction>
#include <QLabel>
#include <QPushButton>
#include <QTest>

#include "core/Board.h"
#include "core/LevelCatalogue.h"
#include "tests/ui/UiTestSupport.h"
#include "ui/board/AlwaysOnTop.h"
#include "ui/dialogs/WrappedLabel.h"
#include "ui/dialogs/AboutDialog.h"
#include "ui/menu/CommandMenu.h"

namespace kmq::test {
namespace {

class About : public ::testing::Test {
protected:
    QLabel* Label(QWidget& about, const char* name) { return about.findChild<QLabel*>(name); }

    // Opens the dialog from the command menu and closes it with `close`.
    void OpenFromMenuAndClose(const std::function<void(QWidget*)>& close) {
        WhileModal([&] { menu.findChild<QAction*>("aboutAction")->trigger(); },
                   [&](QWidget* open) {
                       dialog = open;
                       close(open);
                   });
    }

    RecordingStacking stacking;
    QWidget boardWindow;
    ui::AlwaysOnTop alwaysOnTop{stacking, &boardWindow};
    Board board;
    LevelCatalogue levels{board};
    ui::CommandMenu menu{levels, alwaysOnTop, &boardWindow};
    QPointer<QWidget> dialog;
};

TEST_F(About, ShowsTitleVersionRulesAndCredit) {
    ui::AboutDialog about;
    auto* okButton = about.findChild<QPushButton*>("okButton");
    ASSERT_NE(okButton, nullptr);
    EXPECT_EQ(about.windowTitle(), QStringLiteral("關於 澄湖益智孔明棋"));
    EXPECT_EQ(about.size(), QSize(313, 217));
    EXPECT_EQ(Label(about, "titleLabel")->text(), QStringLiteral("澄湖益智孔明棋"));
    EXPECT_EQ(Label(about, "versionLabel")->text(), QStringLiteral("版本 1.0.0"));
    const QString rules = QStringLiteral(
        "遊戲方式：在棋盤上有許多棋子，移動時請用滑鼠將一顆棋子提取並跳過另外一顆後放下，被跳過的棋子會消失。"
        "如此反覆數次，最後若能夠只剩一顆，並且使其位於中央，則獲勝。棋子只能以跳躍的方式移動，且只能水平或垂"
        "直移動，"
        "不能斜跳，也不能一次跳過兩顆。本遊戲除了正式的孔明棋外，另有五種不同等級共一百五十個關卡可以選擇遊戲"
        "。");
    EXPECT_EQ(Label(about, "rulesLabel")->text(), rules);
    EXPECT_EQ(Label(about, "rulesLabel")->text().size(), 155);
    EXPECT_TRUE(Label(about, "creditLabel")->text().contains(QStringLiteral("@example.")));
    EXPECT_EQ(okButton->text(), QStringLiteral("確定"));
    EXPECT_TRUE(okButton->isDefault());
    EXPECT_FALSE(Label(about, "iconLabel")->pixmap().isNull());
    EXPECT_EQ(Label(about, "iconLabel")->geometry(), QRect(8, 8, 34, 34));
    EXPECT_EQ(Label(about, "titleLabel")->geometry(), QRect(56, 8, 251, 32));
    EXPECT_EQ(Label(about, "versionLabel")->geometry(), QRect(184, 8, 171, 15));
    EXPECT_EQ(Label(about, "rulesLabel")->geometry(), QRect(56, 32, 249, 121));
    EXPECT_EQ(Label(about, "creditLabel")->geometry(), QRect(56, 144, 251, 38));
    EXPECT_EQ(okButton->geometry(), QRect(114, 184, 84, 23));
    EXPECT_FALSE(about.windowFlags().testFlag(Qt::WindowMinimizeButtonHint));
    EXPECT_FALSE(about.windowFlags().testFlag(Qt::WindowMaximizeButtonHint));
}

// The rules are one paragraph: it wraps between any two characters, keeps
// every one of them, and no line starts with a comma or a full stop.
TEST_F(About, RulesWrapWithinTheirBoxAndPunctuationHangs) {
    ui::AboutDialog about;
    const auto* rules = about.findChild<ui::WrappedLabel*>("rulesLabel");
    ASSERT_NE(rules, nullptr);
    const QStringList lines = rules->lines();
    EXPECT_GT(lines.size(), 1);
    EXPECT_EQ(lines.join(QString{}), rules->text());
    for (const QString& line : lines) {
        EXPECT_FALSE(QStringLiteral("，。：").contains(line.front())) << line.toStdString();
        EXPECT_LE(rules->fontMetrics().horizontalAdvance(line.chopped(1)), rules->width()) << line.toStdString();
    }
}

TEST_F(About, EnterEscapeAndCloseBoxAllCloseItAsOkDoes) {
    for (int way = 0; way < 4; ++way) {
        stacking.calls.clear();
        OpenFromMenuAndClose([way](QWidget* about) {
            switch (way) {
                case 0:
                    QTest::mouseClick(about->findChild<QPushButton*>("okButton"), Qt::LeftButton);
                    break;
                case 1:
                    QTest::keyClick(about, Qt::Key_Return);
                    break;
                case 2:
                    QTest::keyClick(about, Qt::Key_Escape);
                    break;
                default:
                    about->close();
                    break;
            }
        });
        EXPECT_TRUE(dialog.isNull() || !dialog->isVisible()) << way;
        EXPECT_EQ(stacking.calls, (std::vector<bool>{false, true})) << way;
    }
}

TEST_F(About, WithTheMarkClearClosingLeavesTheBoardNotTopmost) {
    alwaysOnTop.set(false);
    stacking.calls.clear();
    OpenFromMenuAndClose([](QWidget* about) { QTest::keyClick(about, Qt::Key_Escape); });
    EXPECT_TRUE(dialog.isNull() || !dialog->isVisible());
    EXPECT_EQ(stacking.calls, std::vector<bool>{false});
}

}  // namespace
}  // namespace kmq::test
