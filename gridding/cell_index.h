// CellIndex: the points of one conversion binned by lattice cell, so that the
// engine (gridding/engine.cpp) finds the points of a ring of cells around a
// node without looking at any other point.
#pragma once

#include <algorithm>
#include <cstdint>
#include <utility>
#include <vector>

#include "core/data_state.h"
#include "gridding/large_pages.h"

namespace gridding {

// One binned point: its position in node units (as CellOf computes it), its
// coordinates and value, and its index 1..nData. `runEnd` is the position in
// CellIndex::points() just past the run of points that follow it there at the
// very same x and y (itself at least): points of one cell are in index order,
// so a run is a stretch of the cell's points at one place with no other point
// of the cell between them.
struct BinnedPoint {
  double fx, fy;
  double x, y, z;
  int32_t p;
  uint32_t runEnd;
};

// Points ordered by cell row cj, then column ci, then index p, so that the
// points of a row segment of cells are contiguous and those of one cell are
// in index order. Only points whose cell lies within kMaxRing cells of the
// lattice are kept: no other point is ever offered to a node.
// How the cells are looked up: a dense table per cell (the usual choice) or,
// for lattices so thin that a dense table over the cells within kMaxRing of
// the lattice would be far larger than the lattice and the points together,
// binary searches over the points' sorted cell keys.
enum class CellLayout { Auto, Dense, Sparse };

class CellIndex {
 public:
  // Half-open ranges into points().
  using Range = std::pair<uint32_t, uint32_t>;

  // Bins the points of s on `threads` threads (at least 1).
  CellIndex(const core::DataState& s, int32_t threads, CellLayout layout = CellLayout::Auto);

  const LargeVector<BinnedPoint>& points() const { return points_; }

  // Points of cell (ci, cj).
  Range Cell(int64_t ci, int64_t cj) const { return Row(cj, ci, ci); }
  // Points of the cells ci1..ci2 of row cj (ends included).
  Range Row(int64_t cj, int64_t ci1, int64_t ci2) const {
    ci1 = std::max(ci1, ci0_);
    ci2 = std::min(ci2, ci0_ + w_ - 1);
    if (cj < cj0_ || cj >= cj0_ + h_ || ci1 > ci2) return {0, 0};
    if (dense_) return {cellStart_[Key(ci1, cj)], cellStart_[Key(ci2, cj) + 1]};
    return KeyRange(Key(ci1, cj), Key(ci2, cj));
  }
  // True when the cells cj1..cj2 of column ci are known to hold no point
  // (false means they may hold some).
  bool ColumnEmpty(int64_t ci, int64_t cj1, int64_t cj2) const {
    cj1 = std::max(cj1, cj0_);
    cj2 = std::min(cj2, cj0_ + h_ - 1);
    if (ci < ci0_ || ci >= ci0_ + w_ || cj1 > cj2) return true;
    if (!dense_) return SparseColumnEmpty(ci, cj1, cj2);
    const size_t i = static_cast<size_t>(ci - ci0_), w = static_cast<size_t>(w_);
    return columnStart_[static_cast<size_t>(cj2 - cj0_ + 1) * w + i] ==
           columnStart_[static_cast<size_t>(cj1 - cj0_) * w + i];
  }

 private:
  uint64_t Key(int64_t ci, int64_t cj) const {
    return static_cast<uint64_t>(cj - cj0_) * static_cast<uint64_t>(w_) +
           static_cast<uint64_t>(ci - ci0_);
  }
  Range KeyRange(uint64_t first, uint64_t last) const;  // sparse form
  bool SparseColumnEmpty(int64_t ci, int64_t cj1, int64_t cj2) const;
  void MarkRuns();  // sets runEnd of every point

  // Cells ci0_..ci0_+w_-1 by cj0_..cj0_+h_-1 hold every kept point.
  int64_t ci0_ = 0, cj0_ = 0, w_ = 0, h_ = 0;
  LargeVector<BinnedPoint> points_;
  // Dense form, for lattices of ordinary shape: cellStart_[key] is the first
  // point of the cell, columnStart_[(cj - cj0_)*w_ + (ci - ci0_)] the
  // number of points in column ci below row cj.
  bool dense_ = true;
  std::vector<uint32_t> cellStart_;
  std::vector<uint32_t> columnStart_;
  // Sparse form: the cell key of every point in points() order, and the
  // same cells keyed column by column, ascending, for ColumnEmpty.
  std::vector<uint64_t> keys_;
  std::vector<uint64_t> columnKeys_;
};

}  // namespace gridding
