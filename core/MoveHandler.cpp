#include "core/MoveHandler.h"

#include <algorithm>
#include <cmath>

namespace kmq {

std::optional<long long> cellOffset(double pixels) {
    const double cells = std::floor((pixels + DropZoneLead) / CellPitch);
    // Anything beyond a screen's reach is simply "far away"; clamping keeps
    // the conversion defined for every finite input.
    constexpr double Far = 1e9;
    if (!std::isfinite(cells)) return std::nullopt;
    return static_cast<long long>(std::clamp(cells, -Far, Far));
}

std::optional<Jump> jumpAskedFor(CellIndex source, double x, double y) {
    const auto columns = cellOffset(x);
    const auto rows = cellOffset(y);
    if (!columns || !rows) return std::nullopt;
    const auto direction = jumpDirection(*columns, *rows);
    if (!direction) return std::nullopt;
    return jumpFrom(source, *direction);
}

void MoveHandler::press(CellIndex cell, MouseButton button) {
    if (button != MouseButton::Left) return;
    cancelCarry();
    if (!board_.hasPeg(cell)) return;
    carriedFrom_ = cell;
    ui_.showCarryingPointer();  // before the cell empties, so the peg never vanishes
    board_.clearCell(cell);
}

// The pressed cell keeps the pointer, so the release comes from it; one
// named for any other cell cannot be measured from the right corner and only
// sends the peg home.
bool MoveHandler::release(CellIndex cell, MouseButton button, double x, double y) {
    if (button != MouseButton::Left || !carriedFrom_) return false;
    if (cell != *carriedFrom_) {
        cancelCarry();
        return false;
    }
    carriedFrom_.reset();
    ui_.showDefaultPointer();
    return drop(cell, x, y);
}

void MoveHandler::cancelCarry() {
    if (!carriedFrom_) return;
    const CellIndex source = *carriedFrom_;
    carriedFrom_.reset();
    ui_.showDefaultPointer();
    board_.putPeg(source);
}

bool MoveHandler::drop(CellIndex source, double x, double y) {
    const auto jump = jumpAskedFor(source, x, y);
    if (!jump || !board_.hasPeg(jump->over) || board_.isOutside(jump->to)) {
        board_.putPeg(source);  // a plainly wrong drop: back home, nothing to evaluate
        return false;
    }
    if (board_.hasPeg(jump->to)) {
        board_.putPeg(source);
    } else {
        board_.putPeg(jump->to);
        board_.clearCell(jump->over);
    }
    return true;
}

}  // namespace kmq
