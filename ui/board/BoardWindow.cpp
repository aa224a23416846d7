#include "ui/board/BoardWindow.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QWindow>
#include <QtMath>

#include "GameInfo.h"
#include "ui/application/ApplicationIcon.h"
#include "ui/application/FirstPaint.h"
#include "ui/application/ShippedFont.h"
#include "ui/board/AlwaysOnTop.h"
#include "ui/dialogs/MessageBoxes.h"
#include "ui/menu/CommandMenu.h"
#include "ui/platform/PictureCursor.h"
#include "ui/platform/ScreenPlacement.h"
#include "ui/platform/SystemMove.h"
#include "ui/platform/WindowShape.h"
#include "ui/platform/WindowSystem.h"

namespace kmq::ui {
namespace {

// The buttons the game knows. It ignores right and middle presses on a
// cell, but they belong to the cell all the same, so a right click on a
// cell opens no menu; so do presses of the other buttons (a mouse's back and
// forward buttons), which the game does not know.
std::optional<MouseButton> gameButton(Qt::MouseButton button) {
    switch (button) {
        case Qt::LeftButton:
            return MouseButton::Left;
        case Qt::RightButton:
            return MouseButton::Right;
        case Qt::MiddleButton:
            return MouseButton::Middle;
        default:
            return std::nullopt;
    }
}

}  // namespace

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
    setWindowTitle(game::title());
    setFixedSize(Size);
    markAsDrawingNoText(this);

    shapeToOutline();
    alwaysOnTop_->applyAtStartUp();
    // Every cell starts out with a peg, as the board does; a cell changed is
    // drawn again.
    game_.board().setObserver([this](CellIndex cell, CellState) { update(cellRect(cell)); });
    game_.levels().loadStandardGame();
    platform::quitWhenDestroyedElsewhere(this);
    platform::keepInView(this);
}

BoardWindow::~BoardWindow() = default;

void BoardWindow::shapeToOutline() {
    platform::shapeWindow(this, Outline);
}

QRect BoardWindow::cellRect(CellIndex cell) {
    return QRect(GridOrigin + CellPitch * QPoint(columnOf(cell), rowOf(cell)), QSize(CellSize, CellSize));
}

bool BoardWindow::showsPeg(CellIndex cell) const {
    return !isOutside(cell) && game_.board().hasPeg(cell);
}

// A point belongs to the cell whose logical pixel it lies in; the outside
// cells are no cells at all, only board.
std::optional<CellIndex> BoardWindow::cellAt(QPointF point) const {
    const QPoint pixel(qFloor(point.x()), qFloor(point.y()));
    for (CellIndex cell = FirstCell; cell <= LastCell; ++cell)
        if (!isOutside(cell) && cellRect(cell).contains(pixel)) return cell;
    return std::nullopt;
}

// Made when the player first opens it: the board starts without it.
CommandMenu& BoardWindow::menu() {
    if (!commandMenu_) {
        commandMenu_ = new CommandMenu(game_.levels(), *alwaysOnTop_, this);
        connect(commandMenu_, &CommandMenu::quitRequested, this, &QWidget::close);
    }
    return *commandMenu_;
}

// Qt sends the window to the window manager in show(), which takes a while
// to map it: the pictures are read meanwhile. The board needs no icon to be
// drawn, so the taskbar's comes once the board is on the screen.
void BoardWindow::showCentred() {
    platform::centreOnScreen(this, QGuiApplication::primaryScreen());
    show();
    boardPicture_.at(devicePixelRatioF());
    pegPicture_.at(devicePixelRatioF());
    afterFirstPaint(this, &setApplicationIcon);
}

// The board picture, unscaled, and a peg in each cell that holds one: the
// hole of the picture shows in the others.
void BoardWindow::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    if (testAttribute(Qt::WA_TranslucentBackground)) painter.setClipRegion(mask());
    painter.drawImage(0, 0, boardPicture_.at(devicePixelRatioF()));
    const QImage& peg = pegPicture_.at(devicePixelRatioF());
    for (CellIndex cell = FirstCell; cell <= LastCell; ++cell)
        if (showsPeg(cell) && event->rect().intersects(cellRect(cell))) painter.drawImage(cellRect(cell).topLeft(), peg);
}

// Every press may lead to text, the menu or a message: the font is made
// ready at the first one, while the hand holds the button. The first button
// pressed decides where the presses go until every button is up again: to
// the cell under it, which keeps them however far the pointer travels, or
// to the background. Positions are the window's own, to fractions of a
// logical pixel.
void BoardWindow::mousePressEvent(QMouseEvent* event) {
    registerShippedFont();
    if (event->buttons() == event->button()) heldCell_ = cellAt(event->scenePosition());
    if (!heldCell_) {
        pressOnBackground(event);
        return;
    }
    if (const auto button = gameButton(event->button())) game_.press(*heldCell_, *button);
}

// The release point is taken from the held cell's corner, wherever the
// pointer is now.
void BoardWindow::mouseReleaseEvent(QMouseEvent* event) {
    if (!heldCell_) {
        releaseOnBackground(event);
    } else if (const auto button = gameButton(event->button())) {
        const QPointF inCell = event->scenePosition() - cellRect(*heldCell_).topLeft();
        game_.release(*heldCell_, *button, inCell.x(), inCell.y());
    }
    if (event->buttons() == Qt::NoButton) heldCell_.reset();
}

// Only a drag that began with a left press on the background moves the
// window, and only while the left button alone is held; while a cell holds
// the pointer, moves are its own.
void BoardWindow::mouseMoveEvent(QMouseEvent* event) {
    if (heldCell_ || !dragPosition_ || event->buttons() != Qt::LeftButton) return;
    move(platform::cornerKeepingGrabbedPoint(this, event->globalPosition(), *dragPosition_));
}

// A press on the background while a peg is carried means the carry's
// release was lost: the cell would have kept the pointer otherwise. A left
// press starts a drag of the window: handed to the compositor where only it
// can move windows (Wayland), followed here elsewhere.
void BoardWindow::pressOnBackground(QMouseEvent* event) {
    cancelCarry();
    if (event->button() != Qt::LeftButton || platform::startSystemMove(this)) return;
    dragPosition_ = event->position();
}

void BoardWindow::releaseOnBackground(QMouseEvent* event) {
    if (!event->buttons().testFlag(Qt::LeftButton)) dragPosition_.reset();
    if (event->button() == Qt::RightButton) menu().exec(QCursor::pos());
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
    windowHandle()->installEventFilter(this);
}

// These three end a carry whose release will never come. The window going
// off the screen (hidden, minimised, another virtual desktop shown) takes
// the pointer with it. Another window taking the keyboard does not, where the
// window system keeps the pointer for the board (X11), and does where it
// takes it away (Windows); that is known once the change of activation is
// done.
void BoardWindow::hideEvent(QHideEvent* event) {
    cancelCarry();
    QWidget::hideEvent(event);
}

bool BoardWindow::eventFilter(QObject* watched, QEvent* event) {
    if (watched == windowHandle() && event->type() == QEvent::Expose && !windowHandle()->isExposed()) cancelCarry();
    return QWidget::eventFilter(watched, event);
}

void BoardWindow::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    if (event->type() == QEvent::WindowStateChange && isMinimized()) cancelCarry();
    if (event->type() == QEvent::ActivationChange && !isActiveWindow())
        QMetaObject::invokeMethod(
            this,
            [this] {
                if (!isActiveWindow() && !platform::keepsPointerWhenInactive(this)) cancelCarry();
            },
            Qt::QueuedConnection);
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
