#pragma once

#include <cstddef>

namespace kmq::bench {

// The most memory this process has held resident at any one time so far, in
// KiB: the peak working set on Windows, the maximum resident set size
// elsewhere.
std::size_t PeakResidentKiB();

}  // namespace kmq::bench
