// The timing of the benchmarks: the best of several runs, in seconds.
#pragma once

#include <algorithm>
#include <chrono>

namespace bench {

using Clock = std::chrono::steady_clock;

inline double SecondsSince(Clock::time_point start) {
  return std::chrono::duration<double>(Clock::now() - start).count();
}

// The shortest of `runs` runs of f.
template <class F>
double BestOf(int runs, F f) {
  double best = 1e300;
  for (int k = 0; k < runs; ++k) {
    const auto t0 = Clock::now();
    f();
    best = std::min(best, SecondsSince(t0));
  }
  return best;
}

}  // namespace bench
