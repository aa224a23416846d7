#include "MoveHandling.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace kmq {
namespace {

constexpr int JumpLength = 2;

bool IsStraightJump(long long dx, long long dy) {
    return (std::llabs(dx) == JumpLength && dy == 0) || (dx == 0 && std::llabs(dy) == JumpLength);
}

}  // namespace

std::optional<long long> CellOffset(double twips) {
    const double cells = std::floor((twips + DropZoneShift) / CellPitch);
    // Anything beyond a screen's reach is simply "far away"; clamping keeps
    // the conversion defined for every finite input.
    constexpr double Far = 1e9;
    if (!std::isfinite(cells)) return std::nullopt;
    return static_cast<long long>(std::clamp(cells, -Far, Far));
}

std::optional<Jump> JumpAskedFor(CellIndex source, double x, double y) {
    const auto dx = CellOffset(x);
    const auto dy = CellOffset(y);
    if (!dx || !dy || !IsStraightJump(*dx, *dy)) return std::nullopt;

    const int row = RowOf(source) + static_cast<int>(*dy);
    const int column = ColumnOf(source) + static_cast<int>(*dx);
    if (!IsOnGrid(row, column)) return std::nullopt;

    const CellIndex target = CellAt(row, column);
    return Jump{static_cast<CellIndex>((source + target) / 2), target};
}

MoveHandler::MoveHandler(Board& board, UserInterfaceServices& ui, std::function<void()> checkGameEnd)
    : board_(board), ui_(ui), checkGameEnd_(std::move(checkGameEnd)) {}

void MoveHandler::B_MouseDown(CellIndex Index, int Button, int /*Shift*/, float /*X*/, float /*Y*/) {
    if (Button != LeftButton || PegHeld) return;
    PegHeld = board_.HasPeg(Index);
    if (!PegHeld) return;
    ui_.ShowCarryingPointer();  // before the cell empties, so the peg never vanishes
    board_.ClearCell(Index);
}

void MoveHandler::B_MouseUp(CellIndex Index, int Button, int /*Shift*/, float X, float Y) {
    if (Button != LeftButton || !PegHeld) return;
    PegHeld = false;
    ui_.ShowDefaultPointer();
    Drop(Index, X, Y);
}

void MoveHandler::Drop(CellIndex source, float x, float y) {
    const auto jump = JumpAskedFor(source, x, y);
    if (!jump || !board_.HasPeg(jump->middle) || board_.IsOutside(jump->target)) {
        board_.PutPeg(source);  // a plainly wrong drop: back home, nothing to evaluate
        return;
    }
    if (board_.HasPeg(jump->target)) {
        board_.PutPeg(source);
    } else {
        board_.PutPeg(jump->target);
        board_.ClearCell(jump->middle);
    }
    checkGameEnd_();
}

}  // namespace kmq
