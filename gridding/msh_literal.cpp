// Sch and MshLiteral: the ring search exactly as scheduled in the design,
// every point offered to every node of a ring, ring after ring. Kept as the
// reference the engine (gridding/engine.cpp) is tested and measured against;
// the product path is Msh.
#include <cmath>

#include "gridding/cell_of.h"
#include "gridding/msh.h"
#include "gridding/rpl.h"

namespace gridding {

void Sch(int32_t ring, core::DataState& s) {
  const OfferRules rules{core::AreaTol(s), core::EmptyDist(s)};
  const double dx = s.gridDx, dy = s.gridDy;
  for (int32_t p = 1; p <= s.nData; ++p) {
    const double x = s.xData[p], y = s.yData[p], z = s.zData[p];
    double fx, fy;
    int64_t ci, cj;
    if (!CellOf(x, y, s, fx, fy, ci, cj)) continue;
    auto offer = [&](int64_t a, int64_t b) {
      // Nodes outside the lattice are refused.
      if (a < 1 || a > s.gridNx || b < 1 || b > s.gridNy) return;
      const double d = OfferDistance(a, b, fx, fy, dx, dy);
      Rpl(s.nodes.Node(static_cast<int32_t>(a), static_cast<int32_t>(b)), x, y, z, d, rules);
    };
    if (ring == 0) {
      offer(ci, cj);
      continue;
    }
    const int64_t k = ring;
    for (int64_t a = ci - k; a <= ci + k; ++a) offer(a, cj - k);
    for (int64_t a = ci - k; a <= ci + k; ++a) offer(a, cj + k);
    for (int64_t b = cj - k + 1; b <= cj + k - 1; ++b) {
      offer(ci - k, b);
      offer(ci + k, b);
    }
  }
}

MshResult MshLiteral(core::DataState& s, core::Reporter& report) {
  InitNodes(s);
  MshResult r;
  int32_t ring = 0;
  for (;;) {
    Sch(ring, s);
    ++r.ringsRun;
    if (!AnyEmptySlot(s)) {
      r.complete = true;
      break;
    }
    ++ring;
    if (ring > kMaxRing) {
      report.Show(core::Msg::RegionInvalid);
      break;
    }
  }
  Heights(s);
  return r;
}

}  // namespace gridding
