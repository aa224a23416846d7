#pragma once

#include <cstdint>
#include <optional>
#include <string_view>
#include <vector>

#include "core/Board.h"
#include "core/Jumps.h"

namespace kmq {

// A position as a bit set: bit n stands for cell n (1..49).
using BitBoard = std::uint64_t;

constexpr BitBoard cellBit(CellIndex cell) {
    return BitBoard{1} << cell;
}
BitBoard boardCells();  // the 33 cells of the cross
BitBoard patternBits(std::string_view pattern);
BitBoard boardBits(const Board& board);

enum class Goal { SinglePegAnywhere, SinglePegOnCentre };

// The cells a lone last peg could possibly stand on, judged by a parity
// invariant alone: colour the cells by (row + column) mod 3 and again by
// (row - column) mod 3; each jump flips the parity of all three colour counts
// of either colouring. Empty when no jump sequence can end in a single peg.
std::optional<BitBoard> reachableLastCells(BitBoard position);

// Depth-first search for a jump sequence that reaches the goal, with the
// board's eight symmetries folded together and a memo of dead positions.
class PegSolver {
public:
    std::optional<std::vector<Jump>> solve(BitBoard start, Goal goal);

    std::size_t positionsVisited() const { return visited_; }

private:
    bool search(BitBoard position, int pegs);

    Goal goal_ = Goal::SinglePegOnCentre;
    std::vector<Jump> path_;
    std::vector<BitBoard> dead_;  // open-addressed set of canonical positions
    std::size_t deadCount_ = 0;
    std::size_t visited_ = 0;

    bool isDead(BitBoard canonical) const;
    void markDead(BitBoard canonical);
};

}  // namespace kmq
