// Polylines cut to a target's coordinate square along their own lines, and
// the metafile's overlay segment with a far end (it used to be clamped end
// by end, turning the segment).
#include "render/clip.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "render/metafile_target.h"
#include "tests/render/wmf_reader.h"

namespace render {
namespace {

using Runs = std::vector<std::vector<DevicePoint>>;

TEST(ClipPolyline, SegmentsKeepTheirLineInsideTheSquare) {
  const double inf = std::numeric_limits<double>::infinity();
  const double nan = std::numeric_limits<double>::quiet_NaN();
  const struct {
    const char* what;
    DevicePoint a, b;
    bool kept;
    DevicePoint ca, cb;  // the part kept
  } cases[] = {
      {"inside", {10, 20}, {30, 40}, true, {10, 20}, {30, 40}},
      {"far end right", {0, 0}, {200, 100}, true, {0, 0}, {100, 50}},
      {"far end below left", {50, 50}, {-250, -100}, true, {50, 50}, {-100, -25}},
      {"both ends out, crossing", {-200, 0}, {200, 0}, true, {-100, 0}, {100, 0}},
      {"both ends out, missing", {200, 0}, {0, 400}, false, {}, {}},
      {"parallel outside", {-50, 120}, {50, 120}, false, {}, {}},
      {"on the edge", {-100, 100}, {100, 100}, true, {-100, 100}, {100, 100}},
      {"end not a number", {0, 0}, {nan, 10}, false, {}, {}},
      {"end infinite", {0, 0}, {inf, 10}, false, {}, {}},
      {"ends near the largest doubles", {-1.5e308, 0}, {1.5e308, 0}, true, {-100, 0}, {100, 0}},
      {"steep, far",
       {10, 10},
       {10 + 1e-3, 1e12},
       true,
       {10, 10},
       {10 + 1e-3 * 90 / (1e12 - 10), 100}},
  };
  for (const auto& c : cases) {
    const DevicePoint line[] = {c.a, c.b};
    const Runs runs = ClipPolyline(line, -100, 100);
    if (!c.kept) {
      EXPECT_TRUE(runs.empty()) << c.what;
      continue;
    }
    ASSERT_EQ(runs.size(), 1u) << c.what;
    ASSERT_EQ(runs[0].size(), 2u) << c.what;
    EXPECT_NEAR(runs[0][0].x, c.ca.x, 1e-9) << c.what;
    EXPECT_NEAR(runs[0][0].y, c.ca.y, 1e-9) << c.what;
    EXPECT_NEAR(runs[0][1].x, c.cb.x, 1e-9) << c.what;
    EXPECT_NEAR(runs[0][1].y, c.cb.y, 1e-9) << c.what;
  }
}

TEST(ClipPolyline, APolylineLeavingAndComingBackBecomesTwoRuns) {
  const DevicePoint zigzag[] = {{0, 0}, {50, 0}, {300, 0}, {50, 50}, {0, 50}};
  const Runs runs = ClipPolyline(zigzag, -100, 100);
  ASSERT_EQ(runs.size(), 2u);
  ASSERT_EQ(runs[0].size(), 3u);  // (0,0) (50,0) and the exit at x = 100
  EXPECT_DOUBLE_EQ(runs[0][2].x, 100);
  EXPECT_DOUBLE_EQ(runs[0][2].y, 0);
  ASSERT_EQ(runs[1].size(), 3u);  // the way back in, on to (50,50) and (0,50)
  EXPECT_DOUBLE_EQ(runs[1][0].x, 100);
  EXPECT_DOUBLE_EQ(runs[1][0].y, 40);
  EXPECT_DOUBLE_EQ(runs[1][2].x, 0);
  // A single point is kept only inside.
  const DevicePoint in[] = {{5, 5}}, out[] = {{500, 5}};
  EXPECT_EQ(ClipPolyline(in, -100, 100).size(), 1u);
  EXPECT_TRUE(ClipPolyline(out, -100, 100).empty());
}

class FixedPitch : public ScreenTextMeasurer {
 public:
  TextSize MeasurePixels(const Font& f, const std::string& text) override {
    return {static_cast<double>(text.size()) * f.screenWidth, static_cast<double>(f.screenHeight)};
  }
};

TEST(RecordMetafile, OverlaySegmentWithAFarEndKeepsItsDirection) {
  core::DataState d;
  d.nData = 3;
  d.xData = {0, 0, 10, 5};
  d.yData = {0, 0, 10, 5};
  d.zData = {0, 0, 1, 1};
  d.xMax = d.yMax = 10;
  d.zMax = d.zTop = 1;
  // From the middle of the frame towards a point a thousand ranges away to
  // the right and a hundred up: far beyond the 16-bit twips of the page.
  core::LineSet lines;
  lines.nLines = 1;
  lines.lineX1[1] = lines.lineY1[1] = 5;
  lines.lineX2[1] = 10005;
  lines.lineY2[1] = 1005;
  FixedPitch measure;
  const MetafileExport m = RecordMetafile(ScreenMetrics{15, 15}, d, lines, PlotControls{}, measure);
  const testing_support::WmfView v = testing_support::ReadWmf(m.metafile);
  ASSERT_EQ(v.fault, "");
  const testing_support::WmfRecordView* segment = nullptr;
  for (const auto& r : v.records)
    if (r.function == 0x0325 && r.Int(0) == 2) segment = &r;  // the last two-point polyline
  ASSERT_NE(segment, nullptr);
  auto at = [&](size_t i) { return static_cast<double>(segment->Int(i)); };
  const DevicePoint start{at(1), at(2)}, end{at(3), at(4)};
  // The page positions of both ends, in twips, before any cut.
  const double toTwips = m.page.unitPerMmX;
  const DevicePoint a{PageX(m.page, d, 5) * toTwips, PageY(m.page, d, 5) * toTwips};
  const DevicePoint b{PageX(m.page, d, 10005) * toTwips, PageY(m.page, d, 1005) * toTwips};
  EXPECT_NEAR(start.x, a.x, 0.5);
  EXPECT_NEAR(start.y, a.y, 0.5);
  EXPECT_EQ(end.x, 32767);  // cut where the line meets the right edge
  // The recorded end lies on the segment's own line (within the rounding of
  // a twip): the old clamp put it at (32767, -32768), far off that line.
  const double slope = (b.y - a.y) / (b.x - a.x);
  EXPECT_NEAR(end.y, a.y + slope * (32767 - a.x), 1.0);
}

}  // namespace
}  // namespace render
