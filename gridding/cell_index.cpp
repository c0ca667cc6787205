#include "gridding/cell_index.h"

#include <algorithm>
#include <cassert>
#include <limits>

#include "gridding/cell_of.h"
#include "gridding/msh.h"

namespace gridding {

CellIndex::CellIndex(const core::DataState& s, CellLayout layout) {
  // Cells farther than kMaxRing from the lattice serve no node even in the
  // last ring, so they are not kept.
  const int64_t loI = 1 - kMaxRing, hiI = static_cast<int64_t>(s.gridNx) + kMaxRing;
  const int64_t loJ = 1 - kMaxRing, hiJ = static_cast<int64_t>(s.gridNy) + kMaxRing;

  // First pass: which points are kept, and the span of their cells.
  std::vector<uint8_t> kept(static_cast<size_t>(s.nData) + 1, 0);
  int64_t minI = std::numeric_limits<int64_t>::max(), maxI = std::numeric_limits<int64_t>::min();
  int64_t minJ = minI, maxJ = maxI;
  size_t count = 0;
  for (int32_t p = 1; p <= s.nData; ++p) {
    double fx, fy;
    int64_t ci, cj;
    if (!CellOf(s.xData[p], s.yData[p], s, fx, fy, ci, cj)) continue;
    if (ci < loI || ci > hiI || cj < loJ || cj > hiJ) continue;
    kept[p] = 1;
    ++count;
    minI = std::min(minI, ci);
    maxI = std::max(maxI, ci);
    minJ = std::min(minJ, cj);
    maxJ = std::max(maxJ, cj);
  }
  if (count == 0) {
    w_ = h_ = 1;
    cellStart_.assign(2, 0);
    columnStart_.assign(2, 0);
    return;
  }
  ci0_ = minI;
  cj0_ = minJ;
  w_ = maxI - minI + 1;
  h_ = maxJ - minJ + 1;

  // Second pass: the points in cell order, stable in p.
  const uint64_t cells = static_cast<uint64_t>(w_) * static_cast<uint64_t>(h_);
  const uint64_t nodes = static_cast<uint64_t>(s.gridNx) * static_cast<uint64_t>(s.gridNy);
  const bool denseFits = cells <= 4 * (nodes + count) + (uint64_t{1} << 20);
  dense_ = cells < UINT32_MAX && (layout == CellLayout::Dense || (layout == CellLayout::Auto && denseFits));
  points_.resize(count);
  auto binned = [&](int32_t p) {
    BinnedPoint b;
    int64_t ci = 0, cj = 0;
    CellOf(s.xData[p], s.yData[p], s, b.fx, b.fy, ci, cj);
    b.x = s.xData[p];
    b.y = s.yData[p];
    b.z = s.zData[p];
    b.p = p;
    return std::pair{b, Key(ci, cj)};
  };

  if (dense_) {
    cellStart_.assign(cells + 1, 0);
    for (int32_t p = 1; p <= s.nData; ++p)
      if (kept[p]) ++cellStart_[binned(p).second + 1];
    for (uint64_t k = 1; k <= cells; ++k) cellStart_[k] += cellStart_[k - 1];
    std::vector<uint32_t> next(cellStart_.begin(), cellStart_.end() - 1);
    for (int32_t p = 1; p <= s.nData; ++p) {
      if (!kept[p]) continue;
      const auto [b, key] = binned(p);
      points_[next[key]++] = b;
    }
    // Column counts, for skipping empty side columns of a ring at once.
    columnStart_.assign(static_cast<size_t>(w_) * static_cast<size_t>(h_ + 1), 0);
    for (int64_t i = 0; i < w_; ++i) {
      uint32_t* col = &columnStart_[static_cast<size_t>(i) * static_cast<size_t>(h_ + 1)];
      for (int64_t j = 0; j < h_; ++j) {
        const uint64_t key = static_cast<uint64_t>(j) * static_cast<uint64_t>(w_) + static_cast<uint64_t>(i);
        col[j + 1] = col[j] + (cellStart_[key + 1] - cellStart_[key]);
      }
    }
  } else {
    std::vector<std::pair<uint64_t, int32_t>> order;
    order.reserve(count);
    for (int32_t p = 1; p <= s.nData; ++p)
      if (kept[p]) order.emplace_back(binned(p).second, p);
    std::sort(order.begin(), order.end());  // by cell, then by index
    keys_.resize(count);
    columnKeys_.resize(count);
    for (size_t k = 0; k < count; ++k) {
      keys_[k] = order[k].first;
      points_[k] = binned(order[k].second).first;
      const uint64_t i = keys_[k] % static_cast<uint64_t>(w_), j = keys_[k] / static_cast<uint64_t>(w_);
      columnKeys_[k] = i * static_cast<uint64_t>(h_) + j;
    }
    std::sort(columnKeys_.begin(), columnKeys_.end());
  }
}

CellIndex::Range CellIndex::KeyRange(uint64_t first, uint64_t last) const {
  if (dense_) return {cellStart_[first], cellStart_[last + 1]};
  const auto b = std::lower_bound(keys_.begin(), keys_.end(), first);
  const auto e = std::upper_bound(b, keys_.end(), last);
  return {static_cast<uint32_t>(b - keys_.begin()), static_cast<uint32_t>(e - keys_.begin())};
}

CellIndex::Range CellIndex::Row(int64_t cj, int64_t ci1, int64_t ci2) const {
  ci1 = std::max(ci1, ci0_);
  ci2 = std::min(ci2, ci0_ + w_ - 1);
  if (cj < cj0_ || cj >= cj0_ + h_ || ci1 > ci2) return {0, 0};
  return KeyRange(Key(ci1, cj), Key(ci2, cj));
}

bool CellIndex::ColumnEmpty(int64_t ci, int64_t cj1, int64_t cj2) const {
  cj1 = std::max(cj1, cj0_);
  cj2 = std::min(cj2, cj0_ + h_ - 1);
  if (ci < ci0_ || ci >= ci0_ + w_ || cj1 > cj2) return true;
  if (!dense_) {
    const uint64_t base = static_cast<uint64_t>(ci - ci0_) * static_cast<uint64_t>(h_);
    const auto b = std::lower_bound(columnKeys_.begin(), columnKeys_.end(),
                                    base + static_cast<uint64_t>(cj1 - cj0_));
    return b == columnKeys_.end() || *b > base + static_cast<uint64_t>(cj2 - cj0_);
  }
  const uint32_t* col = &columnStart_[static_cast<size_t>(ci - ci0_) * static_cast<size_t>(h_ + 1)];
  return col[cj2 - cj0_ + 1] == col[cj1 - cj0_];
}

}  // namespace gridding
