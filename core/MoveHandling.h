#pragma once

#include <functional>
#include <optional>

#include "Board.h"
#include "UserInterfaceServices.h"

namespace kmq {

// Button numbers as pointer events carry them.
enum MouseButton : int { LeftButton = 1, RightButton = 2, MiddleButton = 4 };

// Release points arrive in twips, 15 to the pixel. The cells are 26 pixels
// apart and a cell's drop zone starts 3 pixels before the cell, so the zones
// tile the plane with no gap.
inline constexpr double CellPitch = 390.0;
inline constexpr double DropZoneShift = 45.0;

// The whole-cell offset of a release point from the source cell's corner,
// rounded toward minus infinity. Empty when the point is not a finite number.
std::optional<long long> CellOffset(double twips);

struct Jump {
    CellIndex middle;
    CellIndex target;
};

// The jump a release point asks for, if its offset is two cells along one
// axis and the target lies on the grid. Never names a cell off the grid; the
// pegs and the cross itself are the drop's business.
std::optional<Jump> JumpAskedFor(CellIndex source, double x, double y);

// Turns one press and release of the left button on a cell into at most one
// jump. The press lifts the peg (its cell shows empty while it is carried);
// the release lays it into the target or back into its own cell.
class MoveHandler {
public:
    MoveHandler(Board& board, UserInterfaceServices& ui, std::function<void()> checkGameEnd);

    void B_MouseDown(CellIndex Index, int Button, int Shift, float X, float Y);
    void B_MouseUp(CellIndex Index, int Button, int Shift, float X, float Y);

    // True from the left press that lifted a peg until the left release that
    // lays it down. Only the left button takes part, so a second button
    // pressed mid-carry can never strand the peg or the carrying pointer.
    bool PegHeld = false;

private:
    void Drop(CellIndex source, float x, float y);

    Board& board_;
    UserInterfaceServices& ui_;
    std::function<void()> checkGameEnd_;
};

}  // namespace kmq
