#include "PegSolver.h"

#include <algorithm>
#include <array>
#include <bit>

#include "../LevelTable.h"

namespace kmq {
namespace {

constexpr int SymmetryCount = 8;
constexpr int RowBits = 0x7F;

// Where the cell at grid row r, column index k (0..6) goes under symmetry s.
std::pair<int, int> Transform(int s, int r, int k) {
    constexpr int M = RowCount - 1;
    switch (s) {
        case 0:
            return {r, k};
        case 1:
            return {k, M - r};
        case 2:
            return {M - r, M - k};
        case 3:
            return {M - k, r};
        case 4:
            return {r, M - k};
        case 5:
            return {M - r, k};
        case 6:
            return {k, r};
        default:
            return {M - k, M - r};
    }
}

struct Tables {
    // symmetryRows[s][row][bits]: the image under s of one row's pegs.
    std::array<std::array<std::array<BitBoard, 128>, RowCount>, SymmetryCount> symmetryRows{};
    std::vector<SolverJump> jumps;
    BitBoard boardCells = 0;

    Tables() {
        for (CellIndex cell = FirstCell; cell <= LastCell; ++cell)
            if (!IsOutside(cell)) boardCells |= CellBit(cell);

        for (int s = 0; s < SymmetryCount; ++s)
            for (int row = 0; row < RowCount; ++row)
                for (int bits = 0; bits <= RowBits; ++bits) {
                    BitBoard image = 0;
                    for (int k = 0; k < ColumnCount; ++k)
                        if (bits & (1 << k)) {
                            auto [r, c] = Transform(s, row, k);
                            image |= CellBit(CellAt(r, c + 1));
                        }
                    symmetryRows[s][row][bits] = image;
                }

        const std::array<std::pair<int, int>, 4> directions{{{-1, 0}, {1, 0}, {0, -1}, {0, 1}}};
        for (CellIndex from = FirstCell; from <= LastCell; ++from) {
            for (auto [dr, dc] : directions) {
                const int r = RowOf(from), c = ColumnOf(from);
                if (!IsOnGrid(r + 2 * dr, c + 2 * dc)) continue;
                const CellIndex over = CellAt(r + dr, c + dc), to = CellAt(r + 2 * dr, c + 2 * dc);
                if (IsOutside(from) || IsOutside(over) || IsOutside(to)) continue;
                jumps.push_back({from, over, to});
            }
        }
        // Trying first the jumps that clear pegs far from the centre finds
        // solutions about ten times sooner than plain cell order.
        const auto spread = [](const SolverJump& j) {
            const auto d = [](CellIndex c) {
                const int r = RowOf(c) - RowOf(CentreCell), k = ColumnOf(c) - ColumnOf(CentreCell);
                return r * r + k * k;
            };
            return d(j.from) + d(j.over) - d(j.to);
        };
        std::stable_sort(jumps.begin(), jumps.end(),
                         [&](const SolverJump& a, const SolverJump& b) { return spread(a) > spread(b); });
    }

