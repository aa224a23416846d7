#include <gtest/gtest.h>

#include <QMenu>
#include <QMessageBox>
#include <QMouseEvent>
#include <QPushButton>
#include <QTest>

#include "HideForm.h"
#include "Main.h"
#include "PegCell.h"
#include "UiTestSupport.h"

namespace kmq::test {
namespace {

using ui::Main;
using ui::PegCell;

class BoardWindow : public ::testing::Test {
protected:
    BoardWindow() { board.ShowCentred(); }

    // A left press on `from` and a release at `release`, in the cell's own
    // pixels, as the window system delivers them to the pressed cell.
    void DragCell(int from, QPoint release) {
        QTest::mousePress(board.B(from), Qt::LeftButton, {}, QPoint(10, 10));
        QTest::mouseRelease(board.B(from), Qt::LeftButton, {}, release);
    }
    static QPoint Cells(int dx, int dy) {
        return QPoint(10 + Main::CellPitch * dx, 10 + Main::CellPitch * dy);
    }

    void Lay(std::initializer_list<int> pegs) {
        for (CellIndex cell = FirstCell; cell <= LastCell; ++cell) board.game().board.ClearCell(cell);
        for (int cell : pegs) board.game().board.PutPeg(static_cast<CellIndex>(cell));
    }

    void SendMove(QWidget* to, QPoint global, Qt::MouseButtons held) {
        QMouseEvent move(QEvent::MouseMove, to->mapFromGlobal(QPointF(global)), QPointF(global), Qt::NoButton,
                         held, Qt::NoModifier);
        QApplication::sendEvent(to, &move);
    }

