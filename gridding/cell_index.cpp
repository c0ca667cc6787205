#include "gridding/cell_index.h"

#include <bit>
#include <limits>

#include "gridding/cell_of.h"
#include "gridding/msh.h"
#include "gridding/parallel.h"

namespace gridding {

namespace {

// A point that can serve some node, with its cell.
struct Kept {
  int32_t p, ci, cj;
};

struct Span {
  int64_t minI = std::numeric_limits<int64_t>::max(), maxI = std::numeric_limits<int64_t>::min();
  int64_t minJ = minI, maxJ = maxI;
};

}  // namespace

CellIndex::CellIndex(const core::DataState& s, int32_t threads, CellLayout layout) {
  threads = std::max(threads, 1);
  // Cells farther than kMaxRing from the lattice serve no node even in the
  // last ring, so they are not kept.
  const int64_t loI = 1 - kMaxRing, hiI = static_cast<int64_t>(s.gridNx) + kMaxRing;
  const int64_t loJ = 1 - kMaxRing, hiJ = static_cast<int64_t>(s.gridNy) + kMaxRing;
  // A point whose offset from gridX1 lies beyond these bounds has a cell
  // beyond loI..hiI whatever the rounding of CellOf (the bounds keep one
  // cell and a relative 1E-9 in hand), so it is dropped without dividing.
  const double loX = static_cast<double>(loI - 2) * s.gridDx * (1 + 1e-9);
  const double hiX = static_cast<double>(hiI + 1) * s.gridDx * (1 + 1e-9);
  const double loY = static_cast<double>(loJ - 2) * s.gridDy * (1 + 1e-9);
  const double hiY = static_cast<double>(hiJ + 1) * s.gridDy * (1 + 1e-9);

  // First pass: the kept points with their cells, in index order within
  // each thread's chunk, and the span of their cells.
  std::vector<LargeVector<Kept>> kept(static_cast<size_t>(threads));
  std::vector<Span> spans(static_cast<size_t>(threads));
  ForChunks(threads, s.nData, [&](int64_t t, int64_t begin, int64_t end) {
    Span sp;
    LargeVector<Kept>& out = kept[static_cast<size_t>(t)];
    out.reserve(static_cast<size_t>(end - begin));
    for (int64_t p = begin + 1; p <= end; ++p) {
      const double x = s.xData[p], y = s.yData[p];
      const double tx = x - s.gridX1, ty = y - s.gridY1;
      if (!(tx >= loX && tx <= hiX && ty >= loY && ty <= hiY)) continue;
      double fx, fy;
      int64_t ci, cj;
      if (!CellOf(x, y, s, fx, fy, ci, cj)) continue;
      if (ci < loI || ci > hiI || cj < loJ || cj > hiJ) continue;
      out.push_back({static_cast<int32_t>(p), static_cast<int32_t>(ci), static_cast<int32_t>(cj)});
      sp.minI = std::min(sp.minI, ci);
      sp.maxI = std::max(sp.maxI, ci);
      sp.minJ = std::min(sp.minJ, cj);
      sp.maxJ = std::max(sp.maxJ, cj);
    }
    spans[static_cast<size_t>(t)] = sp;
  });
  Span all;
  size_t count = 0;
  for (size_t t = 0; t < kept.size(); ++t) {
    count += kept[t].size();
    all.minI = std::min(all.minI, spans[t].minI);
    all.maxI = std::max(all.maxI, spans[t].maxI);
    all.minJ = std::min(all.minJ, spans[t].minJ);
    all.maxJ = std::max(all.maxJ, spans[t].maxJ);
  }
  if (count == 0) {
    w_ = h_ = 1;
    cellStart_.assign(2, 0);
    columnStart_.assign(2, 0);
    return;
  }
  ci0_ = all.minI;
  cj0_ = all.minJ;
  w_ = all.maxI - all.minI + 1;
  h_ = all.maxJ - all.minJ + 1;

  const uint64_t cells = static_cast<uint64_t>(w_) * static_cast<uint64_t>(h_);
  const uint64_t nodes = static_cast<uint64_t>(s.gridNx) * static_cast<uint64_t>(s.gridNy);
  const bool denseFits = cells <= 4 * (nodes + count) + (uint64_t{1} << 20);
  dense_ = cells < UINT32_MAX &&
           (layout == CellLayout::Dense || (layout == CellLayout::Auto && denseFits));
  points_.resize(count);
  auto place = [&](const Kept& k, BinnedPoint& b) {
    int64_t ci = 0, cj = 0;
    CellOf(s.xData[k.p], s.yData[k.p], s, b.fx, b.fy, ci,
           cj);  // the same bits as in the first pass
    b.x = s.xData[k.p];
    b.y = s.yData[k.p];
    b.z = s.zData[k.p];
    b.p = k.p;
  };

  if (dense_) {
    cellStart_.assign(cells + 1, 0);
    std::vector<uint32_t> rowStart(static_cast<size_t>(h_) + 1, 0);
    for (const auto& list : kept)
      for (const Kept& k : list) {
        ++cellStart_[Key(k.ci, k.cj) + 1];
        ++rowStart[static_cast<size_t>(k.cj - cj0_) + 1];
      }
    for (uint64_t k = 1; k <= cells; ++k) cellStart_[k] += cellStart_[k - 1];
    for (size_t j = 1; j < rowStart.size(); ++j) rowStart[j] += rowStart[j - 1];
    // The kept points by row first (few rows, so the writes stay close),
    // then each row's points into its cells; both steps keep index order.
    LargeVector<Kept> byRow(count);
    {
      std::vector<uint32_t> next(rowStart.begin(), rowStart.end() - 1);
      for (const auto& list : kept)
        for (const Kept& k : list) byRow[next[static_cast<size_t>(k.cj - cj0_)]++] = k;
    }
    kept.clear();
    kept.shrink_to_fit();
    ForChunks(threads, h_, [&](int64_t, int64_t rowBegin, int64_t rowEnd) {
      std::vector<uint32_t> next;
      for (int64_t j = rowBegin; j < rowEnd; ++j) {
        const uint32_t* start = &cellStart_[static_cast<size_t>(j) * static_cast<size_t>(w_)];
        next.assign(start, start + w_);
        for (uint32_t k = rowStart[static_cast<size_t>(j)];
             k < rowStart[static_cast<size_t>(j) + 1]; ++k)
          place(byRow[k], points_[next[static_cast<size_t>(byRow[k].ci - ci0_)]++]);
      }
    });
    // Column counts, for skipping empty side columns of a ring at once,
    // built row by row so that both tables are read in storage order.
    columnStart_.assign(static_cast<size_t>(w_) * static_cast<size_t>(h_ + 1), 0);
    for (int64_t j = 0; j < h_; ++j) {
      const uint32_t* start = &cellStart_[static_cast<size_t>(j) * static_cast<size_t>(w_)];
      const uint32_t* below = &columnStart_[static_cast<size_t>(j) * static_cast<size_t>(w_)];
      uint32_t* col = &columnStart_[static_cast<size_t>(j + 1) * static_cast<size_t>(w_)];
      for (int64_t i = 0; i < w_; ++i) col[i] = below[i] + (start[i + 1] - start[i]);
    }
  } else {
    std::vector<std::pair<uint64_t, Kept>> order;
    order.reserve(count);
    for (const auto& list : kept)
      for (const Kept& k : list) order.push_back({Key(k.ci, k.cj), k});
    // By cell, then by index.
    std::sort(order.begin(), order.end(), [](const auto& l, const auto& r) {
      return l.first != r.first ? l.first < r.first : l.second.p < r.second.p;
    });
    keys_.resize(count);
    columnKeys_.resize(count);
    for (size_t k = 0; k < count; ++k) {
      keys_[k] = order[k].first;
      place(order[k].second, points_[k]);
      const uint64_t i = keys_[k] % static_cast<uint64_t>(w_),
                     j = keys_[k] / static_cast<uint64_t>(w_);
      columnKeys_[k] = i * static_cast<uint64_t>(h_) + j;
    }
    std::sort(columnKeys_.begin(), columnKeys_.end());
  }
  MarkRuns();
}

void CellIndex::MarkRuns() {
  // The same place is the same bits of x and y: then fx, fy and every
  // distance computed from them are the same bits too.
  auto samePlace = [](const BinnedPoint& a, const BinnedPoint& b) {
    return std::bit_cast<uint64_t>(a.x) == std::bit_cast<uint64_t>(b.x) &&
           std::bit_cast<uint64_t>(a.y) == std::bit_cast<uint64_t>(b.y);
  };
  for (size_t k = points_.size(); k-- > 0;) {
    const bool joined = k + 1 < points_.size() && samePlace(points_[k], points_[k + 1]);
    points_[k].runEnd = joined ? points_[k + 1].runEnd : static_cast<uint32_t>(k + 1);
  }
}

CellIndex::Range CellIndex::KeyRange(uint64_t first, uint64_t last) const {
  const auto b = std::lower_bound(keys_.begin(), keys_.end(), first);
  const auto e = std::upper_bound(b, keys_.end(), last);
  return {static_cast<uint32_t>(b - keys_.begin()), static_cast<uint32_t>(e - keys_.begin())};
}

bool CellIndex::SparseColumnEmpty(int64_t ci, int64_t cj1, int64_t cj2) const {
  const uint64_t base = static_cast<uint64_t>(ci - ci0_) * static_cast<uint64_t>(h_);
  const auto b = std::lower_bound(columnKeys_.begin(), columnKeys_.end(),
                                  base + static_cast<uint64_t>(cj1 - cj0_));
  return b == columnKeys_.end() || *b > base + static_cast<uint64_t>(cj2 - cj0_);
}

}  // namespace gridding
