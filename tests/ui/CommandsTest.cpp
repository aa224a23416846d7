#include <gtest/gtest.h>

#include <QAction>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <limits>

#include "AlwaysOnTop.h"
#include "HideForm.h"
#include "Main.h"
#include "PegCell.h"
#include "UiTestSupport.h"
#include "frmAbout.h"
#include "solver/PegSolver.h"

namespace kmq::test {
namespace {

using ui::HideForm;

class Commands : public ::testing::Test {
protected:
    Commands() {
        board.ShowCentred();
        stacking.calls.clear();
    }

    // The command form as the board creates it for its menu.
    HideForm& Form() {
        WhileModal([&] { QTest::mouseClick(&board, Qt::RightButton, {}, QPoint(4, 100)); },
                   [](QWidget* open) { open->close(); });
        return *board.hideForm();
    }

    BitBoard Pegs() { return BoardBits(board.game().board); }

    // Opens the level selection dialog from the menu and lets `use` work it.
    int UseLevelDialog(const std::function<void(QWidget*)>& use) {
        HideForm& form = Form();
        return WhileModal([&] { form.M_Load->trigger(); }, use);
    }

    RecordingStacking stacking;
    ui::Main board{stacking};
    std::vector<int> endCalls;
};

TEST_F(Commands, MenuListsItsNineItemsInOrder) {
    HideForm& form = Form();
    EXPECT_EQ(form.Menu->title(), QStringLiteral("選單"));
    QStringList items;
    for (QAction* action : form.Menu->actions())
        items << (action->isSeparator() ? QStringLiteral("-") : action->text());
    EXPECT_EQ(items, (QStringList{"正式孔明棋(&P)", "載入關卡(&L)...", "重新開始(&R)", "-", "最上層顯示(&T)",
                                  "-", "關於(&A)...", "-", "結束(&E)"}));
    for (QAction* action : form.Menu->actions()) {
        EXPECT_TRUE(action->isEnabled());
        EXPECT_TRUE(action->shortcut().isEmpty());
    }
    EXPECT_TRUE(form.M_AOT->isCheckable());
    EXPECT_TRUE(form.M_AOT->isChecked());
    EXPECT_EQ(form.M_L2, form.Menu->actions()[3]);
    EXPECT_EQ(form.M_L3, form.Menu->actions()[5]);
    EXPECT_EQ(form.M_L1, form.Menu->actions()[7]);
}

TEST_F(Commands, StandardGameAndRestart) {
    board.game().levels.SelectLevel(2, 4);
    HideForm& form = Form();
    form.M_Real->trigger();
    EXPECT_EQ(board.game().levels.CurrentGroup, 5);
    EXPECT_EQ(board.game().levels.CurrentLevel, 30);
    const BitBoard standard = Pegs();
    EXPECT_EQ(standard, PatternBits("1C1C7F777F1C1C"));

    QTest::mousePress(board.B(11), Qt::LeftButton, {}, QPoint(10, 10));
    QTest::mouseRelease(board.B(11), Qt::LeftButton, {}, QPoint(10, 10 + 2 * 26));
    EXPECT_NE(Pegs(), standard);
    form.M_Restart->trigger();
    EXPECT_EQ(Pegs(), standard);
    EXPECT_EQ(board.game().levels.CurrentLevel, 30);
    EXPECT_TRUE(stacking.calls.empty());
}

TEST_F(Commands, AlwaysOnTopToggleWritesTheMarkThenTheStacking) {
    HideForm& form = Form();
    form.M_AOT->trigger();
    EXPECT_FALSE(form.M_AOT->isChecked());
    EXPECT_FALSE(board.alwaysOnTop().Checked());
    form.M_AOT->trigger();
    EXPECT_TRUE(form.M_AOT->isChecked());
    EXPECT_EQ(stacking.calls, (std::vector<bool>{false, true}));
}

TEST_F(Commands, ValidLevelChoiceLoadsRestacksAndDiscardsTheForm) {
    const int handled = UseLevelDialog([](QWidget* open) {
        auto* form = qobject_cast<HideForm*>(open);
        ASSERT_NE(form, nullptr);
        EXPECT_EQ(form->windowTitle(), QStringLiteral("關卡選擇"));
        EXPECT_TRUE(form->Option1[4]->isChecked());
        EXPECT_EQ(form->Text1->text(), QStringLiteral("30"));
        EXPECT_EQ(QApplication::focusWidget(), form->Command1);
        form->Option1[0]->setChecked(true);
        form->Text1->setText(QStringLiteral("1"));
        ClickLater(form->Command1);
    });
    EXPECT_EQ(handled, 1);
    EXPECT_EQ(board.game().levels.CurrentGroup, 1);
    EXPECT_EQ(board.game().levels.CurrentLevel, 1);
    EXPECT_EQ(Pegs(), PatternBits("00081C08080000"));
    EXPECT_EQ(stacking.calls, (std::vector<bool>{false, true}));
    EXPECT_TRUE(board.hideForm()->IsUnloaded());

    // The next menu makes a fresh form, preset to the new position.
    UseLevelDialog([](QWidget* open) {
        auto* form = qobject_cast<HideForm*>(open);
        ASSERT_NE(form, nullptr);
        EXPECT_TRUE(form->Option1[0]->isChecked());
        EXPECT_EQ(form->Text1->text(), QStringLiteral("1"));
        form->Text1->setText(QStringLiteral(" 7 "));
        ClickLater(form->Command1);
    });
    EXPECT_EQ(board.game().levels.CurrentLevel, 7);
}

TEST_F(Commands, InvalidEntriesKeepTheDialogAndChangeNothing) {
    board.game().levels.SelectLevel(3, 5);
    const BitBoard before = Pegs();
    const std::vector<std::pair<QString, QString>> entries = {{"", "請輸入數字！"},
                                                              {"abc", "請輸入數字！"},
                                                              {"12abc", "請輸入數字！"},
                                                              {"0", "請輸入 1 ~ 30 之間的數字！"},
                                                              {"31", "請輸入 1 ~ 30 之間的數字！"},
                                                              {"-3", "請輸入 1 ~ 30 之間的數字！"},
                                                              {"100", "請輸入 1 ~ 30 之間的數字！"},
                                                              {"0.5", "請輸入 1 ~ 30 之間的數字！"}};
    std::size_t next = 0;
    QStringList messages, titles, textsAfter;
    std::vector<std::vector<bool>> stackingDuring;
    std::vector<int> groupsDuring;
    UseLevelDialog([&](QWidget* open) {
        if (auto* box = qobject_cast<QMessageBox*>(open)) {
            messages << box->text();
            titles << box->windowTitle();
            ClickLater(box->buttons().front());
            return;
        }
        auto* form = qobject_cast<HideForm*>(open);
        ASSERT_NE(form, nullptr);
        if (next > 0) textsAfter << form->Text1->text();
        stackingDuring.push_back(stacking.calls);
        groupsDuring.push_back(board.game().levels.CurrentGroup);
        if (next == entries.size()) {
            form->close();  // the close box: applies nothing
            return;
        }
        form->Option1[1]->setChecked(true);
        form->Text1->setText(entries[next++].first);
        ClickLater(form->Command1);
    });
    ASSERT_EQ(messages.size(), static_cast<qsizetype>(entries.size()));
    for (std::size_t i = 0; i < entries.size(); ++i) {
        EXPECT_EQ(messages[static_cast<qsizetype>(i)], entries[i].second) << i;
        EXPECT_EQ(titles[static_cast<qsizetype>(i)], QStringLiteral("澄湖益智孔明棋"));
        EXPECT_EQ(textsAfter[static_cast<qsizetype>(i)], entries[i].first);
    }
    for (const auto& calls : stackingDuring) EXPECT_EQ(calls, std::vector<bool>{false});
    for (int group : groupsDuring) EXPECT_EQ(group, 3);
    EXPECT_EQ(board.game().levels.CurrentGroup, 3);
    EXPECT_EQ(board.game().levels.CurrentLevel, 5);
    EXPECT_EQ(Pegs(), before);
    // Closed by its close box: the stacking is back, nothing else applied.
    EXPECT_EQ(stacking.calls, (std::vector<bool>{false, true}));
    EXPECT_TRUE(board.hideForm()->IsUnloaded());
}

TEST_F(Commands, EnterAndEscapeDoNothingInTheLevelDialog) {
    int seen = 0;
    UseLevelDialog([&](QWidget* open) {
        auto* form = qobject_cast<HideForm*>(open);
        ASSERT_NE(form, nullptr);
        if (++seen > 1) return;
        form->Text1->setFocus();
        form->Text1->setText(QStringLiteral("3"));
        QTest::keyClick(form->Text1, Qt::Key_Return);
        QTest::keyClick(form->Text1, Qt::Key_Escape);
        QTest::keyClick(form, Qt::Key_Escape);
        EXPECT_TRUE(form->isVisible());
        EXPECT_EQ(board.game().levels.CurrentLevel, 30);
        QTest::keyClick(form, Qt::Key_C, Qt::AltModifier);  // the button's access key
    });
    EXPECT_EQ(board.game().levels.CurrentLevel, 3);
}

TEST_F(Commands, LevelDialogLayout) {
    HideForm& form = Form();
    EXPECT_EQ(form.size(), QSize(193, 121));
    EXPECT_FALSE(form.windowFlags().testFlag(Qt::WindowMinimizeButtonHint));
    EXPECT_FALSE(form.windowFlags().testFlag(Qt::WindowMaximizeButtonHint));
    EXPECT_EQ(form.Frame1->title(), QStringLiteral("請選擇等級"));
    EXPECT_EQ(form.Frame1->geometry(), QRect(8, 8, 97, 105));
    const QStringList grades = {"入門", "初級", "中段", "高手", "終極"};
    for (int i = 0; i < 5; ++i) {
        EXPECT_EQ(form.Option1[i]->text(), grades[i]);
        EXPECT_EQ(form.Option1[i]->parentWidget(), form.Frame1);
        EXPECT_EQ(form.Option1[i]->geometry(), QRect(8, 16 + 16 * i, 49, 17));
    }
    EXPECT_EQ(form.Frame2->title(), QStringLiteral("選擇關卡"));
    EXPECT_EQ(form.Frame2->geometry(), QRect(112, 8, 73, 73));
    EXPECT_EQ(form.Label1->text(), QStringLiteral("請輸入數字："));
    EXPECT_EQ(form.Label1->geometry(), QRect(8, 16, 57, 25));
    EXPECT_EQ(form.Text1->geometry(), QRect(8, 48, 57, 18));
    EXPECT_EQ(form.Command1->text(), QStringLiteral("確定(&C)"));
    EXPECT_EQ(form.Command1->geometry(), QRect(112, 88, 73, 25));
    EXPECT_FALSE(form.Command1->isDefault());
    EXPECT_FALSE(form.Command1->autoDefault());
    EXPECT_EQ(form.Text1->maxLength(), std::numeric_limits<int>::max());
}

TEST_F(Commands, DialogPresetsFollowWinsAndTheStandardGameWhileTheFormLives) {
    HideForm& form = Form();
    board.game().levels.SelectLevel(4, 9);  // as a won level moving on would
    QString text;
    bool expert = false;
    WhileModal([&] { form.M_Load->trigger(); },
               [&](QWidget* open) {
                   auto* dialog = qobject_cast<HideForm*>(open);
                   if (!dialog) return;
                   text = dialog->Text1->text();
                   expert = dialog->Option1[3]->isChecked();
                   dialog->close();
               });
    EXPECT_EQ(text, QStringLiteral("9"));
    EXPECT_TRUE(expert);
}

TEST_F(Commands, CheckMarkOutlivesTheForm) {
    HideForm& first = Form();
    first.M_AOT->trigger();                                // cleared
    UseLevelDialog([](QWidget* open) { open->close(); });  // discards the form
    HideForm& second = Form();
    EXPECT_NE(&second, nullptr);
    EXPECT_FALSE(second.M_AOT->isChecked());
    // With the mark clear, closing a dialog leaves the board not topmost.
    EXPECT_EQ(stacking.calls.back(), false);
}

TEST_F(Commands, AboutTakesTheBoardOutOfTheTopmostBandUntilClosed) {
    HideForm& form = Form();
    std::vector<bool> during;
    QString title;
    WhileModal([&] { form.M_About->trigger(); },
               [&](QWidget* open) {
                   during = stacking.calls;
                   title = open->windowTitle();
                   auto* about = qobject_cast<ui::frmAbout*>(open);
                   ASSERT_NE(about, nullptr);
                   ClickLater(about->cmdOK);
               });
    EXPECT_EQ(title, QStringLiteral("關於 澄湖益智孔明棋"));
    EXPECT_EQ(during, std::vector<bool>{false});
    EXPECT_EQ(stacking.calls, (std::vector<bool>{false, true}));

    form.M_AOT->trigger();  // mark cleared
    stacking.calls.clear();
    WhileModal([&] { form.M_About->trigger(); },
               [&](QWidget* open) { QTest::keyClick(open, Qt::Key_Escape); });
    EXPECT_EQ(stacking.calls, std::vector<bool>{false});
}

TEST_F(Commands, EndCommandEndsTheProgramWithoutAQuestion) {
    int ended = 0;
    HideForm form(board.game().levels, board.alwaysOnTop(), [&] { ++ended; });
    const int dialogs = WhileModal([&] { form.M_End->trigger(); }, [](QWidget* open) { open->close(); });
    EXPECT_EQ(ended, 1);
    EXPECT_EQ(dialogs, 0);
}

}  // namespace
}  // namespace kmq::test
