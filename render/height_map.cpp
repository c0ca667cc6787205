// PntDrw, RGBht and ZlbDrw on any target.
#include <algorithm>
#include <array>
#include <cmath>

#include "core/numbers.h"
#include "render/colour_scale.h"
#include "render/plot.h"
#include "render/text_pen.h"

namespace render {

namespace {

constexpr double kMaxPointSide = 3;  // mm
constexpr double kBarWidth = 8;      // mm
constexpr int kBands = 25;

// The four corners clockwise from the top-left.
std::array<PagePoint, 4> Corners(double left, double top, double width, double height) {
  return {PagePoint{left, top}, PagePoint{left + width, top}, PagePoint{left + width, top + height},
          PagePoint{left, top + height}};
}

}  // namespace

bool PntDrw(const PageLayout& page, const core::DataState& d, const PlotControls& c, Target& t) {
  const auto pointSize = core::ParseNumber(c.pointSizeText);
  if (!pointSize) return false;
  if (d.nData < 1) return true;  // no point to draw
  double s = *pointSize *
             std::sqrt((page.plotBottom - page.plotTop) * (page.plotRight - page.plotLeft)) /
             std::sqrt(static_cast<double>(d.nData)) / 10;
  if (s > kMaxPointSide || std::isnan(s)) s = kMaxPointSide;
  const double half = s / 2;
  const int32_t held =
      static_cast<int32_t>(std::min({d.xData.size(), d.yData.size(), d.zData.size()}));
  const int32_t n = std::min(d.nData, held - 1);
  for (int32_t i = 1; i <= n; ++i) {
    const double x = d.xData[i], y = d.yData[i];
    if (!(d.xMin <= x && x <= d.xMax && d.yMin <= y && y <= d.yMax)) continue;
    const Rgb colour = PointColour(d, d.zData[i]);
    const double px = PageX(page, d, x), py = PageY(page, d, y);
    if (page.filledBoxes) {
      t.FillBox(px - half, py - half, s, s, colour);
    } else {
      PenScope pen(t, Pen{page.pointPenWidth, colour});
      BrushScope brush(t, colour);
      const auto square = Corners(px - half, py - half, s, s);
      t.Polygon(square);
    }
  }
  return true;
}

const char* MeterMask(double v) {
  const double a = std::fabs(v);
  if (a >= 10000) return "##00000";
  if (a >= 1000) return "0000.0";
  if (a >= 100) return "000.00";
  if (a >= 10) return "00.000";
  if (a >= 1) return "0.0000";
  if (a >= 0.1) return "0.00000";
  return "";
}

std::string MeterText(double v) {
  const char* mask = MeterMask(v);
  return *mask ? core::FormatMask(v, mask) : core::FormatGeneral(v);
}

void RGBht(const PageLayout& page, const core::DataState& d, const PlotControls& c,
           const TextArg& a, Target& t) {
  const double barLeft = page.plotRight + page.meterGap;
  const double barBottom = page.plotBottom - 10;
  const double barHeight = page.plotBottom - page.plotTop - 20;
  const double barTop = barBottom - barHeight;
  const double bandHeight = barHeight / kBands;

  double y = barTop;
  for (int b = 1; b <= kBands; ++b) {
    const Rgb colour = BandColour(b);
    if (page.filledBoxes) {
      t.FillBox(barLeft, y, kBarWidth, bandHeight, colour);
    } else {
      PenScope pen(t, Pen{page.bandPenWidth, colour});
      BrushScope brush(t, colour);
      const auto band = Corners(barLeft, y, kBarWidth, bandHeight);
      t.Polygon(band);
    }
    y = y + bandHeight;
  }
  if (page.meterOutlineWidth > 0) {
    PenScope pen(t, Pen{page.meterOutlineWidth, kBlack});
    const PagePoint outline[] = {{barLeft, barBottom},
                                 {barLeft + kBarWidth, barBottom},
                                 {barLeft + kBarWidth, barTop},
                                 {barLeft, barTop},
                                 {barLeft, barBottom}};
    t.Polyline(outline);
  }

  FontScope font(t, PlotFont(page, a.charW, 0));
  TextPenScope pen(t, page.meterTextPenWidth);
  const double textH = TextHeightOf(page, a, t, "Bottom");
  const bool manual = c.meterMode != core::ColourMode::Auto;
  const std::string bottom = manual ? MeterText(d.zBottom) : "Bottom";
  t.TextOut(barLeft + kBarWidth / 2 - t.TextExtent(bottom).cx / 2, barBottom + textH / 4, bottom);
  const std::string top = manual ? MeterText(d.zTop) : "Top";
  t.TextOut(barLeft + kBarWidth / 2 - t.TextExtent(top).cx / 2, barTop - 1.3 * textH, top);
}

std::string ZLabelOf(const core::DataState& d) {
  return "Bottom =" + core::FormatMask(d.zMin, "######0.0#####") +
         ",  Top =" + core::FormatMask(d.zMax, "######0.0#####");
}

std::string ZlbDrw(const PageLayout& page, const core::DataState& d, const TextArg& a, Target& t) {
  const std::string zLabel = ZLabelOf(d);
  FontScope font(t, PlotFont(page, a.charW, 0));
  TextPenScope pen(t, page.textPenWidth);
  const double textH = TextHeightOf(page, a, t, zLabel);
  t.TextOut(page.plotLeft, page.plotTop - 1.5 * textH, zLabel);
  return zLabel;
}

}  // namespace render
