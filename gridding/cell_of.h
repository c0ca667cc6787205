// CellOf: a point's position in node units and the lattice cell it lies in,
// shared by the literal ring search (gridding/msh_literal.cpp) and the engine
// (gridding/engine.cpp) so that both see the very same bits.
#pragma once

#include <cmath>
#include <cstdint>

#include "core/data_state.h"
#include "gridding/msh.h"

namespace gridding {

// fx = (x - gridX1)/gridDx + 1 and fy likewise (node i sits at fx = i); the
// cell (ci, cj) = (floor fx, floor fy) has node (ci, cj) at its lower-left
// corner. False when the cell lies so far away (or fx, fy are not finite)
// that no ring up to kMaxRing can reach the lattice: the point serves no node.
inline bool CellOf(double x, double y, const core::DataState& s, double& fx, double& fy,
                   int64_t& ci, int64_t& cj) {
  fx = (x - s.gridX1) / s.gridDx + 1;
  fy = (y - s.gridY1) / s.gridDy + 1;
  const double fi = std::floor(fx), fj = std::floor(fy);
  const double reach = kMaxRing + 1;
  if (!(fi >= 1 - reach && fi <= s.gridNx + reach && fj >= 1 - reach && fj <= s.gridNy + reach))
    return false;
  ci = static_cast<int64_t>(fi);
  cj = static_cast<int64_t>(fj);
  return true;
}

// Distance from the point at (fx, fy) in node units to node (a, b), in data
// units, evaluated in this order by every schedule.
inline double OfferDistance(int64_t a, int64_t b, double fx, double fy, double dx, double dy) {
  const double u = (static_cast<double>(a) - fx) * dx;
  const double v = (static_cast<double>(b) - fy) * dy;
  return std::sqrt(u * u + v * v);
}

}  // namespace gridding
