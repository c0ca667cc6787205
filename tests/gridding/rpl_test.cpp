#include "gridding/rpl.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace {

using core::NodeSlots;
using gridding::OfferRules;
using gridding::Rpl;

// A fresh table: three dummies on one line, at the empty distance.
NodeSlots FreshNode(double emptyDist) {
  NodeSlots n{};
  for (int k = 0; k < 3; ++k) {
    n.nearDist[k] = emptyDist;
    n.nearX[k] = 100.0 * (k + 1);
    n.nearY[k] = 100.0 * (k + 1);
    n.nearZ[k] = 0;
  }
  return n;
}

constexpr OfferRules kRules{0.01, 50.0};

TEST(Rpl, FirstOfferTakesSlotOneWithoutTests) {
  NodeSlots n = FreshNode(kRules.emptyDist);
  Rpl(n, 150, 150, 7, 3.0, kRules);  // on the dummies' line: no test applies
  EXPECT_EQ(n.nearDist[0], 3.0);
  EXPECT_EQ(n.nearZ[0], 7);
  EXPECT_EQ(n.nearDist[1], kRules.emptyDist);
}

TEST(Rpl, SecondOfferFartherNeedsSpacing) {
  NodeSlots n = FreshNode(kRules.emptyDist);
  Rpl(n, 0, 0, 1, 1.0, kRules);
  Rpl(n, 1, 0, 2, 2.0, kRules);  // 6 * 1 > 0.01: slot 2
  EXPECT_EQ(n.nearDist[1], 2.0);
  EXPECT_EQ(n.nearX[1], 1);
  // A point almost on top of P1 fails the spacing test and falls through to
  // the triangle tests against the dummies (100,100) and (200,200):
  NodeSlots m = FreshNode(kRules.emptyDist);
  Rpl(m, 0, 0, 1, 1.0, kRules);
  Rpl(m, 0.01, 0, 2, 2.0, kRules);
  // T(P1, P2=(200,200)) : c = (0-200)(0.01-0) - (0-0)(0.01-200) = -2 -> passes,
  // so P2 moves to slot 3 and R takes slot 2.
  EXPECT_EQ(m.nearDist[1], 2.0);
  EXPECT_EQ(m.nearX[2], 200);
}

TEST(Rpl, NearerSecondOfferShiftsTheTable) {
  NodeSlots n = FreshNode(kRules.emptyDist);
  Rpl(n, 5, 0, 1, 5.0, kRules);
  Rpl(n, 1, 2, 2, 1.0, kRules);
  EXPECT_EQ(n.nearDist[0], 1.0);
  EXPECT_EQ(n.nearDist[1], 5.0);
  EXPECT_EQ(n.nearX[2], 200);  // the first dummy moved to slot 3 ... as slot 2's dummy
}

TEST(Rpl, CollinearThirdPointIsRefused) {
  NodeSlots n = FreshNode(kRules.emptyDist);
  Rpl(n, 0, 0, 1, 1.0, kRules);
  Rpl(n, 1, 0, 2, 2.0, kRules);
  Rpl(n, 2, 0, 3, 3.0, kRules);  // on the line through P1 and P2
  EXPECT_EQ(n.nearDist[2], kRules.emptyDist);
  Rpl(n, 2, 1, 4, 3.0, kRules);
  EXPECT_EQ(n.nearDist[2], 3.0);
  EXPECT_EQ(n.nearZ[2], 4);
}

TEST(Rpl, EqualDistanceNeverDisplaces) {
  NodeSlots n = FreshNode(kRules.emptyDist);
  Rpl(n, 0, 0, 1, 1.0, kRules);
  Rpl(n, 0, 1, 9, 1.0, kRules);  // equal to slot 1: branch B, becomes second
  EXPECT_EQ(n.nearZ[0], 1);
  EXPECT_EQ(n.nearZ[1], 9);
  Rpl(n, 1, 0, 5, 1.0, kRules);  // equal to slots 1 and 2: branch C
  EXPECT_EQ(n.nearZ[2], 5);
  Rpl(n, -1, 0, 6, 1.0, kRules);  // equal to all three: refused
  EXPECT_EQ(n.nearZ[0], 1);
  EXPECT_EQ(n.nearZ[1], 9);
  EXPECT_EQ(n.nearZ[2], 5);
}

