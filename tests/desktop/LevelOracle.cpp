// Answers the desktop tests' questions about levels from the game core
// itself, so the tests hold no second copy of the level table or the rules.
//   level_oracle pegs GRADE LEVEL    the cells holding a peg at the start
//   level_oracle solve GRADE LEVEL   a winning sequence, "from to" a line
#include <cstdio>
#include <cstdlib>
#include <string>

#include "core/LevelTable.h"
#include "core/solver/PegSolver.h"

int main(int argc, char* argv[]) {
    using namespace kmq;
    if (argc != 4) {
        std::fprintf(stderr, "usage: %s pegs|solve GRADE LEVEL\n", argv[0]);
        return 2;
    }
    const std::string command = argv[1];
    const int grade = std::atoi(argv[2]), level = std::atoi(argv[3]);
    if (!isInTable(grade, level)) return 2;
    const BitBoard start = patternBits(levelPattern(grade, level));

    if (command == "pegs") {
        for (CellIndex cell = FirstCell; cell <= LastCell; ++cell)
            if (start & cellBit(cell)) std::printf("%d\n", cell);
        return 0;
    }
    if (command == "solve") {
        PegSolver solver;
        const auto jumps = solver.solve(start, Goal::SinglePegOnCentre);
        if (!jumps) return 1;
        for (const auto& jump : *jumps) std::printf("%d %d\n", jump.from, jump.to);
        return 0;
    }
    return 2;
}
