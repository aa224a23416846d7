#include <gtest/gtest.h>

#include <QFontDatabase>
#include <QGuiApplication>
#include <QPaintEvent>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>

#include "tests/ui/UiTestSupport.h"
#include "ui/board/BoardWindow.h"
#include "ui/application/ShippedFont.h"
#include "ui/menu/CommandMenu.h"

namespace kmq::test {
namespace {

class BoardWindowTest : public ::testing::Test {
protected:
    BoardWindowTest() { board.showCentred(); }

    void Lay(std::initializer_list<int> pegs) {
        for (CellIndex cell = FirstCell; cell <= LastCell; ++cell) board.game().board().clearCell(cell);
        for (int cell : pegs) board.game().board().putPeg(static_cast<CellIndex>(cell));
    }

    void SendMove(QWidget* to, QPoint global, Qt::MouseButtons held) {
        SendMouse(to, QEvent::MouseMove, to->mapFromGlobal(global), Qt::NoButton, held);
    }

    RecordingStacking stacking;
    ui::BoardWindow board{stacking};
};

TEST_F(BoardWindowTest, StartsAsTheStandardGameOnAShapedTopmostBoard) {
    EXPECT_EQ(board.windowTitle(), QStringLiteral("澄湖益智孔明棋"));
    // What a Wayland dock matches with the launcher's desktop entry.
    EXPECT_EQ(QGuiApplication::desktopFileName(), QStringLiteral("org.example.kongmingqi"));
    EXPECT_EQ(board.size(), QSize(199, 198));
    EXPECT_EQ(board.minimumSize(), board.maximumSize());
    EXPECT_TRUE(board.windowFlags().testFlag(Qt::FramelessWindowHint));
    EXPECT_EQ(stacking.calls, std::vector<bool>{true});
    EXPECT_EQ(board.mask(), BoardShape());
    EXPECT_EQ(board.cursor().shape(), Qt::ArrowCursor);
}

// Counts the paint events of a window, and keeps what they painted.
class PaintCount : public QObject {
public:
    explicit PaintCount(QWidget* window) { window->installEventFilter(this); }
    int count() const { return count_; }
    QRegion painted() const { return painted_; }

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Paint) {
            ++count_;
            painted_ += static_cast<QPaintEvent*>(event)->region();
        }
        return false;
    }

private:
    int count_ = 0;
    QRegion painted_;
};

// The board is drawn once, with its pegs, and what the game makes ready
// for other windows (the icon once the board is on the screen, the font at
// the first press) makes nothing on it draw again.
TEST(BoardDrawing, OnceAtStartAndNotAgainWhenTheIconAndTheFontArrive) {
    RecordingStacking stacking;
    ui::BoardWindow board(stacking);
    const PaintCount paints(&board);
    board.showCentred();
    ASSERT_TRUE(QTest::qWaitFor([&] { return !QApplication::windowIcon().isNull(); }));
    QTest::mouseClick(&board, Qt::LeftButton, {}, InCell(CentreCell, QPoint(10, 10)));  // the empty centre
    EXPECT_TRUE(QFontDatabase::families().contains(ui::shippedFontFamily()));
    QTest::qWait(100);  // nothing is to be drawn: give it the chance
    EXPECT_EQ(paints.count(), 1);
}

// The window system gets the board with its place: a board placed after
// show() appears where the window manager puts it, then jumps.
TEST(BoardPlacement, TheBoardIsCentredBeforeItIsShown) {
    struct PlaceAtShow : QObject {
        QPoint place;
        bool eventFilter(QObject* watched, QEvent* event) override {
            if (event->type() == QEvent::Show) place = static_cast<QWidget*>(watched)->pos();
            return false;
        }
    } atShow;
    RecordingStacking stacking;
    ui::BoardWindow board(stacking);
    board.installEventFilter(&atShow);
    board.showCentred();
    EXPECT_EQ(atShow.place, board.pos());
    EXPECT_NE(board.pos(), QPoint(0, 0));
}

// A jump draws again the three cells it changed, and nothing else.
TEST_F(BoardWindowTest, AJumpDrawsOnlyTheCellsItChanges) {
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&board));
    PaintCount paints(&board);
    DragCell(board, 11, Cells(0, 2));
    ASSERT_TRUE(QTest::qWaitFor([&] { return paints.count() > 0; }));
    QTest::qWait(50);  // anything else to be drawn: give it the chance
    const QRegion changed =
        QRegion(ui::BoardWindow::cellRect(11)) + ui::BoardWindow::cellRect(18) + ui::BoardWindow::cellRect(25);
    EXPECT_EQ(paints.painted() - changed, QRegion());
    EXPECT_EQ(changed - paints.painted(), QRegion());
}

