// XnbDrw, YnbDrw, XlbDrw and YlbDrw on any target, and the plot font.
#include <cmath>

#include "core/numbers.h"
#include "render/plot.h"
#include "render/text_pen.h"

namespace render {

namespace {

constexpr const char* kXLabel = "x-axis";
constexpr const char* kYLabel = "y-axis";

int RoundedSize(double v) {
  const double r = core::RoundHalfEven(v);
  return std::isfinite(r) && r > 0 && r < 100000 ? static_cast<int>(r) : 1;
}

}  // namespace

TextArg NumbersSize(const PageLayout& page) {
  return {page.numbersCharW, page.numbersCharW * 1.5 * page.pxRatioY / page.unitPerMmY};
}

TextArg LabelsSize(const PageLayout& page) {
  return {page.labelsCharW, page.labelsCharW * 1.5 * page.pxRatioY / page.unitPerMmY};
}

Font PlotFont(const PageLayout& page, double charW, int escapement) {
  Font f;
  f.height = RoundedSize(1.5 * charW * page.pxRatioY);
  f.width = RoundedSize(charW * page.pxRatioX);
  f.escapement = escapement;
  f.face = page.fontName;
  f.screenHeight = RoundedSize(1.5 * charW);
  f.screenWidth = RoundedSize(charW);
  return f;
}

const char* AxisMask(core::Format format, double v) {
  if (format != core::Format::NXyz && format != core::Format::Xyz) return "######0";
  const double a = std::fabs(v);
  if (a > 1000) return "######0";
  if (a > 100) return "#####0.0";
  if (a > 10) return "####0.00";
  if (a > 1) return "###0.000";
  if (a > 0.1) return "##0.0000";
  if (a > 0.01) return "#0.00000";
  return "0.000000";
}

void XnbDrw(const PageLayout& page, const core::DataState& d, core::Format format, const TextArg& a,
            Target& t) {
  const std::string lo = core::FormatMask(d.xMin, AxisMask(format, d.xMin));
  const std::string hi = core::FormatMask(d.xMax, AxisMask(format, d.xMax));
  FontScope font(t, PlotFont(page, a.charW, 0));
  TextPenScope pen(t, page.textPenWidth);
  const TextSize loSize = t.TextExtent(lo);
  const double textH = page.measuresTextHeight ? loSize.cy : a.textH;
  t.TextOut(page.plotLeft - loSize.cx / 2, page.plotBottom + textH / 2, lo);
  t.TextOut(page.plotRight - t.TextExtent(hi).cx / 2, page.plotBottom + textH / 2, hi);
}

void YnbDrw(const PageLayout& page, const core::DataState& d, core::Format format, const TextArg& a,
            Target& t) {
  const std::string lo = core::FormatMask(d.yMin, AxisMask(format, d.yMin));
  const std::string hi = core::FormatMask(d.yMax, AxisMask(format, d.yMax));
  FontScope font(t, PlotFont(page, a.charW, 0));
  TextPenScope pen(t, page.textPenWidth);
  const TextSize loSize = t.TextExtent(lo);
  const double textH = page.measuresTextHeight ? loSize.cy : a.textH;
  const double digit = t.TextExtent("0").cx;
  t.TextOut(page.plotLeft - loSize.cx - digit, page.plotBottom - textH / 2, lo);
  t.TextOut(page.plotLeft - t.TextExtent(hi).cx - digit, page.plotTop - textH / 2, hi);
}

void XlbDrw(const PageLayout& page, const TextArg& a, Target& t) {
  const std::string label = kXLabel;
  FontScope font(t, PlotFont(page, a.charW, 0));
  TextPenScope pen(t, page.textPenWidth);
  const TextSize size = t.TextExtent(label);
  const double textH = page.measuresTextHeight ? size.cy : a.textH;
  t.TextOut((page.plotRight + page.plotLeft) / 2 - size.cx / 2, page.plotBottom + 0.4 * textH,
            label);
}

void YlbDrw(const PageLayout& page, const TextArg& a, Target& t) {
  const std::string label = kYLabel;
  FontScope font(t, PlotFont(page, a.charW, 900));
  TextPenScope pen(t, page.textPenWidth);
  const TextSize size = t.TextExtent(label);
  const double textH = page.measuresTextHeight ? size.cy : a.textH;
  t.TextOut(page.plotLeft - 1.7 * textH, (page.plotBottom + page.plotTop) / 2 + size.cx / 2, label);
}

}  // namespace render
