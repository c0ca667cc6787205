// ForChunks: one range of work cut into contiguous chunks, one per thread.
#pragma once

#include <algorithm>
#include <cstdint>
#include <thread>
#include <vector>

namespace gridding {

// Calls f(t, begin, end) for chunks t = 0..threads-1 that together cover
// [0, count) in order; chunk 0 runs on the calling thread.
template <class F>
void ForChunks(int32_t threads, int64_t count, F f) {
  const int64_t n = std::clamp<int64_t>(threads, 1, std::max<int64_t>(count, 1));
  auto bound = [&](int64_t t) { return count * t / n; };
  std::vector<std::thread> helpers;
  helpers.reserve(static_cast<size_t>(n - 1));
  for (int64_t t = 1; t < n; ++t) helpers.emplace_back([&, t] { f(t, bound(t), bound(t + 1)); });
  f(0, bound(0), bound(1));
  for (std::thread& h : helpers) h.join();
}

}  // namespace gridding
