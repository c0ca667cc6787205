// Rpl: offers one data point to one node's table of its three nearest points,
// keeping the table ordered by distance and refusing a point that would make
// the three points (nearly) collinear. Hight: the node's value from the plane
// through its three points.
#pragma once

#include <algorithm>
#include <cmath>
#include <limits>

#include "core/data_state.h"

namespace gridding {

// The constants every offer of one conversion is judged by.
struct OfferRules {
  double areaTol;    // core::AreaTol
  double emptyDist;  // core::EmptyDist: the distance an empty slot holds
};

// Twice the signed area of the triangle (R, A, B) against areaTol: passes
// when |c| > areaTol.
inline bool Triangle(double x, double y, double ax, double ay, double bx, double by,
                     double areaTol) {
  const double c = (y - by) * (x - ax) - (y - ay) * (x - bx);
  return std::fabs(c) > areaTol;
}

// Spacing test: six times the squared distance from R to A above areaTol.
inline bool Spacing(double x, double y, double ax, double ay, double areaTol) {
  const double s = 6 * ((x - ax) * (x - ax) + (y - ay) * (y - ay));
  return s > areaTol;
}

inline void Store(core::NodeSlots& n, int k, double d, double x, double y, double z) {
  n.nearDist[k] = d;
  n.nearX[k] = x;
  n.nearY[k] = y;
  n.nearZ[k] = z;
}

inline void Move(core::NodeSlots& n, int from, int to) {
  n.nearDist[to] = n.nearDist[from];
  n.nearX[to] = n.nearX[from];
  n.nearY[to] = n.nearY[from];
  n.nearZ[to] = n.nearZ[from];
}

// Offers the point (x, y, z) at distance d to node table n (slots 0..2 here
// are the slots 1..3 of the tables). Comparisons are strict, so a point at the
// same distance as a held one never displaces it: the earlier offer wins.
inline void Rpl(core::NodeSlots& n, double x, double y, double z, double d, const OfferRules& r) {
  const double tol = r.areaTol;
  const double* px = n.nearX;
  const double* py = n.nearY;
  if (d < n.nearDist[0]) {
    if (n.nearDist[0] == r.emptyDist) {
      Store(n, 0, d, x, y, z);
    } else if (Triangle(x, y, px[0], py[0], px[1], py[1], tol)) {
      Move(n, 1, 2);
      Move(n, 0, 1);
      Store(n, 0, d, x, y, z);
    } else if (Triangle(x, y, px[2], py[2], px[1], py[1], tol)) {
      Store(n, 0, d, x, y, z);
    }
  } else if (d < n.nearDist[1]) {
    if (n.nearDist[1] == r.emptyDist && Spacing(x, y, px[0], py[0], tol)) {
      Store(n, 1, d, x, y, z);
    } else if (Triangle(x, y, px[0], py[0], px[1], py[1], tol)) {
      Move(n, 1, 2);
      Store(n, 1, d, x, y, z);
    } else if (Triangle(x, y, px[0], py[0], px[2], py[2], tol)) {
      Store(n, 1, d, x, y, z);
    }
  } else if (d < n.nearDist[2]) {
    if (Triangle(x, y, px[0], py[0], px[1], py[1], tol)) Store(n, 2, d, x, y, z);
  }
}

// True while the node has an empty slot. Empty slots are always the last, so
// the third slot tells.
inline bool HasEmptySlot(const core::NodeSlots& n, double emptyDist) {
  return n.nearDist[0] == emptyDist || n.nearDist[1] == emptyDist || n.nearDist[2] == emptyDist;
}

// The mean of three values, taken as ((z1 + z2) + z3) / 3: the order is part
// of the result. Where that sum overflows (values near the largest double),
// the thirds are added instead; their rounding can still carry the sum just
// past the largest double, which the true mean never exceeds, so it is held
// there. The mean of finite values is always finite.
inline double Mean3(double z1, double z2, double z3) {
  const double sum = z1 + z2 + z3;
  if (std::isfinite(sum)) return sum / 3;
  constexpr double kMax = std::numeric_limits<double>::max();
  return std::clamp(z1 / 3 + z2 / 3 + z3 / 3, -kMax, kMax);
}

// Height at (x, y) of the plane through the three points, or their mean
// (Mean3) when the triangle is degenerate (|D| below areaTol, or D = 0
// whatever areaTol is) or the plane value leaves [zMin, zMax] or is not
// finite. Finite z values give a finite height.
inline double Hight(double x, double y, double x1, double y1, double z1, double x2, double y2,
                    double z2, double x3, double y3, double z3, double areaTol, double zMin,
                    double zMax) {
  const double mean = Mean3(z1, z2, z3);
  const double D = (x1 - x3) * (y2 - y3) - (x2 - x3) * (y1 - y3);
  if (std::fabs(D) < areaTol || D == 0) return mean;
  const double z = z3 + ((x - x3) * ((z1 - z3) * (y2 - y3) - (z2 - z3) * (y1 - y3)) +
                         (y - y3) * ((x1 - x3) * (z2 - z3) - (x2 - x3) * (z1 - z3))) /
                            D;
  if (z > zMax || z < zMin || !std::isfinite(z)) return mean;
  return z;
}

}  // namespace gridding
