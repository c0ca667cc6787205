#include "bench/point_sets.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <random>

namespace bench {

namespace {

// Uniform in [0, 1) from the top 53 bits: the same on every platform, which
// the standard distributions do not promise.
double Unit(std::mt19937_64& rng) { return static_cast<double>(rng() >> 11) * 0x1p-53; }

double FourDecimals(double v) { return std::round(v * 1e4) / 1e4; }

}  // namespace

std::vector<Point> MakePoints(Spread spread, int32_t count, uint64_t seed) {
  std::mt19937_64 rng(seed);
  struct Cluster {
    double cx, cy, r;
  };
  std::vector<Cluster> clusters;
  for (int c = 0; c < 25; ++c) {
    const double cx = 1000 * Unit(rng), cy = 1000 * Unit(rng);
    clusters.push_back({cx, cy, 5 + 55 * Unit(rng)});
  }
  std::vector<bool> elsewhere(static_cast<size_t>(count), spread != Spread::Repeated);
  for (int k = 0; k < 30 && spread == Spread::Repeated; ++k)
    elsewhere[rng() % elsewhere.size()] = true;
  std::vector<Point> pts;
  pts.reserve(static_cast<size_t>(count));
  for (int32_t k = 0; k < count; ++k) {
    double x, y;
    if (!elsewhere[static_cast<size_t>(k)]) {
      x = 500.1234;
      y = 499.8765;
    } else if (spread == Spread::Clustered && Unit(rng) < 0.9) {
      const Cluster& c = clusters[static_cast<size_t>(rng() % clusters.size())];
      const double a = 6.283185307179586 * Unit(rng), r = c.r * std::sqrt(Unit(rng));
      x = std::clamp(c.cx + r * std::cos(a), 0.0, 1000.0);
      y = std::clamp(c.cy + r * std::sin(a), 0.0, 1000.0);
    } else {
      x = 1000 * Unit(rng);
      y = 1000 * Unit(rng);
    }
    x = FourDecimals(x);
    y = FourDecimals(y);
    const double z = FourDecimals(50 * std::sin(x / 90) * std::cos(y / 130) + y / 20 + Unit(rng));
    pts.push_back({x, y, z});
  }
  return pts;
}

std::string PointsText(const std::vector<Point>& pts, bool withCount) {
  std::string out;
  out.reserve(pts.size() * 32 + 16);
  if (withCount) out += std::to_string(pts.size()) + "\r\n";
  char buf[64];
  for (const Point& p : pts) {
    const double v[3] = {p.x, p.y, p.z};
    for (int k = 0; k < 3; ++k) {
      out.append(buf, std::to_chars(buf, buf + sizeof buf, v[k], std::chars_format::fixed, 4).ptr);
      out += k < 2 ? " " : "\r\n";
    }
  }
  return out;
}

}  // namespace bench
