#include <gtest/gtest.h>

#include <QAction>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QButtonGroup>

#include "core/solver/PegSolver.h"
#include "tests/ui/UiTestSupport.h"
#include "ui/board/BoardWindow.h"
#include "ui/board/AlwaysOnTop.h"
#include "ui/dialogs/AboutDialog.h"
#include "ui/dialogs/LevelDialog.h"
#include "ui/menu/CommandMenu.h"

namespace kmq::test {
namespace {

using ui::CommandMenu;
using ui::LevelDialog;

// The level dialog's controls, found by their names; all null when `open`
// is another window, a message box say.
struct LevelDialogControls {
    explicit LevelDialogControls(QWidget* open)
        : form(qobject_cast<LevelDialog*>(open)),
          gradeButtons(form ? form->findChild<QButtonGroup*>("gradeButtons") : nullptr),
          levelEdit(form ? form->findChild<QLineEdit*>("levelEdit") : nullptr),
          okButton(form ? form->findChild<QPushButton*>("okButton") : nullptr) {}
    QAbstractButton* grade(int grade) const { return gradeButtons->button(grade); }

    LevelDialog* form;
    QButtonGroup* gradeButtons;
    QLineEdit* levelEdit;
    QPushButton* okButton;
};

class Commands : public ::testing::Test {
protected:
    Commands() {
        board.showCentred();
        stacking.calls.clear();
    }

    // The board's command menu, opened once as the player opens it.
    CommandMenu& Menu() {
        WhileModal([&] { QTest::mouseClick(&board, Qt::RightButton, {}, QPoint(4, 100)); },
                   [](QWidget* open) { open->close(); });
        return *board.commandMenu();
    }
    QAction* Action(const char* name) { return board.commandMenu()->findChild<QAction*>(name); }

    BitBoard Pegs() { return boardBits(board.game().board()); }
    std::pair<int, int> Position() { return {board.game().levels().grade(), board.game().levels().level()}; }

    // Opens the level selection dialog from the menu and lets `use` work it.
    int UseLevelDialog(const std::function<void(QWidget*)>& use) {
        Menu();
        return WhileModal([&] { Action("chooseLevelAction")->trigger(); }, use);
    }

