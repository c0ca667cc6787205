#include "gridding/msh.h"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "core/lattice.h"

namespace {

using core::DataState;
using core::Msg;
using core::RecordingReporter;

struct Pt {
  double x, y, z;
};

// Points with the ranges DataRead1 would set in the automatic mode.
DataState WithPoints(const std::vector<Pt>& pts) {
  DataState s;
  s.nData = static_cast<int32_t>(pts.size());
  s.xData = {0};
  s.yData = {0};
  s.zData = {0};
  for (const Pt& p : pts) {
    s.xData.push_back(p.x);
    s.yData.push_back(p.y);
    s.zData.push_back(p.z);
  }
  s.xMin = s.xMax = pts[0].x;
  s.yMin = s.yMax = pts[0].y;
  s.zMin = s.zMax = pts[0].z;
  for (const Pt& p : pts) {
    s.xMin = std::min(s.xMin, p.x);
    s.xMax = std::max(s.xMax, p.x);
    s.yMin = std::min(s.yMin, p.y);
    s.yMax = std::max(s.yMax, p.y);
    s.zMin = std::min(s.zMin, p.z);
    s.zMax = std::max(s.zMax, p.z);
  }
  return s;
}

void Lattice(DataState& s, const char* x1, const char* y1, const char* x2, const char* y2,
             const char* nx, const char* ny) {
  core::RegionTexts b{x1, y1, x2, y2, nx, ny};
  RecordingReporter r;
  ASSERT_EQ(core::DataRead2(core::Format::NXyz, b, s, r), core::LatticeStatus::Ok);
}

// A plane z = 2x + 3y + 1 sampled on a fine irregular pattern.
std::vector<Pt> PlanePoints() {
  std::vector<Pt> pts;
  for (int j = 0; j <= 40; ++j)
    for (int i = 0; i <= 40; ++i) {
      const double x = i * 0.25 + 0.03 * ((i * 7 + j * 3) % 5);
      const double y = j * 0.25 + 0.02 * ((i * 5 + j * 11) % 7);
      pts.push_back({x, y, 2 * x + 3 * y + 1});
    }
  return pts;
}

TEST(Msh, PlaneIsReproducedAtEveryNode) {
  DataState s = WithPoints(PlanePoints());
  Lattice(s, "1", "1", "9", "9", "8", "8");
  RecordingReporter r;
  const gridding::MshResult res = gridding::Msh(s, r);
  EXPECT_TRUE(res.complete);
  EXPECT_TRUE(r.shown.empty());
  for (int32_t j = 1; j <= 8; ++j)
    for (int32_t i = 1; i <= 8; ++i) {
      const double x = 1 + (i - 1) * 1.0, y = 1 + (j - 1) * 1.0;
      EXPECT_NEAR(s.nodes.Node(i, j).value, 2 * x + 3 * y + 1, 1e-9) << i << "," << j;
    }
}

TEST(Msh, DenseCellsFinishAfterRingZero) {
  DataState s = WithPoints(PlanePoints());
  Lattice(s, "0", "0", "10", "10", "4", "4");  // 2.5 x 2.5 cells, about 100 points each
  RecordingReporter r;
  EXPECT_EQ(gridding::Msh(s, r).ringsRun, 1);
}

TEST(Msh, NodeSlotsHoldTheNearestAcceptedPointsInOrder) {
  // Points exactly on nodes: ring 0 gives each node its own point at d = 0.
  std::vector<Pt> pts;
  for (int j = 0; j < 5; ++j)
    for (int i = 0; i < 5; ++i) pts.push_back({double(i), double(j), double(10 * i + j)});
  DataState s = WithPoints(pts);
  Lattice(s, "0", "0", "5", "5", "5", "5");
  RecordingReporter r;
  EXPECT_TRUE(gridding::Msh(s, r).complete);
  for (int32_t j = 1; j <= 5; ++j)
    for (int32_t i = 1; i <= 5; ++i) {
      const core::NodeSlots& n = s.nodes.Node(i, j);
      EXPECT_EQ(n.nearDist[0], 0);
      EXPECT_EQ(n.nearX[0], i - 1);
      EXPECT_LE(n.nearDist[1], n.nearDist[2]);
      EXPECT_EQ(n.value, 10 * (i - 1) + (j - 1));  // the node's own value: a plane in i and j
    }
}

TEST(Msh, RegionFarFromTheDataWarnsAndGivesZero) {
  DataState s = WithPoints(PlanePoints());
  Lattice(s, "1000", "1000", "1010", "1010", "4", "4");  // 400 cells of 2.5 away
  RecordingReporter r;
  const gridding::MshResult res = gridding::Msh(s, r);
  EXPECT_FALSE(res.complete);
  EXPECT_EQ(res.ringsRun, 51);
  EXPECT_EQ(r.shown, std::vector{Msg::RegionInvalid});
  for (const core::NodeSlots& n : s.nodes.nodes()) {
    EXPECT_EQ(n.value, 0);  // three collinear dummies with z = 0: their mean
    EXPECT_EQ(n.nearDist[0], core::EmptyDist(s));
  }
}

TEST(Msh, CollinearDataNeverFillsATable) {
  std::vector<Pt> pts;
  for (int i = 0; i < 20; ++i) pts.push_back({double(i), 2.0 * i, double(i)});
  DataState s = WithPoints(pts);
  Lattice(s, "0", "0", "19", "38", "3", "3");
  RecordingReporter r;
  EXPECT_EQ(gridding::Msh(s, r).ringsRun, 51);
  EXPECT_EQ(r.shown, std::vector{Msg::RegionInvalid});
}

TEST(Msh, FarOutlierBeyondThirtyTwoBitCellsIsHarmless) {
  std::vector<Pt> pts = PlanePoints();
  pts.push_back({1e300, -1e300, 5});
  pts.push_back({-1e15, 3, 4});
  DataState s = WithPoints(pts);
  // The ranges of a manual axis region around the plane data, so that the
  // outliers only test the cell arithmetic.
  const DataState plane = WithPoints(PlanePoints());
  s.xMin = plane.xMin;
  s.xMax = plane.xMax;
  s.yMin = plane.yMin;
  s.yMax = plane.yMax;
  Lattice(s, "1", "1", "9", "9", "4", "4");
  RecordingReporter r;
  const gridding::MshResult res = gridding::Msh(s, r);
  EXPECT_TRUE(res.complete);
  for (const core::NodeSlots& n : s.nodes.nodes()) {
    EXPECT_TRUE(std::isfinite(n.value));
    for (double x : n.nearX) EXPECT_LT(std::fabs(x), 1e6);
  }
}

TEST(Msh, SingleRepeatedPointUsesTheMean) {
  // All points equal: the axis region has zero width, areaTol is 0 and every
  // triangle is degenerate with D = 0.
  DataState s = WithPoints({{2, 2, 6}, {2, 2, 6}, {2, 2, 6}});
  Lattice(s, "0", "0", "4", "4", "2", "2");
  RecordingReporter r;
  EXPECT_FALSE(gridding::Msh(s, r).complete);
  for (const core::NodeSlots& n : s.nodes.nodes()) EXPECT_TRUE(std::isfinite(n.value));
}

}  // namespace