TEST(Rpl, NewNearestCollinearWithP1P2ReplacesP1) {
  NodeSlots n = FreshNode(kRules.emptyDist);
  Rpl(n, 0, 0, 1, 2.0, kRules);
  Rpl(n, 2, 0, 2, 3.0, kRules);
  Rpl(n, 0, 2, 3, 4.0, kRules);
  // R = (1, 0) lies on the line P1 P2: T(P1, P2) fails, T(P3, P2) passes.
  Rpl(n, 1, 0, 4, 1.0, kRules);
  EXPECT_EQ(n.nearZ[0], 4);
  EXPECT_EQ(n.nearZ[1], 2);
  EXPECT_EQ(n.nearZ[2], 3);
}

TEST(Rpl, ZeroToleranceRefusesOnlyExactlyCollinear) {
  const OfferRules zero{0.0, 50.0};
  NodeSlots n = FreshNode(zero.emptyDist);
  Rpl(n, 0, 0, 1, 1.0, zero);
  Rpl(n, 1, 0, 2, 2.0, zero);
  Rpl(n, 2, 0, 3, 3.0, zero);
  EXPECT_EQ(n.nearDist[2], zero.emptyDist);
  Rpl(n, 2, 1e-9, 3, 3.0, zero);
  EXPECT_EQ(n.nearDist[2], 3.0);
}

TEST(Hight, PlaneValueAndFallbacks) {
  using gridding::Hight;
  // z = 2x + 3y through (0,0), (1,0), (0,1); also outside the triangle.
  EXPECT_EQ(Hight(0.25, 0.25, 0, 0, 0, 1, 0, 2, 0, 1, 3, 0.01, -100, 100), 1.25);
  EXPECT_EQ(Hight(4, 5, 0, 0, 0, 1, 0, 2, 0, 1, 3, 0.01, -100, 100), 23);
  // Leaving [zMin, zMax]: the mean.
  EXPECT_EQ(Hight(4, 5, 0, 0, 0, 1, 0, 2, 0, 1, 3, 0.01, -100, 10), 5.0 / 3);
  // Degenerate: |D| = 1 below areaTol 1.5 gives the mean; equal to it, the plane.
  EXPECT_EQ(Hight(4, 5, 0, 0, 0, 1, 0, 2, 0, 1, 3, 1.5, -100, 100), 5.0 / 3);
  EXPECT_EQ(Hight(4, 5, 0, 0, 0, 1, 0, 2, 0, 1, 3, 1.0, -100, 100), 23);
  // D = 0 with areaTol = 0 (one repeated point): the mean, not a division by 0.
  EXPECT_EQ(Hight(1, 1, 2, 2, 3, 2, 2, 6, 2, 2, 9, 0.0, 0, 10), 6);
  // The mean is taken as ((z1 + z2) + z3) / 3.
  EXPECT_EQ(Hight(0, 0, 0, 0, 0.1, 0, 0, 0.2, 0, 0, 0.3, 1, 0, 1), ((0.1 + 0.2) + 0.3) / 3);
}

TEST(Hight, MeanOfVeryLargeValuesDoesNotOverflow) {
  using gridding::Hight;
  constexpr double kMax = std::numeric_limits<double>::max();
  // A degenerate triangle (D = 0) whose three z values sum beyond the double range.
  const struct {
    double z1, z2, z3, mean;
  } cases[] = {
      {kMax, kMax, kMax, kMax},
      {-kMax, -kMax, -kMax, -kMax},
      {kMax, kMax / 2, 0, kMax / 3 + kMax / 2 / 3},
  };
  for (const auto& c : cases) {
    const double z = Hight(1, 1, 2, 2, c.z1, 2, 2, c.z2, 2, 2, c.z3, 0.0, -kMax, kMax);
    EXPECT_TRUE(std::isfinite(z)) << c.z1;
    EXPECT_EQ(z, c.mean) << c.z1;
  }
  // A sum that stays finite keeps its order: ((z1 + z2) + z3) / 3.
  EXPECT_EQ(Hight(1, 1, 2, 2, kMax, 2, 2, -kMax, 2, 2, 3, 0.0, -kMax, kMax), 1);
}

}  // namespace
