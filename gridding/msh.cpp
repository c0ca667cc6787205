#include "gridding/msh.h"

#include <cmath>

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

namespace {

// Cell position of a point in node units; false when the cell index lies so
// far away (or is not finite) that no ring up to kMaxRing can reach the
// lattice, so the point serves no node.
bool CellOf(double x, double y, const core::DataState& s, double& fx, double& fy, int64_t& ci,
            int64_t& cj) {
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

}  // namespace

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
      const double u = (static_cast<double>(a) - fx) * dx;
      const double v = (static_cast<double>(b) - fy) * dy;
      const double d = std::sqrt(u * u + v * v);
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

MshResult Msh(core::DataState& s, core::Reporter& report) {
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
