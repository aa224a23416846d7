#pragma once

#include <array>
#include <optional>

#include "core/BoardGeometry.h"

namespace kmq {

// The one geometry of a jump: a peg moves two cells straight up, down, left
// or right, over the cell between. Move handling, the end-of-game search and
// the solver all take their jumps from here.
enum class Direction { Up, Down, Left, Right };

inline constexpr std::array<Direction, 4> AllDirections = {Direction::Up, Direction::Down, Direction::Left,
                                                           Direction::Right};

struct Jump {
    CellIndex from;
    CellIndex over;
    CellIndex to;
};

// One cell's step in each direction, in the order of Direction.
struct Step {
    int rows;
    int columns;
};
inline constexpr std::array<Step, 4> Steps = {{{-1, 0}, {1, 0}, {0, -1}, {0, 1}}};

constexpr Step stepOf(Direction direction) {
    return Steps[static_cast<std::size_t>(direction)];
}

// The jump from `from` in `direction`, if its landing cell lies on the 7 x 7
// grid; no jump wraps round the end of a row. Whether the cells belong to the
// cross is the board's business.
constexpr std::optional<Jump> jumpFrom(CellIndex from, Direction direction) {
    const Step step = stepOf(direction);
    const int row = rowOf(from), column = columnOf(from);
    if (!isOnGrid(row + 2 * step.rows, column + 2 * step.columns)) return std::nullopt;
    return Jump{from, cellAt(row + step.rows, column + step.columns),
                cellAt(row + 2 * step.rows, column + 2 * step.columns)};
}

// The direction of a whole-cell offset that is a jump: two cells along one
// axis. Empty for any other offset.
constexpr std::optional<Direction> jumpDirection(long long columns, long long rows) {
    for (Direction direction : AllDirections) {
        const Step step = stepOf(direction);
        if (rows == 2 * step.rows && columns == 2 * step.columns) return direction;
    }
    return std::nullopt;
}

}  // namespace kmq
