#include "ui/board/BoardWindow.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QMouseEvent>
#include <QPainter>
#include <QWindow>

#include "ui/board/PegCell.h"
#include "ui/common/AlwaysOnTop.h"
#include "ui/common/AppInfo.h"
#include "ui/common/MessageBoxes.h"
#include "ui/common/Preparation.h"
#include "ui/common/ScreenCentre.h"
#include "ui/menu/CommandMenu.h"
#include "ui/platform/PictureCursor.h"
#include "ui/platform/PointerPosition.h"
#include "ui/platform/SystemMove.h"
#include "ui/platform/WindowShape.h"
#include "ui/platform/WindowSystem.h"

namespace kmq::ui {

// The whole rectangle with its corners cut off: 2 pixels deep at the top,
// 3 at the bottom.
const QPolygon BoardWindow::Outline({QPoint(2, 0), QPoint(197, 0), QPoint(199, 2), QPoint(199, 195),
                                     QPoint(196, 198), QPoint(3, 198), QPoint(0, 195), QPoint(0, 2)});

// Everything here happens before the window is first shown, so the player
// never sees a rectangular window or a board full of pegs.
BoardWindow::BoardWindow(platform::WindowStacking& stacking)
    : QWidget(nullptr, Qt::Window | Qt::FramelessWindowHint),
      alwaysOnTop_(std::make_unique<AlwaysOnTop>(stacking, this)),
      // The board is opaque: bitmaps, read with next to no decoding. The
      // pegs' round edges need PNG's alpha.
      boardPicture_(QStringLiteral(":/board"), QStringLiteral("bmp")),
      pegPicture_(QStringLiteral(":/peg"), QStringLiteral("png")),
      pegPointer_(QStringLiteral(":/peg-pointer"), QStringLiteral("png")) {
    setWindowTitle(app::title());
    setFixedSize(Size);

    game_.levels().fillTable();
    shapeToOutline();
    alwaysOnTop_->applyAtStartUp();
    createCells();
    game_.levels().loadStandardGame();
    platform::quitWhenDestroyedElsewhere(this);
}

BoardWindow::~BoardWindow() = default;

void BoardWindow::shapeToOutline() {
    platform::shapeWindow(this, Outline);
}

// Every cell starts out showing a peg, as the board does. They are shown
// with the window (showCentred()).
void BoardWindow::createCells() {
    game_.board().setObserver([this](CellIndex cell, CellState state) { showCellState(cell, state); });
    for (CellIndex index = FirstCell; index <= LastCell; ++index) {
        auto* cell = new PegCell(index, pegPicture_, this);
        cell->move(GridOrigin + CellPitch * QPoint(columnOf(index), rowOf(index)));
        cell->hide();
        // The release point is taken from the pressed cell's corner, however
        // far the pointer has travelled: the cell kept it.
        connect(cell, &PegCell::pressed, this, [this](CellIndex at, MouseButton button, QPointF) {
            beginFace();
            game_.press(at, button);
        });
        connect(cell, &PegCell::released, this, [this](CellIndex at, MouseButton button, QPointF point) {
            game_.release(at, button, point.x(), point.y());
        });
        cells_[static_cast<std::size_t>(index)] = cell;
    }
}

// Made when the player first opens it: its text needs the font, which the
// board itself does not.
CommandMenu& BoardWindow::menu() {
    if (!commandMenu_) {
        commandMenu_ = new CommandMenu(game_.levels(), *alwaysOnTop_, this);
        connect(commandMenu_, &CommandMenu::quitRequested, this, &QWidget::close);
    }
    return *commandMenu_;
}

// Qt sends the window to the window manager in show(), which takes a while
// to map it. What else the first drawing needs is done meanwhile: the first
// child widget shown starts Qt's accessibility support, which looks for the
// desktop's message bus, and the cells are there before the board is first
// drawn. The outside cells are never shown.
// The pictures are read then too, while the window manager maps the window.
void BoardWindow::showCentred() {
    centreOnScreen(this);
    show();
    for (CellIndex index = FirstCell; index <= LastCell; ++index) cell(index)->setVisible(!isOutside(index));
    boardPicture_.at(devicePixelRatioF());
    pegPicture_.at(devicePixelRatioF());
}

void BoardWindow::showCellState(CellIndex cell, CellState state) {
    this->cell(cell)->showPeg(state == CellState::Peg);
}

// The board shows no text: the change of language that comes when Qt's
// Chinese texts are installed for the first menu leaves nothing to redraw.
bool BoardWindow::event(QEvent* event) {
    if (event->type() == QEvent::LanguageChange) return true;
    return QWidget::event(event);
}

void BoardWindow::paintEvent(QPaintEvent*) {
    QPainter(this).drawImage(0, 0, boardPicture_.at(devicePixelRatioF()));
}

// Every press may lead to text, the menu or a message, so the face is made
// ready from the first one on, here and at a cell's press. A press on the
// background while a peg is carried means the carry's release was lost: the
// pressed cell would have kept the pointer otherwise.
// A left press starts a drag of the window: handed to the compositor where
// only it can move windows (Wayland), followed here elsewhere.
void BoardWindow::mousePressEvent(QMouseEvent* event) {
    beginFace();
    cancelCarry();
    if (event->button() != Qt::LeftButton || platform::startSystemMove(this)) return;
    dragPosition_ = event->globalPosition().toPoint() - frameGeometry().topLeft();
}

// Only a drag that began with a left press on the background moves the
// window, and only while the left button alone is held.
void BoardWindow::mouseMoveEvent(QMouseEvent* event) {
    if (!dragPosition_ || event->buttons() != Qt::LeftButton) return;
    move(event->globalPosition().toPoint() - *dragPosition_);
}

void BoardWindow::mouseReleaseEvent(QMouseEvent* event) {
    if (!event->buttons().testFlag(Qt::LeftButton)) dragPosition_.reset();
    if (event->button() == Qt::RightButton) menu().exec(platform::pointerPosition());
}

// Closing the board from the taskbar, the window manager or the exit command
// ends the game.
void BoardWindow::closeEvent(QCloseEvent* event) {
    event->accept();
    QCoreApplication::quit();
}

// The outline is in the screen's pixels as far as the window system is
// concerned, so a move to a screen of another pixel ratio asks for it again.
void BoardWindow::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    connect(windowHandle(), &QWindow::screenChanged, this, &BoardWindow::shapeToOutline, Qt::UniqueConnection);
}