TEST(Msh, WatchCountsBothPassesAndAStopEndsWithoutValuesOrMessages) {
  DataState watched = WithPoints(PlanePoints());
  Lattice(watched, "0", "0", "10", "10", "12", "9");
  DataState plain = watched;
  RecordingReporter r;
  gridding::MshWatch watch;
  const gridding::MshResult done = gridding::Msh(watched, r, 2, &watch);
  EXPECT_FALSE(gridding::Msh(plain, r, 2).stopped);
  EXPECT_FALSE(done.stopped);
  EXPECT_EQ(watch.rowsDone.load(), 2 * 9);
  EXPECT_EQ(watch.rowsTotal.load(), 2 * 9);
  for (int32_t j = 1; j <= 9; ++j)
    for (int32_t i = 1; i <= 12; ++i)
      EXPECT_EQ(watched.nodes.Node(i, j).value, plain.nodes.Node(i, j).value);

  // A far region leaves nodes short of points: stopped, the warning is not shown.
  DataState far = WithPoints(PlanePoints());
  Lattice(far, "500", "500", "900", "900", "30", "30");
  RecordingReporter quiet;
  gridding::MshWatch stop;
  stop.stop = true;
  const gridding::MshResult r2 = gridding::Msh(far, quiet, 2, &stop);
  EXPECT_TRUE(r2.stopped);
  EXPECT_TRUE(quiet.shown.empty());
  EXPECT_EQ(stop.rowsDone.load(), 0);
}
