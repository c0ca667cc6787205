#include "core/lattice.h"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

namespace {

using core::DataState;
using core::Format;
using core::LatticeStatus;
using core::Msg;
using core::RecordingReporter;
using core::RegionTexts;

// A scattered state of n points over the axis region 0..100 x 0..50.
DataState Scattered(int32_t n) {
  DataState s;
  s.nData = n;
  s.xData.assign(n + 1, 0);
  s.yData.assign(n + 1, 0);
  s.zData.assign(n + 1, 0);
  s.xMin = 0;
  s.xMax = 100;
  s.yMin = 0;
  s.yMax = 50;
  return s;
}

RegionTexts Boxes(const char* nx, const char* ny) {
  RegionTexts b;
  b.text25 = nx;
  b.text26 = ny;
  return b;
}

TEST(DataRead2, NodeCountsFromTheBoxes) {
  const struct {
    const char* text;
    int32_t count;
    const char* after;
    bool warned;
  } cases[] = {
      {"", 10, "10", false},   // default: sqrt(400) / 2
      {"0", 10, "10", false},  // "0" also takes the default
      {"2.5", 2, "2.5", false}, {"3.5", 4, "3.5", false}, {"-3", 2, "2", true},
      {"1", 2, "2", true},      {"0.0", 2, "2", true},  // not exactly "0": a number not above 1
      {"25", 25, "25", false},
  };
  for (const auto& c : cases) {
    DataState s = Scattered(400);
    RegionTexts b = Boxes(c.text, "7");
    RecordingReporter r;
    ASSERT_EQ(core::DataRead2(Format::NXyz, b, s, r), LatticeStatus::Ok) << c.text;
    EXPECT_EQ(s.gridNx, c.count) << c.text;
    EXPECT_EQ(s.gridNy, 7) << c.text;
    EXPECT_EQ(b.text25, c.after) << c.text;
    EXPECT_EQ(r.shown, c.warned ? std::vector{Msg::NxInvalid} : std::vector<Msg>{}) << c.text;
  }
  DataState s = Scattered(400);
  RegionTexts b = Boxes("7", "-1");
  RecordingReporter r;
  ASSERT_EQ(core::DataRead2(Format::NXyz, b, s, r), LatticeStatus::Ok);
  EXPECT_EQ(r.shown, std::vector{Msg::NyInvalid});
  EXPECT_EQ(b.text26, "2");
}

TEST(DataRead2, DefaultCounts) {
  const struct {
    Format format;
    int32_t nData, inNx, inNy, nx, ny;
  } cases[] = {
      {Format::NXyz, 400, 0, 0, 10, 10},
      {Format::Xyz, 7, 0, 0, 2, 2},   // 1.32 rounds to 1, raised to 2
      {Format::Xyz, 25, 0, 0, 2, 2},  // 2.5 -> 2
      {Format::Xyz, 49, 0, 0, 4, 4},  // 3.5 -> 4
      {Format::Ijz, 1581, 51, 31, 26, 16},
      {Format::Ijz, 300, 3, 100, 2, 50},
  };
  for (const auto& c : cases) {
    DataState s = Scattered(c.nData);
    s.inNx = c.inNx;
    s.inNy = c.inNy;
    RegionTexts b = Boxes("", "");
    RecordingReporter r;
    ASSERT_EQ(core::DataRead2(c.format, b, s, r), LatticeStatus::Ok);
    EXPECT_EQ(s.gridNx, c.nx) << c.nData;
    EXPECT_EQ(s.gridNy, c.ny) << c.nData;
    EXPECT_EQ(b.text25, std::to_string(c.nx));
    EXPECT_TRUE(r.shown.empty());
  }
}

TEST(DataRead2, RegionFromTheBoxes) {
  DataState s = Scattered(400);
  RegionTexts b = Boxes("10", "5");
  b.text21 = "10";
  b.text22 = "40";
  b.text23 = "0";
  b.text24 = "20.5";
  RecordingReporter r;
  ASSERT_EQ(core::DataRead2(Format::NXyz, b, s, r), LatticeStatus::Ok);
  EXPECT_EQ(s.gridX1, 0);
  EXPECT_EQ(s.gridX2, 10);
  EXPECT_EQ(s.gridY1, 20.5);
  EXPECT_EQ(s.gridY2, 40);
  EXPECT_EQ(s.gridDx, 1);
  EXPECT_EQ(s.gridDy, 19.5 / 5);
  EXPECT_EQ(s.nodes.nx(), 10);
  EXPECT_EQ(s.nodes.nodes().size(), 50u);

  // Any empty box: the whole axis region.
  b.text24 = "";
  ASSERT_EQ(core::DataRead2(Format::NXyz, b, s, r), LatticeStatus::Ok);
  EXPECT_EQ(s.gridX1, 0);
  EXPECT_EQ(s.gridX2, 100);
  EXPECT_EQ(s.gridY2, 50);
  EXPECT_EQ(s.gridDx, 10);
}

TEST(DataRead2, BoundsEqualAtSinglePrecisionTakeTheSecondBoxFirst) {
  DataState s = Scattered(400);
  RegionTexts b = Boxes("2", "2");
  b.text21 = "1.00000001";  // equal to 1 as a float
  b.text23 = "1";
  b.text22 = "0";
  b.text24 = "5";
  RecordingReporter r;
  ASSERT_EQ(core::DataRead2(Format::NXyz, b, s, r), LatticeStatus::Ok);
  EXPECT_EQ(s.gridX1, 1);
  EXPECT_EQ(s.gridX2, 1.00000001);
  EXPECT_EQ(s.gridDx, std::fabs(1.00000001 - 1) / 2);
}

TEST(DataRead2, BoundsBeyondTheSingleRangeKeepTheirOrder) {
  DataState s = Scattered(400);
  RegionTexts b = Boxes("2", "2");
  b.text21 = "0";
  b.text23 = "1";
  b.text22 = "1.5e39";
  b.text24 = "5e38";
  RecordingReporter r;
  ASSERT_EQ(core::DataRead2(Format::NXyz, b, s, r), LatticeStatus::Ok);
  EXPECT_EQ(s.gridY1, 5e38);
  EXPECT_EQ(s.gridY2, 1.5e39);
}

TEST(DataRead2, RefusesWhatCannotBeConverted) {
  const struct {
    RegionTexts boxes;
    int32_t nData;
    Msg msg;
  } cases[] = {
      {{"0", "0", "10", "10", "abc", "5"}, 400, Msg::NxNotNumber},
      {{"0", "0", "10", "10", "5", "5x"}, 400, Msg::NyNotNumber},
      {{"0", "0", "x", "10", "5", "5"}, 400, Msg::RegionNotNumber},
      {{"3", "0", "3", "10", "5", "5"}, 400, Msg::RegionZeroSize},
      {{"0", "4", "10", "4", "5", "5"}, 400, Msg::RegionZeroSize},
      {{"-1e308", "0", "1e308", "10", "5", "5"}, 400, Msg::RegionZeroSize},  // infinite width
      {{"0", "0", "10", "10", "10000", "10000"}, 400, Msg::TooManyNodes},
      {{"0", "0", "10", "10", "1e30", "5"}, 400, Msg::TooManyNodes},
      {{"0", "0", "10", "10", "5", "5"}, 0, Msg::NoData},
  };
  for (const auto& c : cases) {
    DataState s = Scattered(c.nData);
    RegionTexts b = c.boxes;
    RecordingReporter r;
    EXPECT_EQ(core::DataRead2(Format::NXyz, b, s, r), LatticeStatus::Refused) << b.text25;
    EXPECT_EQ(r.shown, std::vector{c.msg}) << b.text21 << " " << b.text25;
    EXPECT_TRUE(s.nodes.nodes().empty());
  }
  // A zero-width axis region with empty boxes is a zero-width region too.
  DataState s = Scattered(400);
  s.xMax = s.xMin;
  RegionTexts b = Boxes("5", "5");
  RecordingReporter r;
  EXPECT_EQ(core::DataRead2(Format::NXyz, b, s, r), LatticeStatus::Refused);
  EXPECT_EQ(r.shown, std::vector{Msg::RegionZeroSize});
}

TEST(DefaultRegionTexts, MiddleHalfAsTheDrawWritesIt) {
  DataState s = Scattered(400);
  RegionTexts t = core::DefaultRegionTexts(Format::NXyz, s);
  EXPECT_EQ(t.text21, "25.");
  EXPECT_EQ(t.text22, "12.5");
  EXPECT_EQ(t.text23, "75.");
  EXPECT_EQ(t.text24, "37.5");
  EXPECT_EQ(t.text25, "10");
  EXPECT_EQ(t.text26, "10");

  s.xMin = 0.1;
  s.xMax = 101.1;  // 25.35 and 75.85 at single precision
  s.yMin = -1.0 / 3;
  s.yMax = 1;
  t = core::DefaultRegionTexts(Format::Xyz, s);
  EXPECT_EQ(t.text21, "25.35");
  EXPECT_EQ(t.text23, "75.85");
  EXPECT_EQ(t.text22, "0.");  // a whole number keeps its point
  EXPECT_EQ(t.text24, "0.6666667");

  const struct {
    int32_t n;
    const char* count;
  } counts[] = {{4, "2"}, {25, "2"}, {49, "4"}, {0, "2"}};
  for (const auto& c : counts) {
    s.nData = c.n;
    EXPECT_EQ(core::DefaultRegionTexts(Format::NXyz, s).text25, c.count) << c.n;
  }

  DataState g = Scattered(300);  // an ijz lattice of 3 x 100
  g.inNx = 3;
  g.inNy = 100;
  g.xMin = 1;
  g.xMax = 3;
  g.yMin = 1;
  g.yMax = 100;
  t = core::DefaultRegionTexts(Format::Ijz, g);
  EXPECT_EQ(t.text21, "2");   // 1.5 -> 2
  EXPECT_EQ(t.text23, "2");   // 2.5 -> 2
  EXPECT_EQ(t.text22, "26");  // 25.75
  EXPECT_EQ(t.text24, "75");  // 75.25
  EXPECT_EQ(t.text25, "2");   // 1.5 -> 2
  EXPECT_EQ(t.text26, "50");
}

}  // namespace