    RecordingStacking stacking;
    ui::BoardWindow board{stacking};
};

TEST_F(Commands, MenuListsItsNineItemsInOrder) {
    CommandMenu& menu = Menu();
    EXPECT_EQ(menu.title(), QStringLiteral("選單"));
    QStringList items;
    for (QAction* action : menu.actions())
        items << (action->isSeparator() ? QStringLiteral("-") : action->text());
    EXPECT_EQ(items, (QStringList{"正式孔明棋(&P)", "載入關卡(&L)...", "重新開始(&R)", "-", "最上層顯示(&T)",
                                  "-", "關於(&A)...", "-", "結束(&E)"}));
    for (QAction* action : menu.actions()) {
        EXPECT_TRUE(action->isEnabled());
        EXPECT_TRUE(action->shortcut().isEmpty());
    }
    EXPECT_TRUE(Action("alwaysOnTopAction")->isCheckable());
    EXPECT_TRUE(Action("alwaysOnTopAction")->isChecked());
}

// From a level in progress each command does its own: restart lays that
// level out again, the standard game replaces it; neither touches the
// stacking.
TEST_F(Commands, RestartAndTheStandardGameFromALevelInProgress) {
    board.game().levels().selectLevel(2, 4);
    const BitBoard start = Pegs();
    Menu();
    DragCell(board, 25, Cells(0, 2));
    ASSERT_NE(Pegs(), start);
    Action("restartLevelAction")->trigger();
    EXPECT_EQ(Pegs(), start);
    EXPECT_EQ(Position(), std::pair(2, 4));

    DragCell(board, 25, Cells(0, 2));
    Action("newStandardGameAction")->trigger();
    EXPECT_EQ(Pegs(), patternBits("1C1C7F777F1C1C"));
    EXPECT_EQ(Position(), std::pair(5, 30));
    EXPECT_TRUE(stacking.calls.empty());
}

// Closing either dialog other than by OK leaves a game in progress as it
// was: nothing is laid out again.
TEST_F(Commands, ClosingADialogLeavesTheGameInProgressAsItWas) {
    board.game().levels().selectLevel(2, 4);
    DragCell(board, 25, Cells(0, 2));
    const BitBoard during = Pegs();
    UseLevelDialog([](QWidget* open) {
        const LevelDialogControls controls(open);
        ASSERT_NE(controls.form, nullptr);
        QTest::mouseClick(controls.grade(1), Qt::LeftButton);
        open->close();
    });
    WhileModal([&] { Action("aboutAction")->trigger(); }, [](QWidget* open) { QTest::keyClick(open, Qt::Key_Escape); });
    EXPECT_EQ(Pegs(), during);
    EXPECT_EQ(Position(), std::pair(2, 4));
}

TEST_F(Commands, AlwaysOnTopToggleWritesTheMarkThenTheStacking) {
    Menu();
    Action("alwaysOnTopAction")->trigger();
    EXPECT_FALSE(Action("alwaysOnTopAction")->isChecked());
    EXPECT_FALSE(board.alwaysOnTop().isOn());
    Action("alwaysOnTopAction")->trigger();
    EXPECT_TRUE(Action("alwaysOnTopAction")->isChecked());
    EXPECT_EQ(stacking.calls, (std::vector<bool>{false, true}));
}

TEST_F(Commands, ValidLevelChoiceLoadsAndRestacks) {
    BitBoard pegsWhenRestacked = 0;  // the board goes back on top with the new level on it
    stacking.onCall = [&] { pegsWhenRestacked = Pegs(); };
    const int handled = UseLevelDialog([](QWidget* open) {
        const LevelDialogControls controls(open);
        ASSERT_NE(controls.form, nullptr);
        EXPECT_EQ(open->windowTitle(), QStringLiteral("關卡選擇"));
        EXPECT_TRUE(controls.grade(5)->isChecked());
        EXPECT_EQ(controls.levelEdit->text(), QStringLiteral("30"));
        EXPECT_EQ(open->focusWidget(), controls.okButton);
        QTest::mouseClick(controls.grade(1), Qt::LeftButton);
        controls.levelEdit->selectAll();
        QTest::keyClicks(controls.levelEdit, QStringLiteral("1"));
        ClickLater(controls.okButton);
    });
    EXPECT_EQ(handled, 1);
    EXPECT_EQ(Position(), std::pair(1, 1));
    EXPECT_EQ(Pegs(), patternBits("00081C08080000"));
    EXPECT_EQ(stacking.calls, (std::vector<bool>{false, true}));
    EXPECT_EQ(pegsWhenRestacked, Pegs());
    stacking.onCall = nullptr;  // it looks at a variable of this test
}

// Each refused entry shows its message over the dialog, which comes back
// with the entry kept; while the dialog is open the board stays below it
// and nothing is applied, nor when it is closed by its close box.
TEST_F(Commands, InvalidEntriesKeepTheDialogAndChangeNothing) {
    board.game().levels().selectLevel(3, 5);
    const BitBoard before = Pegs();
    const QString notANumber = QStringLiteral("請輸入數字！"), outOfRange = QStringLiteral("請輸入 1 ~ 30 之間的數字！");
    const std::vector<std::pair<QString, QString>> entries = {
        {"", notANumber}, {"12abc", notANumber}, {"0.5", outOfRange}, {"31", outOfRange}};
    QStringList seen, expected;  // each box's title and text, then the entry the dialog shows again
    for (const auto& [entry, message] : entries) expected << QStringLiteral("澄湖益智孔明棋") << message << entry;
    std::size_t next = 0;
    UseLevelDialog([&](QWidget* open) {
        if (auto* box = qobject_cast<QMessageBox*>(open)) {
            seen << box->windowTitle() << box->text();
            return ClickLater(box->buttons().front());
        }
        const LevelDialogControls controls(open);
        ASSERT_NE(controls.form, nullptr);
        if (next > 0) seen << controls.levelEdit->text();
        EXPECT_EQ(stacking.calls, std::vector<bool>{false});
        EXPECT_EQ(Position(), std::pair(3, 5));
        if (next == entries.size()) {
            open->close();  // the close box
            return;
        }
        controls.grade(2)->setChecked(true);
        controls.levelEdit->setText(entries[next++].first);
        ClickLater(controls.okButton);
    });
    EXPECT_EQ(seen, expected);
    EXPECT_EQ(Position(), std::pair(3, 5));
    EXPECT_EQ(Pegs(), before);
    EXPECT_EQ(stacking.calls, (std::vector<bool>{false, true}));
}

// (The button's access key, Alt+C, is pressed on a real desktop by the
// desktop suite.)
TEST_F(Commands, EnterAndEscapeDoNothingInTheLevelDialog) {
    UseLevelDialog([&](QWidget* open) {
        const LevelDialogControls controls(open);
        ASSERT_NE(controls.form, nullptr);
        controls.levelEdit->setText(QStringLiteral("3"));
        QTest::keyClick(controls.levelEdit, Qt::Key_Return);
        QTest::keyClick(controls.levelEdit, Qt::Key_Escape);
        QTest::keyClick(open, Qt::Key_Escape);
        EXPECT_TRUE(open->isVisible());
        EXPECT_EQ(board.game().levels().level(), 30);
        ClickLater(controls.okButton);
    });
    EXPECT_EQ(board.game().levels().level(), 3);
}

// The menu, made before the level changed, presets the dialog to the level
// on the board when it opens.
TEST_F(Commands, TheDialogOpensAtTheLevelOnTheBoard) {
    Menu();
    board.game().levels().selectLevel(4, 9);  // as a won level moving on would
    QString text;
    bool expert = false;
    UseLevelDialog([&](QWidget* open) {
        const LevelDialogControls controls(open);
        ASSERT_NE(controls.form, nullptr);
        text = controls.levelEdit->text();
        expert = controls.grade(4)->isChecked();
        open->close();
    });
    EXPECT_EQ(text, QStringLiteral("9"));
    EXPECT_TRUE(expert);
}

// About takes the board out of the topmost band until it is closed, by OK,
// Enter, Escape or its close box alike; with the mark clear it stays below.
TEST_F(Commands, AboutTakesTheBoardOutOfTheTopmostBandUntilClosed) {
    Menu();
    const std::vector<std::function<void(QWidget*)>> closings = {
        [](QWidget* about) { QTest::mouseClick(about->findChild<QPushButton*>("okButton"), Qt::LeftButton); },
        [](QWidget* about) { QTest::keyClick(about, Qt::Key_Return); },
        [](QWidget* about) { QTest::keyClick(about, Qt::Key_Escape); }, [](QWidget* about) { about->close(); }};
    for (std::size_t way = 0; way < closings.size(); ++way) {
        std::vector<bool> during;
        QPointer<QWidget> about;
        stacking.calls.clear();
        WhileModal([&] { Action("aboutAction")->trigger(); },
                   [&](QWidget* open) {
                       during = stacking.calls;
                       about = qobject_cast<ui::AboutDialog*>(open);
                       ASSERT_TRUE(about);
                       closings[way](open);
                   });
        EXPECT_TRUE(about.isNull() || !about->isVisible()) << way;
        EXPECT_EQ(during, std::vector<bool>{false}) << way;
        EXPECT_EQ(stacking.calls, (std::vector<bool>{false, true})) << way;
    }

    Action("alwaysOnTopAction")->trigger();  // mark cleared
    stacking.calls.clear();
    WhileModal([&] { Action("aboutAction")->trigger(); }, closings[2]);
    EXPECT_EQ(stacking.calls, std::vector<bool>{false});
}

TEST_F(Commands, CheckMarkFollowsTheStateTheWindowSystemReports) {
    // The window manager's own menu took the board off the top.
    stacking.topmost = false;
    Menu();
    EXPECT_FALSE(Action("alwaysOnTopAction")->isChecked());
    Action("alwaysOnTopAction")->trigger();  // the first toggle puts it back on top
    EXPECT_EQ(stacking.calls, std::vector<bool>{true});

    // Off again from outside: a dialog opened and closed leaves it there.
    stacking.topmost = false;
    stacking.calls.clear();
    UseLevelDialog([](QWidget* open) { open->close(); });
    EXPECT_EQ(stacking.calls, std::vector<bool>{false});
    EXPECT_FALSE(board.alwaysOnTop().isOn());

    // Put on top from outside while a dialog is open: closing it keeps that.
    stacking.calls.clear();
    UseLevelDialog([&](QWidget* open) {
        stacking.topmost = true;
        open->close();
    });
    EXPECT_TRUE(board.alwaysOnTop().isOn());
    EXPECT_EQ(stacking.calls, (std::vector<bool>{false, true}));
}

TEST(QtTexts, ATextBoxContextMenuSpeaksChinese) {
    QLineEdit edit(QStringLiteral("7"));
    std::unique_ptr<QMenu> menu(edit.createStandardContextMenu());
    int texts = 0;
    for (QAction* action : menu->actions()) {
        if (action->isSeparator()) continue;
        ++texts;
        const QString text = action->text();
        EXPECT_TRUE(std::any_of(text.begin(), text.end(), [](QChar c) { return c.unicode() > 0x7F; }))
            << text.toStdString();
    }
    EXPECT_GE(texts, 7);  // undo, redo, cut, copy, paste, delete, select all
}

}  // namespace
}  // namespace kmq::test
