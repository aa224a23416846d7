// Times the classification of all 150 built-in levels: can each be played
// down to a single peg on the centre, or to a single peg anywhere?
#include <chrono>
#include <cstdio>

#include "bench/PeakMemory.h"
#include "core/LevelTable.h"
#include "core/solver/PegSolver.h"

int main() {
    using namespace kmq;
    constexpr int Rounds = 5;
    double best = 1e9;
    std::size_t positions = 0;
    int won = 0;
    for (int round = 0; round < Rounds; ++round) {
        positions = 0;
        won = 0;
        const auto start = std::chrono::steady_clock::now();
        for (int grade = 1; grade <= GradeCount; ++grade)
            for (int level = 1; level <= LevelsPerGrade; ++level) {
                PegSolver solver;
                const BitBoard bits = patternBits(levelPattern(grade, level));
                if (solver.solve(bits, Goal::SinglePegOnCentre)) {
                    ++won;
                } else {
                    positions += solver.positionsVisited();
                    solver.solve(bits, Goal::SinglePegAnywhere);
                }
                positions += solver.positionsVisited();
            }
        const double seconds =
            std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
        if (seconds < best) best = seconds;
    }
    std::printf("levels won on the centre: %d of 150\n", won);
    std::printf("positions visited per classification: %zu\n", positions);
    std::printf("best of %d classifications of all 150 levels: %.3f s\n", Rounds, best);
    std::printf("peak resident memory: %zu KiB\n", bench::PeakResidentKiB());
}
