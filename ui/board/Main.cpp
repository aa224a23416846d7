#include "Main.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>
#include <cmath>

#include "AlwaysOnTop.h"
#include "AppInfo.h"
#include "HideForm.h"
#include "MessageBoxes.h"
#include "PegCell.h"
#include "PointerPosition.h"
#include "ScreenCentre.h"
#include "WindowShape.h"

namespace kmq::ui {
namespace {

int ButtonNumber(Qt::MouseButton button) {
    switch (button) {
        case Qt::LeftButton:
            return LeftButton;
        case Qt::RightButton:
            return RightButton;
        case Qt::MiddleButton:
            return MiddleButton;
        default:
            return 0;
    }
}

float ToTwips(qreal pixels) {
    return static_cast<float>(pixels * app::TwipsPerPixel);
}

// Rounds half to even, as the drag offsets always have.
int RoundTwips(double twips) {
    return static_cast<int>(std::nearbyint(twips));
}

}  // namespace

// The whole rectangle with its corners cut off: 2 pixels deep at the top,
// 3 at the bottom.
const QPolygon Main::BoardOutline({QPoint(2, 0), QPoint(197, 0), QPoint(199, 2), QPoint(199, 195),
                                   QPoint(196, 198), QPoint(3, 198), QPoint(0, 195), QPoint(0, 2)});

Main::Main(platform::WindowStacking& stacking)
    : QWidget(nullptr, Qt::Window | Qt::FramelessWindowHint),
      alwaysOnTop_(std::make_unique<AlwaysOnTop>(stacking, this)),
      boardPicture_(QStringLiteral(":/board.bmp")),
      pegPointer_(QPixmap(QStringLiteral(":/peg.ico"))) {  // hot spot at its centre
    setWindowTitle(app::Title());
    setWindowIcon(app::Icon());
    setFixedSize(Width, Height);
    Form_Load();
}

Main::~Main() = default;

// Everything here happens before the window is first shown, so the player
// never sees a rectangular window or a board full of pegs.
void Main::Form_Load() {
    game_.levels.InitLevelTable();
    // The outside cells are a fixed table of the board model.
    platform::ShapeWindow(this, BoardOutline);
    alwaysOnTop_->ApplyAtStartUp();

    game_.board.SetObserver([this](CellIndex cell, CellState state) { CellChanged(cell, state); });
    B_[0] = new PegCell(this, 0, QPixmap(QStringLiteral(":/peg.gif")));
    B_[0]->hide();  // the template: holds the one peg picture every cell shows
    for (int row = 0; row < RowCount; ++row) {
        for (int column = 1; column <= ColumnCount; ++column) {
            const CellIndex cell = CellAt(row, column);
            auto* b = new PegCell(this, cell, QPixmap());
            b->show();
            b->ShowPicture(B_[0]->Picture());
            b->move(CellPitch * column + CellLeftOffset, CellPitch * row + CellTopOffset);
            B_[static_cast<std::size_t>(cell)] = b;
        }
    }
    for (CellIndex cell : OutsideCells) B(cell)->hide();

    game_.levels.LoadStandardGame();
}

void Main::ShowCentred() {
    CentreOnScreen(this);
    show();
}

void Main::CellChanged(CellIndex cell, CellState state) {
    B(cell)->ShowPicture(state == CellState::Peg ? B_[0]->Picture() : QPixmap());
}

void Main::paintEvent(QPaintEvent*) {
    QPainter(this).drawPixmap(0, 0, boardPicture_);
}

bool Main::CellPress(int index, QMouseEvent* event) {
    return ToMoveHandling(&MoveHandler::B_MouseDown, index, event);
}

// The release point is in twips from the pressed cell's corner, however far
// the pointer has travelled: the cell kept it.
bool Main::CellRelease(int index, QMouseEvent* event) {
    return ToMoveHandling(&MoveHandler::B_MouseUp, index, event);
}

bool Main::ToMoveHandling(CellEventHandler handler, int index, QMouseEvent* event) {
    const int button = ButtonNumber(event->button());
    if (button == 0) return false;
    const QPointF at = event->position();
    (game_.moves.*handler)(static_cast<CellIndex>(index), button, 0, ToTwips(at.x()), ToTwips(at.y()));
    return true;
}

void Main::mousePressEvent(QMouseEvent* event) {
    Form_MouseDown(event);
}
void Main::mouseMoveEvent(QMouseEvent* event) {
    Form_MouseMove(event);
}
void Main::mouseReleaseEvent(QMouseEvent* event) {
    Form_MouseUp(event);
}

void Main::Form_MouseDown(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) return;
    const QPoint p = platform::PointerPosition();
    dragOffsetX_ = RoundTwips(x() * app::TwipsPerPixel - app::TwipsPerPixel * p.x());
    dragOffsetY_ = RoundTwips(y() * app::TwipsPerPixel - app::TwipsPerPixel * p.y());
    dragging_ = true;
}

// Only a drag that began with a left press on the background moves the
// window, and only while the left button alone is held.
void Main::Form_MouseMove(QMouseEvent* event) {
    if (!dragging_ || event->buttons() != Qt::LeftButton) return;
    const QPoint p = platform::PointerPosition();
    const double left = app::TwipsPerPixel * p.x() + dragOffsetX_;
    const double top = app::TwipsPerPixel * p.y() + dragOffsetY_;
    move(RoundTwips(left / app::TwipsPerPixel), RoundTwips(top / app::TwipsPerPixel));
}

void Main::Form_MouseUp(QMouseEvent* event) {
    if (!event->buttons().testFlag(Qt::LeftButton)) dragging_ = false;
    if (event->button() != Qt::RightButton) return;
    Commands().Menu->exec(platform::PointerPosition());
}

// A form whose dialog has closed is discarded here, when the menu is next
// needed, rather than while its own menu or dialog may still be on the stack.
HideForm& Main::Commands() {
    if (hideForm_ && hideForm_->IsUnloaded()) hideForm_.reset();
    if (!hideForm_) hideForm_ = std::make_unique<HideForm>(game_.levels, *alwaysOnTop_);
    return *hideForm_;
}

// Closing the board from the taskbar or the window manager ends the game as
// the exit command does.
void Main::closeEvent(QCloseEvent* event) {
    event->accept();
    QCoreApplication::quit();
}

void Main::ShowCarryingPointer() {
    setCursor(pegPointer_);
}

void Main::ShowDefaultPointer() {
    unsetCursor();
}

void Main::ShowMessage(const std::string& text) {
    ui::ShowMessage(this, QString::fromStdString(text));
}

bool Main::AskYesNo(const std::string& text) {
    return ui::AskYesNo(this, QString::fromStdString(text));
}

}  // namespace kmq::ui
