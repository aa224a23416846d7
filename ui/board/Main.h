#pragma once

#include <QCursor>
#include <QPixmap>
#include <QPolygon>
#include <QWidget>
#include <array>
#include <memory>

#include "Game.h"

class QMouseEvent;

namespace kmq::platform {
class WindowStacking;
}

namespace kmq::ui {

class AlwaysOnTop;
class HideForm;
class PegCell;

// The board window: a borderless, board-shaped, topmost window with the 49
// cells over the board picture. The cells mirror the game's board; the
// pointer does everything else: a left drag on the background moves the
// window, a right click there opens the command menu.
class Main : public QWidget, private UserInterfaceServices {
    Q_OBJECT
public:
    static constexpr int Width = 199;
    static constexpr int Height = 198;
    static constexpr int CellPitch = 26;        // pixels, in both directions
    static constexpr int CellLeftOffset = -15;  // left edge of column c: 26c - 15
    static constexpr int CellTopOffset = 12;    // top edge of row r: 26r + 12
    static const QPolygon BoardOutline;

    explicit Main(platform::WindowStacking& stacking);
    ~Main() override;

    Game& game() { return game_; }
    PegCell* B(int index) const { return B_.at(static_cast<std::size_t>(index)); }
    AlwaysOnTop& alwaysOnTop() { return *alwaysOnTop_; }
    HideForm* hideForm() const { return hideForm_.get(); }
    int DragOffsetX() const { return dragOffsetX_; }
    int DragOffsetY() const { return dragOffsetY_; }

    // Centred on the screen, as the game first appears.
    void ShowCentred();

    // The cells hand their presses and releases here; false for a button
    // that move handling does not take.
    bool CellPress(int index, QMouseEvent* event);
    bool CellRelease(int index, QMouseEvent* event);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void Form_Load();
    void Form_MouseDown(QMouseEvent* event);
    void Form_MouseMove(QMouseEvent* event);
    void Form_MouseUp(QMouseEvent* event);
    void CellChanged(CellIndex cell, CellState state);
    using CellEventHandler = void (MoveHandler::*)(CellIndex, int, int, float, float);
    bool ToMoveHandling(CellEventHandler handler, int index, QMouseEvent* event);
    HideForm& Commands();

    void ShowCarryingPointer() override;
    void ShowDefaultPointer() override;
    void ShowMessage(const std::string& text) override;
    bool AskYesNo(const std::string& text) override;

    Game game_{*this};
    std::unique_ptr<AlwaysOnTop> alwaysOnTop_;
    std::unique_ptr<HideForm> hideForm_;
    QPixmap boardPicture_;
    QCursor pegPointer_;
    std::array<PegCell*, LastCell + 1> B_{};
    int dragOffsetX_ = 0;  // twips from the pointer to the window's left edge
    int dragOffsetY_ = 0;  // ... and to its top edge
    bool dragging_ = false;
};

}  // namespace kmq::ui