    BitBoard Canonical(BitBoard position) const {
        BitBoard best = ~BitBoard{0};
        for (const auto& rows : symmetryRows) {
            BitBoard image = 0;
            for (int row = 0; row < RowCount; ++row)
                image |= rows[row][(position >> (row * ColumnCount + 1)) & RowBits];
            best = std::min(best, image);
        }
        return best;
    }
};

const Tables& Shared() {
    static const Tables tables;
    return tables;
}

// The parity of the three colour counts, as three bits, for one colouring.
int ColourParity(BitBoard position, int (*colour)(int, int)) {
    int parity = 0;
    for (CellIndex cell = FirstCell; cell <= LastCell; ++cell)
        if (position & CellBit(cell)) parity ^= 1 << colour(RowOf(cell), ColumnOf(cell));
    return parity;
}

int SumColour(int r, int c) {
    return (r + c) % 3;
}
int DifferenceColour(int r, int c) {
    return ((r - c) % 3 + 3) % 3;
}

std::size_t Slot(BitBoard key, std::size_t mask) {
    return static_cast<std::size_t>((key * 0x9E3779B97F4A7C15ull) >> 20) & mask;
}

}  // namespace

BitBoard BoardCells() {
    return Shared().boardCells;
}

BitBoard PatternBits(std::string_view pattern) {
    BitBoard bits = 0;
    for (int row = 0; row < RowCount; ++row)
        bits |= static_cast<BitBoard>(RowValue(pattern, row) & RowBits) << (row * ColumnCount + 1);
    return bits;
}

BitBoard BoardBits(const Board& board) {
    BitBoard bits = 0;
    for (CellIndex cell = FirstCell; cell <= LastCell; ++cell)
        if (board.HasPeg(cell)) bits |= CellBit(cell);
    return bits;
}

std::optional<BitBoard> ReachableLastCells(BitBoard position) {
    const int pegs = std::popcount(position);
    if (pegs == 0) return std::nullopt;
    const int flips = (pegs - 1) % 2 == 1 ? 0b111 : 0;
    const int sum = ColourParity(position, SumColour) ^ flips;
    const int difference = ColourParity(position, DifferenceColour) ^ flips;
    if (std::popcount(static_cast<unsigned>(sum)) != 1 ||
        std::popcount(static_cast<unsigned>(difference)) != 1)
        return std::nullopt;

    BitBoard cells = 0;
    for (CellIndex cell = FirstCell; cell <= LastCell; ++cell) {
        const int r = RowOf(cell), c = ColumnOf(cell);
        if (!IsOutside(cell) && (1 << SumColour(r, c)) == sum && (1 << DifferenceColour(r, c)) == difference)
            cells |= CellBit(cell);
    }
    return cells;
}

std::optional<std::vector<SolverJump>> PegSolver::Solve(BitBoard start, Goal goal) {
    goal_ = goal;
    path_.clear();
    dead_.assign(1 << 16, 0);
    deadCount_ = 0;
    visited_ = 0;

    const auto lastCells = ReachableLastCells(start);
    if (!lastCells) return std::nullopt;
    if (goal == Goal::SinglePegOnCentre && !(*lastCells & CellBit(CentreCell))) return std::nullopt;
    if (!Search(start, std::popcount(start))) return std::nullopt;
    return path_;
}

bool PegSolver::Search(BitBoard position, int pegs) {
    ++visited_;
    if (pegs == 1) return goal_ == Goal::SinglePegAnywhere || position == CellBit(CentreCell);

    const BitBoard canonical = Shared().Canonical(position);
    if (IsDead(canonical)) return false;

    for (const auto& jump : Shared().jumps) {
        const BitBoard from = CellBit(jump.from), over = CellBit(jump.over), to = CellBit(jump.to);
        if ((position & from) && (position & over) && !(position & to)) {
            path_.push_back(jump);
            if (Search((position & ~(from | over)) | to, pegs - 1)) return true;
            path_.pop_back();
        }
    }
    MarkDead(canonical);
    return false;
}

// Canonical positions are never 0 (a searched position holds two pegs or
// more), so 0 marks a free slot.
bool PegSolver::IsDead(BitBoard canonical) const {
    const std::size_t mask = dead_.size() - 1;
    for (std::size_t i = Slot(canonical, mask);; i = (i + 1) & mask) {
        if (dead_[i] == canonical) return true;
        if (dead_[i] == 0) return false;
    }
}

void PegSolver::MarkDead(BitBoard canonical) {
    if (2 * (deadCount_ + 1) > dead_.size()) {
        std::vector<BitBoard> old(dead_.size() * 2, 0);
        old.swap(dead_);
        deadCount_ = 0;
        for (BitBoard key : old)
            if (key) MarkDead(key);
    }
    const std::size_t mask = dead_.size() - 1;
    std::size_t i = Slot(canonical, mask);
    while (dead_[i] != 0 && dead_[i] != canonical) i = (i + 1) & mask;
    if (dead_[i] == 0) ++deadCount_;
    dead_[i] = canonical;
}

}  // namespace kmq
