// The 99th percentile of a benchmark's repetitions, reported beside the median.
#pragma once

#include <algorithm>
#include <vector>

namespace tova::bench {

inline double P99(const std::vector<double>& v) {
  std::vector<double> sorted = v;
  std::sort(sorted.begin(), sorted.end());
  return sorted[std::min(sorted.size() - 1, static_cast<std::size_t>(sorted.size() * 0.99))];
}

}  // namespace tova::bench
