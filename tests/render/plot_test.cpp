// Positions of the plot's boxes, lines and texts as a recording target sees
// them, on the screen, metafile and printer pages.
#include "render/plot.h"

#include <gtest/gtest.h>

#include <cmath>

#include "tests/render/recording_target.h"

namespace render {
namespace {

using testing_support::Call;
using testing_support::RecordingTarget;

const ScreenMetrics kScreen{15, 15};

core::DataState Square(int n, double lo, double hi) {
  core::DataState d;
  d.nData = n;
  d.xData.assign(n + 1, 0);
  d.yData.assign(n + 1, 0);
  d.zData.assign(n + 1, 0);
  d.xMin = d.yMin = lo;
  d.xMax = d.yMax = hi;
  d.zMin = d.zBottom = 0;
  d.zMax = d.zTop = 1;
  return d;
}

TEST(PntDrw, SideCappedAtThreeAndBoundsIncluded) {
  const PageLayout page = Scl(PlotSize::A, kScreen);
  // 100 points with point size 5: 6.5 mm, capped to 3.
  core::DataState d = Square(100, 0, 100);
  d.xData[1] = 0, d.yData[1] = 0;             // on the lower-left corner: drawn
  d.xData[2] = 100, d.yData[2] = 100;         // on the upper-right corner: drawn
  d.xData[3] = 100.0000001, d.yData[3] = 50;  // just outside: not drawn
  for (int i = 4; i <= 100; ++i) d.xData[i] = -1;
  RecordingTarget t(page);
  ASSERT_TRUE(PntDrw(page, d, PlotControls{}, t));
  const auto boxes = t.Of(Call::FillBox);
  ASSERT_EQ(boxes.size(), 2u);
  EXPECT_DOUBLE_EQ(boxes[0].points[0].x, 20 - 1.5);
  EXPECT_DOUBLE_EQ(boxes[0].points[0].y, 135 - 1.5);
  EXPECT_DOUBLE_EQ(boxes[0].points[1].x - boxes[0].points[0].x, 3);
  EXPECT_DOUBLE_EQ(boxes[1].points[0].x, 150 - 1.5);
  EXPECT_DOUBLE_EQ(boxes[1].points[0].y, 5 - 1.5);
  EXPECT_EQ(boxes[0].colour, (Rgb{0, 0, 255}));  // z 0 at the bottom of the scale

  // 10000 points: 0.65 mm.
  core::DataState many = Square(10000, 0, 100);
  RecordingTarget t2(page);
  PntDrw(page, many, PlotControls{}, t2);
  const auto small = t2.Of(Call::FillBox);
  ASSERT_EQ(small.size(), 10000u);
  EXPECT_NEAR(small[0].points[1].x - small[0].points[0].x, 0.65, 1e-12);
}

TEST(PntDrw, ExportTargetsDrawAPolygonWithPenAndBrushPerPoint) {
  const PageLayout page = MetaScl(kScreen);
  core::DataState d = Square(3, 0, 10);
  d.zData = {0, 1, 0.5, 0};
  RecordingTarget t(page);
  PntDrw(page, d, PlotControls{}, t);
  ASSERT_EQ(t.calls.size(), 3u * 5);
  const Call& pen = t.calls[5];
  EXPECT_EQ(pen.kind, Call::SelectPen);
  EXPECT_EQ(pen.pen.width, 2);
  EXPECT_EQ(pen.pen.colour, (Rgb{0, 255, 0}));
  EXPECT_EQ(t.calls[6].kind, Call::SelectBrush);
  EXPECT_EQ(t.calls[6].colour, (Rgb{0, 255, 0}));
  ASSERT_EQ(t.calls[7].kind, Call::Polygon);
  const auto& sq = t.calls[7].points;  // clockwise from the top-left corner
  ASSERT_EQ(sq.size(), 4u);
  EXPECT_LT(sq[0].x, sq[1].x);
  EXPECT_EQ(sq[0].y, sq[1].y);
  EXPECT_LT(sq[1].y, sq[2].y);
  EXPECT_EQ(sq[2].x, sq[1].x);
  EXPECT_EQ(sq[3].x, sq[0].x);
  EXPECT_EQ(t.calls[8].kind, Call::ReleaseBrush);
  EXPECT_EQ(t.calls[9].kind, Call::ReleasePen);
}

TEST(PntDrw, PointSizeThatIsNotANumberDrawsNothing) {
  const PageLayout page = Scl(PlotSize::C, kScreen);
  core::DataState d = Square(4, 0, 1);
  RecordingTarget t(page);
  PlotControls c;
  c.pointSizeText = "big";
  EXPECT_FALSE(PntDrw(page, d, c, t));
  EXPECT_TRUE(t.calls.empty());
}

TEST(PntDrw, ZeroWidthAxisRangePutsPointsInTheMiddle) {
  for (const PageLayout& page : {Scl(PlotSize::B, kScreen), MetaScl(kScreen)}) {
    core::DataState d = Square(2, 5, 5);  // xMin = xMax and yMin = yMax
    d.xData = {0, 5, 5};
    d.yData = {0, 5, 5};
    RecordingTarget t(page);
    PntDrw(page, d, PlotControls{}, t);
    core::LineSet lines;
    lines.nLines = 1;
    lines.lineX1[1] = 0, lines.lineY1[1] = 0, lines.lineX2[1] = 10, lines.lineY2[1] = 10;
    LinDrw(page, d, lines, t);
    const double midX = (page.plotLeft + page.plotRight) / 2,
                 midY = (page.plotTop + page.plotBottom) / 2;
    int seen = 0;
    for (const Call& c : t.calls) {
      for (const PagePoint& p : c.points) {
        ASSERT_TRUE(std::isfinite(p.x) && std::isfinite(p.y));
        if (c.kind == Call::Polyline) {
          EXPECT_EQ(p.x, midX);
          EXPECT_EQ(p.y, midY);
        } else {
          EXPECT_NEAR(p.x, midX, 1.5);
          EXPECT_NEAR(p.y, midY, 1.5);
        }
        ++seen;
      }
    }
    EXPECT_GT(seen, 4);
  }
  EXPECT_EQ(DeviceCoord(std::nan(""), 56.69291, 32767), 0);
  EXPECT_EQ(DeviceCoord(1e300, 56.69291, 32767), 32767);
  EXPECT_EQ(DeviceCoord(-1e300, 56.69291, 32767), -32767);
  EXPECT_EQ(DeviceCoord(2.5, 1, 100), 2);
}

TEST(RGBht, BandsOutlineAndAutomaticLabelsOnTheScreen) {
  const PageLayout page = Scl(PlotSize::C, kScreen);  // frame (20, 5)-(130, 115)
  core::DataState d = Square(3, 0, 1);
  RecordingTarget t(page);
  const TextArg a = NumbersSize(page);
  RGBht(page, d, PlotControls{}, a, t);
  const auto bands = t.Of(Call::FillBox);
  ASSERT_EQ(bands.size(), 25u);
  const double barHeight = 110 - 20;
  EXPECT_EQ(bands[0].points[0].x, 134);
  EXPECT_EQ(bands[0].points[0].y, 15);
  EXPECT_EQ(bands[0].colour, (Rgb{255, 0, 0}));
  EXPECT_EQ(bands[24].colour, (Rgb{0, 0, 255}));
  EXPECT_NEAR(bands[24].points[1].y, 105, 1e-9);
  EXPECT_NEAR(bands[0].points[1].y - bands[0].points[0].y, barHeight / 25, 1e-12);
  const auto outline = t.Of(Call::Polyline);
  ASSERT_EQ(outline.size(), 1u);
  EXPECT_EQ(outline[0].points.size(), 5u);
  EXPECT_EQ(t.Of(Call::SelectPen)[0].pen.width, 2);

  const Call* bottom = t.Text("Bottom");
  const Call* top = t.Text("Top");
  ASSERT_TRUE(bottom && top);
  const double w6 = 6 / page.unitPerMmX;  // one character of the numbers font
  EXPECT_NEAR(bottom->points[0].x, 134 + 4 - 6 * w6 / 2, 1e-12);
  EXPECT_NEAR(bottom->points[0].y, 105 + a.textH / 4, 1e-12);
  EXPECT_NEAR(top->points[0].x, 134 + 4 - 3 * w6 / 2, 1e-12);
  EXPECT_NEAR(top->points[0].y, 15 - 1.3 * a.textH, 1e-12);
}

TEST(RGBht, TargetsDifferInBarPositionPensAndOutline) {
  const struct {
    PageLayout page;
    double barLeft;
    int bandPen;
    size_t outlines;
    int textPen;
  } cases[] = {{MetaScl(kScreen), 154, 8, 0, 1}, {PrnScl(kScreen, 2.4, 2.4), 186, 2, 1, 2}};
  for (const auto& c : cases) {
    core::DataState d = Square(3, 0, 1);
    d.zBottom = 250;
    d.zTop = 12345.6;
    PlotControls ctl;
    ctl.meterMode = core::ColourMode::Manual;
    RecordingTarget t(c.page);
    RGBht(c.page, d, ctl, NumbersSize(c.page), t);
    const auto bands = t.Of(Call::Polygon);
    ASSERT_EQ(bands.size(), 25u);
    EXPECT_EQ(bands[0].points[0].x, c.barLeft);
    EXPECT_EQ(t.Of(Call::SelectPen)[0].pen.width, c.bandPen);
    EXPECT_EQ(t.Of(Call::Polyline).size(), c.outlines);
    EXPECT_EQ(t.Of(Call::SelectPen).back().pen.width, c.textPen);
    ASSERT_TRUE(t.Text("250.00"));
    ASSERT_TRUE(t.Text("12346"));
  }
}

TEST(Axes, NumbersAndLabelsAroundTheFrame) {
  const PageLayout page = Scl(PlotSize::A, kScreen);  // (20, 5)-(150, 135)
  core::DataState d = Square(3, 0, 1500);
  d.yMin = -0.05;
  d.yMax = 0.05;
  RecordingTarget t(page);
  PlotControls c;
  FrmDrw(page, d, c, t);
  const TextArg n = NumbersSize(page), l = LabelsSize(page);
  const double nw = 7 / page.unitPerMmX, lw = 14 / page.unitPerMmX;  // character widths
  const Call* xLo = t.Text("0.000000");
  const Call* xHi = t.Text("1500");
  const Call* yLo = t.Text("-0.05000");
  const Call* yHi = t.Text("0.05000");
  const Call* xLab = t.Text("x-axis");
  const Call* yLab = t.Text("y-axis");
  ASSERT_TRUE(xLo && xHi && yLo && yHi && xLab && yLab);
  EXPECT_NEAR(xLo->points[0].x, 20 - 8 * nw / 2, 1e-12);
  EXPECT_NEAR(xLo->points[0].y, 135 + n.textH / 2, 1e-12);
  EXPECT_NEAR(xHi->points[0].x, 150 - 4 * nw / 2, 1e-12);
  EXPECT_NEAR(yLo->points[0].x, 20 - 8 * nw - nw, 1e-12);
  EXPECT_NEAR(yLo->points[0].y, 135 - n.textH / 2, 1e-12);
  EXPECT_NEAR(yHi->points[0].x, 20 - 7 * nw - nw, 1e-12);
  EXPECT_NEAR(yHi->points[0].y, 5 - n.textH / 2, 1e-12);
  EXPECT_NEAR(xLab->points[0].x, 85 - 6 * lw / 2, 1e-12);
  EXPECT_NEAR(xLab->points[0].y, 135 + 0.4 * l.textH, 1e-12);
  EXPECT_EQ(yLab->font.escapement, 900);
  EXPECT_NEAR(yLab->points[0].x, 20 - 1.7 * l.textH, 1e-12);
  EXPECT_NEAR(yLab->points[0].y, 70 + 6 * lw / 2, 1e-12);
  EXPECT_EQ(xLab->font.width, 14);
  EXPECT_EQ(xLo->font.height, 11);
  const Call* z = t.Text("Bottom =0.0,  Top =1.0");
  ASSERT_TRUE(z);
  EXPECT_EQ(z->points[0].x, 20);
  EXPECT_NEAR(z->points[0].y, 5 - 1.5 * n.textH, 1e-12);
  // Frame first, as a closed 5-point line of width 2.
  ASSERT_EQ(t.calls[0].kind, Call::SelectPen);
  EXPECT_EQ(t.calls[0].pen.width, 2);
  ASSERT_EQ(t.calls[1].kind, Call::Polyline);
  EXPECT_EQ(t.calls[1].points.size(), 5u);
  EXPECT_EQ(t.calls[1].points[2].x, 150);
  EXPECT_EQ(t.calls[1].points[2].y, 135);
  // Order of the text procedures, and every font released.
  std::vector<std::string> texts;
  for (const Call& k : t.Of(Call::TextOut)) texts.push_back(k.text);
  EXPECT_EQ(texts, (std::vector<std::string>{"0.000000", "1500", "x-axis", "-0.05000", "0.05000",
                                             "y-axis", "Bottom =0.0,  Top =1.0", "Bottom", "Top"}));
  EXPECT_EQ(t.Of(Call::SelectFont).size(), t.Of(Call::ReleaseFont).size());
  EXPECT_EQ(t.Of(Call::SelectPen).size(), t.Of(Call::ReleasePen).size());
}

TEST(Axes, PrinterMeasuresItsTextHeight) {
  const PageLayout page = PrnScl(kScreen, 2.4, 2.4);
  core::DataState d = Square(3, 0, 100);
  RecordingTarget t(page);
  FrmDrw(page, d, PlotControls{}, t);
  const double numbersH = 75 / page.unitPerMmY, labelsH = 150 / page.unitPerMmY;
  EXPECT_NEAR(t.Text("0.000000")->points[0].y, 180 + numbersH / 2, 1e-12);
  EXPECT_NEAR(t.Text("x-axis")->points[0].y, 180 + 0.4 * labelsH, 1e-12);
  EXPECT_NEAR(t.Text("Top")->points[0].y, 30 + 10 - 1.3 * numbersH, 1e-12);
  EXPECT_EQ(t.Text("x-axis")->font.width, 100);  // 16 × 6.25
  // The frame pen and the z-range text's pen.
  EXPECT_EQ(t.calls[0].pen.width, 4);
}

TEST(ijFrmDrw, ReversedBoxesGiveTheSameFrame) {
  const PageLayout page = Scl(PlotSize::A, kScreen);
  const core::RegionTexts forward{"0", "10", "100", "90", "", ""};
  const core::RegionTexts reverse{"100", "90", "0", "10", "", ""};
  for (const auto& box : {forward, reverse}) {
    core::DataState d = Square(3, 0, 100);
    RegionFrame f;
    RecordingTarget t(page);
    ASSERT_TRUE(ijFrmDrw(page, box, d, f, t));
    EXPECT_EQ(d.gridX1, 0);
    EXPECT_EQ(d.gridX2, 100);
    EXPECT_EQ(d.gridY1, 10);
    EXPECT_EQ(d.gridY2, 90);
    EXPECT_EQ(f.frameX1, 20);
    EXPECT_EQ(f.frameX2, 150);
    EXPECT_EQ(f.frameY1, static_cast<float>(135 - 13.0));
    EXPECT_EQ(f.frameY2, static_cast<float>(135 - 117.0));
    const auto r = t.Of(Call::InvertRectangle);
    ASSERT_EQ(r.size(), 1u);
    EXPECT_EQ(r[0].points[0].x, 20);
    EXPECT_EQ(r[0].points[1].y, f.frameY2);
  }
  core::DataState d = Square(3, 0, 100);
  RegionFrame f;
  RecordingTarget t(page);
  EXPECT_FALSE(ijFrmDrw(page, {"a", "0", "1", "1", "", ""}, d, f, t));
  EXPECT_TRUE(t.calls.empty());
  EXPECT_EQ(f.frameX2, 0);
}

TEST(Header, AlignmentSizeAndFace) {
  const PageLayout page = PrnScl(kScreen, 2.4, 2.4);
  const struct {
    HeaderAlign align;
    double right;
  } cases[] = {{HeaderAlign::Left, 0}, {HeaderAlign::Centre, 0}, {HeaderAlign::Right, 200}};
  for (const auto& c : cases) {
    PlotControls ctl;
    ctl.headerText = "Field 7";
    ctl.headerSizeText = "9";
    ctl.headerFace = "Arial";
    ctl.headerAlign = c.align;
    RecordingTarget t(page);
    ASSERT_TRUE(Header(ctl, t));
    const Call* h = t.Text("Field 7");
    ASSERT_TRUE(h);
    EXPECT_EQ(h->font.width, 54);
    EXPECT_EQ(h->font.height, 81);
    EXPECT_EQ(h->font.face, "Arial");
    const double width = 7 * 54 / page.unitPerMmX;
    const double x = h->points[0].x;
    if (c.align == HeaderAlign::Left) {
      EXPECT_EQ(x, 10);
    }
    if (c.align == HeaderAlign::Centre) {
      EXPECT_NEAR(x + width / 2, 105, 1e-12);
    }
    if (c.align == HeaderAlign::Right) {
      EXPECT_NEAR(x + width, 200, 1e-12);
    }
    EXPECT_EQ(h->points[0].y, 10);
  }
}

TEST(Header, SizeThatIsNotANumberPrintsThePageWithoutIt) {
  const PageLayout page = PrnScl(kScreen, 2.4, 2.4);
  core::DataState d = Square(3, 0, 1);
  for (const char* size : {"x", "", "-3", "1e9"}) {
    PlotControls c;
    c.headerText = "title";
    c.headerSizeText = size;
    RecordingTarget t(page);
    PrnFrmDrw(page, d, c, t);
    EXPECT_EQ(t.Text("title"), nullptr) << size;
    EXPECT_TRUE(t.Text("x-axis")) << size;
  }
  PlotControls empty;  // no header text: no header
  RecordingTarget t(page);
  PrnFrmDrw(page, d, empty, t);
  EXPECT_EQ(t.Of(Call::TextOut).size(), 9u);
}

TEST(DrawSequences, LinesOnlyWhenOnAndRegionOnlyOnScreen) {
  core::DataState d = Square(3, 0, 100);
  core::LineSet lines;
  lines.nLines = 2;
  lines.lineX1[2] = 200;  // outside the axis range: drawn outside the frame
  for (bool on : {false, true}) {
    PlotControls c;
    c.linesOn = on;
    const PageLayout screen = Scl(PlotSize::A, kScreen);
    RecordingTarget s(screen);
    RegionFrame f;
    DrawScreenPlot(screen, d, lines, c, {"25.", "25.", "75.", "75.", "2", "2"}, f, s);
    // frame + meter outline + the lines
    EXPECT_EQ(s.Of(Call::Polyline).size(), 2u + (on ? 2 : 0));
    EXPECT_EQ(s.Of(Call::InvertRectangle).size(), 1u);
    if (on) {
      EXPECT_EQ(s.Of(Call::Polyline).back().points[0].x, 20 + 260);
    }
    const PageLayout meta = MetaScl(kScreen);
    RecordingTarget m(meta);
    MetaPlot(meta, d, lines, c, m);
    EXPECT_EQ(m.Of(Call::Polyline).size(), 1u + (on ? 2 : 0));
    EXPECT_TRUE(m.Of(Call::InvertRectangle).empty());
    EXPECT_EQ(m.Of(Call::SelectPen).size(), m.Of(Call::ReleasePen).size());
  }
}

}  // namespace
}  // namespace render
