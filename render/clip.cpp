#include "render/clip.h"

#include <algorithm>
#include <cmath>

namespace render {

namespace {

bool Finite(const DevicePoint& p) { return std::isfinite(p.x) && std::isfinite(p.y); }

bool Inside(const DevicePoint& p, double lo, double hi) {
  return p.x >= lo && p.x <= hi && p.y >= lo && p.y <= hi;
}

bool Same(const DevicePoint& a, const DevicePoint& b) { return a.x == b.x && a.y == b.y; }

// The part of a-b inside lo..hi (Liang-Barsky); false when there is none.
// A cut end is put on the edge it crosses, exactly, and its other
// coordinate follows from the segment's slope, which keeps it on the line
// even when the far end is very far.
bool ClipSegment(DevicePoint& a, DevicePoint& b, double lo, double hi) {
  if (!Finite(a) || !Finite(b)) return false;
  // Ends of opposite sign near the largest doubles: the differences are
  // taken at half scale, which is exact, so that they stay finite.
  const double scale = std::isfinite(b.x - a.x) && std::isfinite(b.y - a.y) ? 1 : 0.5;
  const double dx = b.x * scale - a.x * scale, dy = b.y * scale - a.y * scale;
  struct Edge {
    double p, q;  // the edge keeps the points a + t (b - a) with p t <= q
    bool vertical;
    double at;
  };
  const Edge edges[] = {{-dx, (a.x - lo) * scale, true, lo},
                        {dx, (hi - a.x) * scale, true, hi},
                        {-dy, (a.y - lo) * scale, false, lo},
                        {dy, (hi - a.y) * scale, false, hi}};
  double t0 = 0, t1 = 1;
  const Edge *in = nullptr, *out = nullptr;
  for (const Edge& e : edges) {
    if (e.p == 0) {
      if (e.q < 0) return false;  // parallel to this edge and outside it
      continue;
    }
    const double r = e.q / e.p;
    if (e.p < 0) {
      if (r > t1) return false;
      if (r > t0) t0 = r, in = &e;
    } else {
      if (r < t0) return false;
      if (r < t1) t1 = r, out = &e;
    }
  }
  auto cut = [&](const DevicePoint& from, const Edge& e) {
    return e.vertical ? DevicePoint{e.at, from.y + (e.at - from.x) * (dy / dx)}
                      : DevicePoint{from.x + (e.at - from.y) * (dx / dy), e.at};
  };
  if (in) a = cut(a, *in);
  if (out) b = cut(b, *out);
  if (!Finite(a) || !Finite(b)) return false;
  // Rounding may leave a cut end a hair outside the square.
  for (DevicePoint* p : {&a, &b}) {
    p->x = std::clamp(p->x, lo, hi);
    p->y = std::clamp(p->y, lo, hi);
  }
  return true;
}

}  // namespace

std::vector<std::vector<DevicePoint>> ClipPolyline(std::span<const DevicePoint> points, double lo,
                                                   double hi) {
  std::vector<std::vector<DevicePoint>> runs;
  if (points.size() == 1) {
    if (Finite(points[0]) && Inside(points[0], lo, hi)) runs.push_back({points[0]});
    return runs;
  }
  bool joined = false;  // the last run ends at the start of the next segment
  for (size_t i = 1; i < points.size(); ++i) {
    DevicePoint a = points[i - 1], b = points[i];
    if (!ClipSegment(a, b, lo, hi)) {
      joined = false;
      continue;
    }
    if (joined && Same(a, points[i - 1])) {
      runs.back().push_back(b);
    } else {
      runs.push_back({a, b});
    }
    joined = Same(b, points[i]);
  }
  return runs;
}

}  // namespace render
