#include <gtest/gtest.h>

#include <algorithm>
#include <cstddef>
#include <memory>

#include "PeakMemory.h"

namespace kmq::bench {
namespace {

constexpr std::size_t KiB = 1024;
constexpr std::size_t PageBytes = 4 * KiB;
// Room for what the process itself holds besides the block: stacks, heap
// bookkeeping, the test framework's output.
constexpr std::size_t SlackKiB = 16 * KiB;

// Writes a byte in every page, so the whole block is resident; through a
// volatile pointer so the writes are not optimised away.
void Touch(char* block, std::size_t bytes) {
    volatile char* const bytesOf = block;
    for (std::size_t offset = 0; offset < bytes; offset += PageBytes) bytesOf[offset] = 1;
}

TEST(PeakResident, CountsATouchedBlockInKiBAndKeepsItAfterRelease) {
    const std::size_t before = PeakResidentKiB();
    ASSERT_GT(before, 0u);
    ASSERT_LT(before, 4 * KiB * KiB) << "KiB expected; a test program holds far less than 4 GiB";
    // Larger than everything resident so far, so the block alone lifts the
    // peak above its own size, whatever was allocated and freed before.
    const std::size_t blockKiB = std::max<std::size_t>(2 * before, 64 * KiB);
    {
        const auto block = std::make_unique_for_overwrite<char[]>(blockKiB * KiB);
        Touch(block.get(), blockKiB * KiB);
        const std::size_t held = PeakResidentKiB();
        EXPECT_GE(held, blockKiB);
        // The block cannot have added more than itself: a figure in bytes or
        // pages rather than KiB lands far from this range.
        EXPECT_LE(held, before + blockKiB + SlackKiB);
    }
    // Freed blocks this large go back to the system, so what is resident now
    // is less; the peak is not.
    EXPECT_GE(PeakResidentKiB(), blockKiB);
}

}  // namespace
}  // namespace kmq::bench
