// The main window's data state: the points of the last read, the ranges the
// plot and the gridding use, the dragged frame, the convert region with its
// lattice, and the per-node nearest-point tables (NodeTable).
#pragma once

#include <algorithm>
#include <cassert>
#include <cmath>
#include <cstdint>
#include <string>
#include <vector>

namespace core {

// One node's table of its three nearest accepted points, slots k = 1..3, and
// the node's grid value (slot 0 of nearZ). Slots are ordered by distance and an
// empty slot holds emptyDist with a dummy point (see gridding/msh.cpp).
struct NodeSlots {
  double nearDist[3];
  double nearX[3];
  double nearY[3];
  double nearZ[3];
  double value;  // nearZ(0, i, j): the result of the conversion
};

// The four nearest-point tables for nodes 1..nx x 1..ny, stored compactly
// (one NodeSlots per node, x index fastest). The border indices 0 and nx+1 /
// ny+1 of the original layout are never used and are not stored.
class NodeTable {
 public:
  NodeTable() = default;
  // Allocates nx*ny fresh nodes, all entries 0. The caller has checked that
  // nx*ny is within kMaxNodes.
  void Allocate(int32_t nx, int32_t ny) {
    nx_ = nx;
    ny_ = ny;
    nodes_.assign(static_cast<size_t>(nx) * static_cast<size_t>(ny), NodeSlots{});
  }
  void Release() {
    nodes_.clear();
    nodes_.shrink_to_fit();
    nx_ = ny_ = 0;
  }
  int32_t nx() const { return nx_; }
  int32_t ny() const { return ny_; }
  bool Holds(int32_t i, int32_t j) const { return i >= 1 && i <= nx_ && j >= 1 && j <= ny_; }
  // Node (i, j), 1-based.
  NodeSlots& Node(int32_t i, int32_t j) {
    assert(Holds(i, j));
    return nodes_[static_cast<size_t>(j - 1) * static_cast<size_t>(nx_) +
                  static_cast<size_t>(i - 1)];
  }
  const NodeSlots& Node(int32_t i, int32_t j) const {
    assert(Holds(i, j));
    return nodes_[static_cast<size_t>(j - 1) * static_cast<size_t>(nx_) +
                  static_cast<size_t>(i - 1)];
  }
  std::vector<NodeSlots>& nodes() { return nodes_; }
  const std::vector<NodeSlots>& nodes() const { return nodes_; }

 private:
  int32_t nx_ = 0;
  int32_t ny_ = 0;
  std::vector<NodeSlots> nodes_;
};

// Largest lattice whose tables are allocated: 10,000,000 nodes hold about
// 1 GB of tables. Larger node counts are refused before any allocation.
inline constexpr int64_t kMaxNodes = 10000000;

struct DataState {
  std::string dataFile;  // full path of the input data file
  std::string gridFile;  // full path of the output grid file

  // Points, index 1..nData; index 0 exists and is never used.
  int32_t nData = 0;
  int32_t inNx = 0;  // lattice size of the last ijz input
  int32_t inNy = 0;
  std::vector<double> xData, yData, zData;

  // Axis region, z range of the points inside it, colour-scale ends.
  double xMin = 0, xMax = 0, yMin = 0, yMax = 0;
  double zMin = 0, zMax = 0;
  double zBottom = 0, zTop = 0;

  // Dragged frame in data units, each value held at single precision.
  double dragX1 = 0, dragY1 = 0, dragX2 = 0, dragY2 = 0;

  // Convert region and lattice, set by DataRead2 before every conversion.
  int32_t gridNx = 0, gridNy = 0;
  double gridX1 = 0, gridX2 = 0, gridY1 = 0, gridY2 = 0;
  double gridDx = 0, gridDy = 0;

  NodeTable nodes;  // nearX, nearY, nearZ, nearDist
};

// Points the arrays hold (index 1..).
inline int32_t HeldPoints(const DataState& s) {
  return s.xData.empty() ? 0 : static_cast<int32_t>(s.xData.size() - 1);
}

// Sets nData to a count that another reading announced (a failed ijz read,
// the calculation window's grids), but never beyond the points the arrays
// hold, so that nothing that loops over 1..nData reads past them.
// A count below the 32-bit range (a negative size times a large one) stays
// negative rather than wrapping round to a positive count.
inline void SetDataCount(DataState& s, int64_t count) {
  s.nData = static_cast<int32_t>(std::clamp<int64_t>(count, INT32_MIN, HeldPoints(s)));
}

// Length of the convert region's diagonal: the distance held by an empty slot.
// Computed in one place so that the exact-equality test of emptiness holds.
inline double EmptyDist(const DataState& s) {
  const double w = s.gridX2 - s.gridX1;
  const double h = s.gridY2 - s.gridY1;
  return std::sqrt(w * w + h * h);
}

// Degeneracy tolerance: one hundredth of the mean axis-region area per data
// point, in squared data units, evaluated left to right.
inline double AreaTol(const DataState& s) {
  return (s.yMax - s.yMin) * (s.xMax - s.xMin) / static_cast<double>(s.nData) / 100.0;
}

}  // namespace core
