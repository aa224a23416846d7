#include <gtest/gtest.h>

#include <algorithm>
#include <cstddef>
#include <memory>

#include "bench/PeakMemory.h"

namespace kmq::bench {
namespace {

constexpr std::size_t KiB = 1024;

TEST(PeakResident, CountsATouchedBlockInKiBAndKeepsItAfterRelease) {
    const std::size_t before = PeakResidentKiB();
    ASSERT_GT(before, 0u);
    ASSERT_LT(before, 4 * KiB * KiB) << "KiB expected; a test program holds far less than 4 GiB";
    // Larger than everything resident so far, so the block alone lifts the
    // peak above its own size, whatever was allocated and freed before.
    const std::size_t blockKiB = std::max<std::size_t>(2 * before, 64 * KiB);
    {
        const auto block = std::make_unique_for_overwrite<char[]>(blockKiB * KiB);
        volatile char* const pages = block.get();  // volatile: the writes stay
        for (std::size_t offset = 0; offset < blockKiB * KiB; offset += 4 * KiB) pages[offset] = 1;
        const std::size_t held = PeakResidentKiB();
        EXPECT_GE(held, blockKiB);
        // 16 MiB for the rest of the process: a figure in bytes or pages
        // rather than KiB lands far from this range.
        EXPECT_LE(held, before + blockKiB + 16 * KiB);
    }
    // A block this large goes back to the system when freed; the peak stays.
    EXPECT_GE(PeakResidentKiB(), blockKiB);
}

}  // namespace
}  // namespace kmq::bench
