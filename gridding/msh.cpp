#include "gridding/msh.h"

#include "gridding/engine.h"
#include "gridding/rpl.h"

namespace gridding {

void InitNodes(core::DataState& s) {
  const double emptyDist = core::EmptyDist(s);
  const double w = s.xMax - s.xMin, h = s.yMax - s.yMin;
  for (core::NodeSlots& n : s.nodes.nodes()) {
    for (int k = 1; k <= 3; ++k) {
      n.nearDist[k - 1] = emptyDist;
      n.nearX[k - 1] = w * 10 * k;
      n.nearY[k - 1] = h * 10 * k;
      n.nearZ[k - 1] = 0;
    }
    n.value = 0;
  }
}

bool AnyEmptySlot(const core::DataState& s) {
  const double emptyDist = core::EmptyDist(s);
  for (const core::NodeSlots& n : s.nodes.nodes())
    if (HasEmptySlot(n, emptyDist)) return true;
  return false;
}

void Heights(core::DataState& s) {
  const double areaTol = core::AreaTol(s);
  for (int32_t j = 1; j <= s.gridNy; ++j) {
    const double y = (j - 1) * s.gridDy + s.gridY1;
    for (int32_t i = 1; i <= s.gridNx; ++i) {
      const double x = (i - 1) * s.gridDx + s.gridX1;
      core::NodeSlots& n = s.nodes.Node(i, j);
      n.value = Hight(x, y, n.nearX[0], n.nearY[0], n.nearZ[0], n.nearX[1], n.nearY[1], n.nearZ[1],
                      n.nearX[2], n.nearY[2], n.nearZ[2], areaTol, s.zMin, s.zMax);
    }
  }
}

MshResult Msh(core::DataState& s, core::Reporter& report, int32_t threads, MshWatch* watch) {
  InitNodes(s);
  const MshResult r = RingSearches(s, ThreadsFor(threads), CellLayout::Auto, watch);
  if (r.stopped) return r;
  if (!r.complete) report.Show(core::Msg::RegionInvalid);
  Heights(s);
  return r;
}

}  // namespace gridding
