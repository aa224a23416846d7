#include <gtest/gtest.h>

#include "core/Jumps.h"

namespace kmq {
namespace {

TEST(Jumps, StayOnTheGridAndPassOverTheCellBetween) {
    int onCross = 0;
    for (CellIndex from = FirstCell; from <= LastCell; ++from)
        for (Direction direction : AllDirections) {
            const auto jump = jumpFrom(from, direction);
            if (!jump) continue;
            // Same row or same column, two apart, the middle halfway.
            const int rows = rowOf(jump->to) - rowOf(from), columns = columnOf(jump->to) - columnOf(from);
            EXPECT_EQ(std::abs(rows) + std::abs(columns), 2) << from;
            EXPECT_TRUE(rows == 0 || columns == 0) << from;
            EXPECT_EQ(jump->over, (from + jump->to) / 2) << from;
            EXPECT_EQ(jumpDirection(columns, rows), direction) << from;
            if (!isOutside(from) && !isOutside(jump->over) && !isOutside(jump->to)) ++onCross;
        }
    EXPECT_EQ(onCross, 76);  // the jumps of the 33-hole cross board
}

}  // namespace
}  // namespace kmq
