#pragma once

#include <QCursor>
#include <QPoint>
#include <QPolygon>
#include <QRect>
#include <QWidget>
#include <memory>
#include <optional>

#include "core/Game.h"
#include "ui/board/ScaledPicture.h"

namespace kmq::platform {
class WindowStacking;
}

namespace kmq::ui {

class AlwaysOnTop;
class CommandMenu;

// The board window: a borderless, board-shaped, topmost window that draws
// the board picture and, in the 33 cells of the cross, the pegs of the
// game's board, following it cell by cell. A press on a cell belongs to the
// cell until every button is up again and goes to the game; the pointer
// does everything else: a left drag on the background moves the window, a
// right click there opens the command menu.
class BoardWindow : public QWidget, private UserInterfaceServices {
    Q_OBJECT
public:
    static constexpr QSize Size{199, 198};
    // Column c of row r has its top-left corner at GridOrigin + CellPitch * (c, r).
    static constexpr QPoint GridOrigin{-15, 12};
    static constexpr int CellSize = 21;
    static const QPolygon Outline;

    explicit BoardWindow(platform::WindowStacking& stacking);
    ~BoardWindow() override;

    // Where a cell lies, in the window's logical pixels.
    static QRect cellRect(CellIndex cell);
    // Whether the board shows a peg in a cell: only the 33 of the cross
    // ever do.
    bool showsPeg(CellIndex cell) const;

    Game& game() { return game_; }
    AlwaysOnTop& alwaysOnTop() { return *alwaysOnTop_; }
    // The command menu, once the player has opened it; null before.
    CommandMenu* commandMenu() const { return commandMenu_; }

    // Centred on the screen, as the game first appears.
    void showCentred();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    void changeEvent(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void shapeToOutline();
    CommandMenu& menu();
    std::optional<CellIndex> cellAt(QPointF point) const;
    void pressOnBackground(QMouseEvent* event);
    void releaseOnBackground(QMouseEvent* event);
    void cancelCarry();

    void showCarryingPointer() override;
    void showDefaultPointer() override;
    void showMessage(const std::string& text) override;
    bool askYesNo(const std::string& text) override;

    Game game_{*this};
    std::unique_ptr<AlwaysOnTop> alwaysOnTop_;
    CommandMenu* commandMenu_ = nullptr;
    ScaledPicture boardPicture_;
    ScaledPicture pegPicture_;
    ScaledPicture pegPointer_;  // the peg with room round it, its centre the hot spot
    QCursor carryingPointer_;            // made from pegPointer_'s picture for the current screen
    qint64 carryingPointerPicture_ = 0;  // that picture's cache key
    std::optional<CellIndex> heldCell_;  // the cell that holds the pointer while buttons are down
    std::optional<QPointF> dragPosition_;  // the grabbed point, from the window's corner
};

}  // namespace kmq::ui
