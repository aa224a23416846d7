#pragma once

#include <optional>

#include "core/Board.h"
#include "core/Jumps.h"
#include "core/UserInterfaceServices.h"

namespace kmq {

enum class MouseButton { Left, Right, Middle };

// Release points are given in device-independent pixels from the pressed
// cell's top-left corner. A cell's drop zone starts this far before the cell,
// so the zones tile the plane with no gap: a release 3 pixels left of a
// cell's edge still counts for that cell, 4 pixels do not.
inline constexpr int DropZoneLead = 3;

// The whole-cell offset of a release point from the source cell's corner,
// rounded toward minus infinity. Empty when the point is not a finite number.
std::optional<long long> cellOffset(double pixels);

// The jump a release point asks for, if its offset is two cells along one
// axis and the target lies on the grid. Never names a cell off the grid; the
// pegs and the cross itself are the drop's business.
std::optional<Jump> jumpAskedFor(CellIndex source, double x, double y);

// Turns one press and release of the left button on a cell into at most one
// jump. The press lifts the peg (its cell shows empty while it is carried);
// the release lays it into the target or back into its own cell.
class MoveHandler {
public:
    MoveHandler(Board& board, UserInterfaceServices& ui) : board_(board), ui_(ui) {}

    // A left press while a peg is still carried means its release never
    // came: the peg goes home first, then the press counts as new.
    void press(CellIndex cell, MouseButton button);

    // True when the release laid a peg down in a way the end of the game
    // must be looked at: a jump, or a drop whose only fault was an
    // occupied target.
    bool release(CellIndex cell, MouseButton button, double x, double y);

    // Ends a carry whose release will never come (the window went away, the
    // pointer grab was lost): the peg goes back to its own cell and the
    // default pointer returns. Nothing is evaluated. Does nothing when no peg
    // is carried.
    void cancelCarry();

    // True from the left press that lifted a peg until the left release that
    // lays it down. Only the left button takes part, so a second button
    // pressed mid-carry can never strand the peg or the carrying pointer.
    bool pegCarried() const { return carriedFrom_.has_value(); }

private:
    bool drop(CellIndex source, double x, double y);

    Board& board_;
    UserInterfaceServices& ui_;
    std::optional<CellIndex> carriedFrom_;
};

}  // namespace kmq