    RecordingStacking stacking;
    Main board{stacking};
};

TEST_F(BoardWindow, StartsAsTheStandardGameOnAShapedTopmostBoard) {
    EXPECT_EQ(board.windowTitle(), QStringLiteral("澄湖益智孔明棋"));
    EXPECT_EQ(board.size(), QSize(199, 198));
    EXPECT_EQ(board.minimumSize(), board.maximumSize());
    EXPECT_TRUE(board.windowFlags().testFlag(Qt::FramelessWindowHint));
    EXPECT_FALSE(board.windowIcon().isNull());
    EXPECT_EQ(stacking.calls, std::vector<bool>{true});
    EXPECT_TRUE(board.windowFlags().testFlag(Qt::WindowStaysOnTopHint) || stacking.topmost);

    EXPECT_FALSE(board.B(0)->isVisible());
    int visible = 0;
    for (int cell = FirstCell; cell <= LastCell; ++cell) {
        EXPECT_EQ(board.B(cell)->isVisible(), !IsOutside(static_cast<CellIndex>(cell))) << cell;
        visible += board.B(cell)->isVisible();
        if (board.B(cell)->isVisible()) {
            EXPECT_EQ(board.B(cell)->ShowsPeg(), cell != CentreCell) << cell;
        }
    }
    EXPECT_EQ(visible, 33);
    EXPECT_EQ(board.game().levels.CurrentGroup, 5);
    EXPECT_EQ(board.game().levels.CurrentLevel, 30);
    EXPECT_EQ(board.cursor().shape(), Qt::ArrowCursor);
}

TEST_F(BoardWindow, CellsLieOnTheTwentySixPixelGrid) {
    EXPECT_EQ(board.B(3)->geometry(), QRect(63, 12, 21, 21));
    EXPECT_EQ(board.B(21)->geometry(), QRect(167, 64, 21, 21));
    EXPECT_EQ(board.B(22)->geometry(), QRect(11, 90, 21, 21));
    EXPECT_EQ(board.B(25)->geometry(), QRect(89, 90, 21, 21));
    EXPECT_EQ(board.B(47)->geometry(), QRect(115, 168, 21, 21));
}

TEST_F(BoardWindow, OutlineCutsOffTheFourCorners) {
    const QRegion mask = board.mask();
    for (QPoint corner : {QPoint(0, 0), QPoint(198, 0), QPoint(0, 197), QPoint(198, 197)})
        EXPECT_FALSE(mask.contains(corner)) << corner.x() << "," << corner.y();
    for (QPoint inside : {QPoint(2, 0), QPoint(196, 0), QPoint(0, 2), QPoint(100, 100), QPoint(198, 100),
                          QPoint(100, 197), QPoint(3, 196)})
        EXPECT_TRUE(mask.contains(inside)) << inside.x() << "," << inside.y();
}

TEST_F(BoardWindow, AJumpMadeWithRealMouseEvents) {
    // 11 over 18 into the empty centre.
    DragCell(11, Cells(0, 2));
    EXPECT_TRUE(board.B(25)->ShowsPeg());
    EXPECT_FALSE(board.B(18)->ShowsPeg());
    EXPECT_FALSE(board.B(11)->ShowsPeg());
    EXPECT_TRUE(board.game().board.HasPeg(25));

    // Released far outside the window: the peg comes home.
    DragCell(32, QPoint(-3000, 9000));
    EXPECT_TRUE(board.B(32)->ShowsPeg());
    EXPECT_EQ(board.game().board.PegCount(), 31);
}

TEST_F(BoardWindow, DropZoneStartsThreePixelsBeforeTheCell) {
    // From 23 two columns right into 25: the zone of 25 begins 3 pixels
    // before its left edge, that is 49 pixels from 23's left edge.
    QTest::mousePress(board.B(23), Qt::LeftButton, {}, QPoint(10, 10));
    QTest::mouseRelease(board.B(23), Qt::LeftButton, {}, QPoint(48, 10));
    EXPECT_TRUE(board.B(23)->ShowsPeg());
    QTest::mousePress(board.B(23), Qt::LeftButton, {}, QPoint(10, 10));
    QTest::mouseRelease(board.B(23), Qt::LeftButton, {}, QPoint(49, 10));
    EXPECT_FALSE(board.B(23)->ShowsPeg());
    EXPECT_TRUE(board.B(25)->ShowsPeg());
}

TEST_F(BoardWindow, PointerCarriesThePegAndOnlyWhileCarrying) {
    QTest::mousePress(board.B(11), Qt::LeftButton, {}, QPoint(10, 10));
    EXPECT_EQ(board.cursor().shape(), Qt::BitmapCursor);
    EXPECT_EQ(board.cursor().hotSpot(), QPoint(16, 16));
    EXPECT_EQ(board.cursor().pixmap().size(), QSize(32, 32));
    EXPECT_FALSE(board.B(11)->ShowsPeg());
    QTest::mouseRelease(board.B(11), Qt::LeftButton, {}, QPoint(10, 10));
    EXPECT_EQ(board.cursor().shape(), Qt::ArrowCursor);
    EXPECT_TRUE(board.B(11)->ShowsPeg());

    QTest::mousePress(board.B(25), Qt::LeftButton, {}, QPoint(10, 10));  // empty
    EXPECT_EQ(board.cursor().shape(), Qt::ArrowCursor);
    QTest::mouseRelease(board.B(25), Qt::LeftButton, {}, QPoint(10, 10));
    EXPECT_EQ(board.cursor().shape(), Qt::ArrowCursor);
}

TEST_F(BoardWindow, RightClickOpensTheMenuOnTheBackgroundOnly) {
    const int onCell =
        WhileModal([&] { QTest::mouseClick(board.B(24), Qt::RightButton, {}, QPoint(10, 10)); },
                   [](QWidget* open) { open->close(); });
    EXPECT_EQ(onCell, 0);
    EXPECT_EQ(board.hideForm(), nullptr);

    QWidget* shown = nullptr;
    const int onBackground =
        WhileModal([&] { QTest::mouseClick(&board, Qt::RightButton, {}, QPoint(4, 100)); },
                   [&](QWidget* open) {
                       shown = open;
                       open->close();
                   });
    EXPECT_EQ(onBackground, 1);
    ASSERT_NE(board.hideForm(), nullptr);
    EXPECT_EQ(shown, board.hideForm()->Menu);
    EXPECT_FALSE(board.hideForm()->isVisible());
}

TEST_F(BoardWindow, EndOfGameMessageIsAPlainBoxWithTheGamesCaption) {
    Lay({24, 25, 40});
    QString title, text;
    QMessageBox::Icon icon = QMessageBox::Warning;
    QStringList buttons;
    const int boxes = WhileModal([&] { DragCell(24, Cells(2, 0)); },
                                 [&](QWidget* open) {
                                     auto* box = qobject_cast<QMessageBox*>(open);
                                     if (!box) return;
                                     title = box->windowTitle();
                                     text = box->text();
                                     icon = box->icon();
                                     for (auto* button : box->buttons()) buttons << button->text();
                                     ClickLater(box->buttons().front());
                                 });
    EXPECT_EQ(boxes, 1);
    EXPECT_EQ(title, QStringLiteral("澄湖益智孔明棋"));
    EXPECT_EQ(text, QStringLiteral("還剩下 2 顆，繼續加油吧！"));
    EXPECT_EQ(icon, QMessageBox::NoIcon);
    EXPECT_EQ(buttons, QStringList{QStringLiteral("確定")});
    EXPECT_TRUE(board.B(26)->ShowsPeg());  // the board was updated before the message
}

TEST_F(BoardWindow, NextLevelQuestionSpeaksChineseAndDefaultsToYes) {
    board.game().levels.SelectLevel(1, 29);
    Lay({11, 18});
    QStringList buttons;
    QString defaultButton;
    WhileModal([&] { DragCell(11, Cells(0, 2)); },
               [&](QWidget* open) {
                   auto* box = qobject_cast<QMessageBox*>(open);
                   if (!box) return;
                   for (auto* button : box->buttons()) buttons << button->text();
                   defaultButton = box->defaultButton() ? box->defaultButton()->text() : QString();
                   ClickLater(box->button(QMessageBox::Yes));
               });
    buttons.sort();
    EXPECT_EQ(buttons, (QStringList{QStringLiteral("否(&N)"), QStringLiteral("是(&Y)")}));
    EXPECT_EQ(defaultButton, QStringLiteral("是(&Y)"));
    EXPECT_EQ(board.game().levels.CurrentLevel, 30);
    EXPECT_EQ(board.game().board.PegCount(), 11);
}

TEST_F(BoardWindow, DraggingTheBackgroundKeepsTheGrabbedPointUnderThePointer) {
    board.move(400, 300);
    QCursor::setPos(500, 400);
    QTest::mousePress(&board, Qt::LeftButton, {}, QPoint(100, 100));
    EXPECT_EQ(board.DragOffsetX(), -1500);
    EXPECT_EQ(board.DragOffsetY(), -1500);

    QCursor::setPos(510, 395);
    SendMove(&board, QPoint(510, 395), Qt::LeftButton);
    EXPECT_EQ(board.pos(), QPoint(410, 295));

    // Both buttons held: the window stays; the left alone again: it follows.
    QCursor::setPos(530, 395);
    SendMove(&board, QPoint(530, 395), Qt::LeftButton | Qt::RightButton);
    EXPECT_EQ(board.pos(), QPoint(410, 295));
    SendMove(&board, QPoint(530, 395), Qt::LeftButton);
    EXPECT_EQ(board.pos(), QPoint(430, 295));
    QTest::mouseRelease(&board, Qt::LeftButton, {}, QPoint(100, 100));

    // A move with the left button held that did not start on the background
    // (the button went down elsewhere) leaves the window where it is.
    QCursor::setPos(700, 700);
    SendMove(&board, QPoint(700, 700), Qt::LeftButton);
    EXPECT_EQ(board.pos(), QPoint(430, 295));
}

TEST_F(BoardWindow, MovingAPegDoesNotDragTheWindow) {
    const QPoint before = board.pos();
    QTest::mousePress(board.B(11), Qt::LeftButton, {}, QPoint(10, 10));
    SendMove(board.B(11), board.mapToGlobal(QPoint(300, 300)), Qt::LeftButton);
    QTest::mouseRelease(board.B(11), Qt::LeftButton, {}, QPoint(10, 10));
    EXPECT_EQ(board.pos(), before);
}

}  // namespace
}  // namespace kmq::test
