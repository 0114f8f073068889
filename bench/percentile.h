// The figures the benchmarks print of a run's samples.
#pragma once

#include <algorithm>
#include <cstddef>
#include <vector>

namespace bench_support {

// The sample at `fraction` of the way up (0.5 the median, 0.99 the 99th percentile); reorders
// `samples`.
inline double percentile(std::vector<double>& samples, double fraction) {
  auto nth = samples.begin() + static_cast<std::ptrdiff_t>(fraction * static_cast<double>(samples.size() - 1));
  std::nth_element(samples.begin(), nth, samples.end());
  return *nth;
}

}  // namespace bench_support