// The cells stand where the holes are drawn: a press on the first or the
// last pixel of a cell's square lifts its peg, a pixel beside it is board.
TEST_F(BoardWindowTest, APressLiftsThePegOfTheSquareItHitsAndNoOther) {
    const std::pair<CellIndex, QPoint> corners[] = {{3, {63, 12}}, {21, {167, 64}}, {22, {11, 90}}, {47, {115, 168}}};
    for (const auto& [cell, corner] : corners) {
        for (QPoint inside : {corner, corner + QPoint(20, 20)}) {
            QTest::mousePress(&board, Qt::LeftButton, {}, inside);
            EXPECT_FALSE(board.showsPeg(cell)) << cell;
            QTest::mouseRelease(&board, Qt::LeftButton, {}, inside);
            EXPECT_TRUE(board.showsPeg(cell)) << cell;
        }
        for (QPoint beside : {corner - QPoint(1, 0), corner - QPoint(0, 1), corner + QPoint(21, 0), corner + QPoint(0, 21)}) {
            QTest::mousePress(&board, Qt::LeftButton, {}, beside);
            EXPECT_FALSE(board.game().pegCarried()) << cell << " at " << beside.x() << "," << beside.y();
            QTest::mouseRelease(&board, Qt::LeftButton, {}, beside);
        }
    }
}

TEST_F(BoardWindowTest, RightClickOpensTheMenuOnTheBackgroundOnly) {
    const int onCell =
        WhileModal([&] { QTest::mouseClick(&board, Qt::RightButton, {}, InCell(24, QPoint(10, 10))); },
                   [](QWidget* open) { open->close(); });
    EXPECT_EQ(onCell, 0);

    // The rim, and a corner of the grid outside the cross, which is board.
    for (QPoint background : {QPoint(4, 100), InCell(1, QPoint(10, 10))}) {
        QWidget* shown = nullptr;
        const int onBackground = WhileModal([&] { QTest::mouseClick(&board, Qt::RightButton, {}, background); },
                                            [&](QWidget* open) {
                                                shown = open;
                                                open->close();
                                            });
        EXPECT_EQ(onBackground, 1) << background.x() << "," << background.y();
        EXPECT_EQ(shown, board.commandMenu());
    }
}

TEST_F(BoardWindowTest, EndOfGameMessageIsAPlainBoxWithTheGamesCaption) {
    Lay({24, 25, 40});
    QStringList seen;  // each box's title, text, icon and buttons
    bool updatedFirst = false;
    WhileModal([&] { DragCell(board, 24, Cells(2, 0)); },
               [&](QWidget* open) {
                   auto* box = qobject_cast<QMessageBox*>(open);
                   ASSERT_NE(box, nullptr);
                   seen << box->windowTitle() << box->text() << QString::number(box->icon());
                   for (auto* button : box->buttons()) seen << button->text();
                   updatedFirst = board.showsPeg(26);
                   ClickLater(box->buttons().front());
               });
    EXPECT_EQ(seen, (QStringList{"澄湖益智孔明棋", "還剩下 2 顆，繼續加油吧！", QString::number(QMessageBox::NoIcon), "確定"}));
    EXPECT_TRUE(updatedFirst);  // the board shows the jump before the message
}

TEST_F(BoardWindowTest, NextLevelQuestionSpeaksChineseAndDefaultsToYes) {
    board.game().levels().selectLevel(1, 29);
    Lay({11, 18});
    QStringList seen;  // the buttons, then the default one
    WhileModal([&] { DragCell(board, 11, Cells(0, 2)); },
               [&](QWidget* open) {
                   auto* box = qobject_cast<QMessageBox*>(open);
                   ASSERT_TRUE(box && box->defaultButton());
                   for (auto* button : box->buttons()) seen << button->text();
                   seen.sort();
                   seen << box->defaultButton()->text();
                   ClickLater(box->button(QMessageBox::Yes));
               });
    EXPECT_EQ(seen, (QStringList{"否(&N)", "是(&Y)", "是(&Y)"}));
    EXPECT_EQ(board.game().levels().level(), 30);
    EXPECT_EQ(board.game().board().pegCount(), 11);
}

TEST_F(BoardWindowTest, DraggingTheBackgroundKeepsTheGrabbedPointUnderThePointer) {
    // Grabbed at the rim, 4, 100 from the window's corner.
    board.move(400, 300);
    QCursor::setPos(404, 400);
    QTest::mousePress(&board, Qt::LeftButton, {}, QPoint(4, 100));

    QCursor::setPos(414, 395);
    SendMove(&board, QPoint(414, 395), Qt::LeftButton);
    EXPECT_EQ(board.pos(), QPoint(410, 295));

    // Both buttons held: the window stays; the left alone again: it follows.
    QCursor::setPos(434, 395);
    SendMove(&board, QPoint(434, 395), Qt::LeftButton | Qt::RightButton);
    EXPECT_EQ(board.pos(), QPoint(410, 295));
    SendMove(&board, QPoint(434, 395), Qt::LeftButton);
    EXPECT_EQ(board.pos(), QPoint(430, 295));
    QTest::mouseRelease(&board, Qt::LeftButton, {}, QPoint(4, 100));

    // A move with the left button held that did not start on the background
    // (the button went down elsewhere) leaves the window where it is.
    QCursor::setPos(700, 700);
    SendMove(&board, QPoint(700, 700), Qt::LeftButton);
    EXPECT_EQ(board.pos(), QPoint(430, 295));
}