// The window going away (hidden, minimised, no longer active) takes the
// pointer grab with it, so the carried peg's release will never come.
void BoardWindow::hideEvent(QHideEvent* event) {
    cancelCarry();
    QWidget::hideEvent(event);
}

void BoardWindow::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    if ((event->type() == QEvent::WindowStateChange && isMinimized()) ||
        (event->type() == QEvent::ActivationChange && !isActiveWindow()))
        cancelCarry();
}

void BoardWindow::cancelCarry() {
    game_.cancelCarry();
}

// Made from the picture for this screen, so the peg in the hand is the
// size of the pegs on the board; the ball sits round the picture's centre
// (a logical pixel up and left of it, as in the standard pointer). Made once
// a picture: each new cursor is a new one for the window system.
void BoardWindow::showCarryingPointer() {
    const QImage& picture = pegPointer_.at(devicePixelRatioF());
    if (carryingPointerPicture_ != picture.cacheKey()) {
        carryingPointer_ = platform::cursorCentredOn(QPixmap::fromImage(picture));
        carryingPointerPicture_ = picture.cacheKey();
    }
    setCursor(carryingPointer_);
}

void BoardWindow::showDefaultPointer() {
    unsetCursor();
}

void BoardWindow::showMessage(const std::string& text) {
    ui::showMessage(this, QString::fromStdString(text));
}

bool BoardWindow::askYesNo(const std::string& text) {
    return ui::askYesNo(this, QString::fromStdString(text));
}

}  // namespace kmq::ui