TEST_F(BoardWindowTest, MovingAPegDoesNotDragTheWindow) {
    const QPoint before = board.pos();
    QTest::mousePress(&board, Qt::LeftButton, {}, InCell(11, QPoint(10, 10)));
    SendMove(&board, board.mapToGlobal(QPoint(300, 300)), Qt::LeftButton);
    QTest::mouseRelease(&board, Qt::LeftButton, {}, InCell(11, QPoint(10, 10)));
    EXPECT_EQ(board.pos(), before);
}

TEST_F(BoardWindowTest, ACarryEndsWithThePegAtHomeWhenTheWindowGoesAway) {
    const std::vector<std::function<void()>> interruptions = {
        [&] { board.hide(); },
        [&] { board.setWindowState(Qt::WindowMinimized); },
        // A press on the background: the carry's release was lost.
        [&] { QTest::mousePress(&board, Qt::LeftButton, {}, QPoint(4, 100)); },
    };
    for (std::size_t i = 0; i < interruptions.size(); ++i) {
        board.showCentred();
        board.setWindowState(Qt::WindowNoState);
        QTest::mousePress(&board, Qt::LeftButton, {}, InCell(11, QPoint(10, 10)));
        ASSERT_FALSE(board.showsPeg(11));
        interruptions[i]();
        EXPECT_TRUE(board.showsPeg(11)) << i;
        EXPECT_FALSE(board.game().pegCarried()) << i;
        EXPECT_EQ(board.cursor().shape(), Qt::ArrowCursor) << i;
        QTest::mouseRelease(&board, Qt::LeftButton, {}, QPoint(4, 100));
        EXPECT_EQ(board.game().board().pegCount(), 32) << i;
    }
}

// Another window taking the keyboard leaves the peg in the hand: the window
// system keeps the pointer with the board, and the release comes.
TEST_F(BoardWindowTest, ACarryOutlastsAnotherWindowTakingTheKeyboard) {
    ASSERT_TRUE(QTest::qWaitForWindowActive(&board));
    QTest::mousePress(&board, Qt::LeftButton, {}, InCell(11, QPoint(10, 10)));
    QWidget notification;
    notification.show();
    notification.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&notification));
    QCoreApplication::processEvents();
    EXPECT_TRUE(board.game().pegCarried());
    QTest::mouseRelease(&board, Qt::LeftButton, {}, InCell(11, Cells(0, 2)));
    EXPECT_TRUE(board.showsPeg(25) && !board.showsPeg(18) && !board.showsPeg(11));
}

// The first button pressed decides where the presses go until every button
// is up: a mouse's back or forward button pressed during a carry leaves the
// peg to the left button's release. On the rim, the buttons that are
// neither left nor right neither drag the board nor open the menu.
TEST_F(BoardWindowTest, OtherButtonsLeaveTheCarryAndTheRimAlone) {
    const QPoint grabbed = InCell(11, QPoint(10, 10));
    SendMouse(&board, QEvent::MouseButtonPress, grabbed, Qt::LeftButton, Qt::LeftButton);
    for (Qt::MouseButton other : {Qt::BackButton, Qt::ForwardButton, Qt::ExtraButton3}) {
        SendMouse(&board, QEvent::MouseButtonPress, grabbed, other, Qt::LeftButton | other);
        SendMouse(&board, QEvent::MouseButtonRelease, grabbed, other, Qt::LeftButton);
    }
    EXPECT_TRUE(board.game().pegCarried());
    SendMouse(&board, QEvent::MouseButtonRelease, InCell(11, Cells(0, 2)), Qt::LeftButton, Qt::NoButton);
    EXPECT_TRUE(board.showsPeg(25) && !board.showsPeg(18) && !board.showsPeg(11));

    const QPoint before = board.pos(), rim(4, 100);
    for (Qt::MouseButton other : {Qt::MiddleButton, Qt::BackButton}) {
        const int opened = WhileModal(
            [&] {
                SendMouse(&board, QEvent::MouseButtonPress, rim, other, other);
                SendMove(&board, board.mapToGlobal(rim + QPoint(30, 20)), other);
                SendMouse(&board, QEvent::MouseButtonRelease, rim + QPoint(30, 20), other, Qt::NoButton);
            },
            [](QWidget* open) { open->close(); });
        EXPECT_EQ(opened, 0) << other;
        EXPECT_EQ(board.pos(), before) << other;
    }
}

}  // namespace
}  // namespace kmq::test
