// FrmDrw, LinDrw, ijFrmDrw and Header on any target, and the drawing
// sequences of the screen, the printed page and the metafile.
#include <cmath>
#include <optional>

#include "core/numbers.h"
#include "render/plot.h"
#include "render/text_pen.h"

namespace render {

namespace {

// Largest header font height; a bigger size is not printed.
constexpr double kMaxHeaderHeight = 10000;  // printer pixels

}  // namespace

void FrmDrw(const PageLayout& page, const core::DataState& d, const PlotControls& c, Target& t) {
  const TextArg numbers = NumbersSize(page);
  const TextArg labels = LabelsSize(page);
  {
    PenScope pen(t, Pen{page.framePenWidth, kBlack});
    const PagePoint frame[] = {{page.plotLeft, page.plotTop},
                               {page.plotRight, page.plotTop},
                               {page.plotRight, page.plotBottom},
                               {page.plotLeft, page.plotBottom},
                               {page.plotLeft, page.plotTop}};
    t.Polyline(frame);
  }
  XnbDrw(page, d, c.format, numbers, t);
  XlbDrw(page, labels, t);
  YnbDrw(page, d, c.format, numbers, t);
  YlbDrw(page, labels, t);
  ZlbDrw(page, d, numbers, t);
  RGBht(page, d, c, numbers, t);
}

void PrnFrmDrw(const PageLayout& page, const core::DataState& d, const PlotControls& c, Target& t) {
  FrmDrw(page, d, c, t);
  if (!c.headerText.empty()) Header(c, t);
}

void LinDrw(const PageLayout& page, const core::DataState& d, const core::LineSet& lines,
            Target& t) {
  if (lines.nLines <= 0) return;
  PenScope pen(t, Pen{page.linePenWidth, kBlack});
  const int32_t n = std::min(lines.nLines, core::kMaxLines);
  for (int32_t i = 1; i <= n; ++i) {
    const PagePoint segment[] = {
        {PageX(page, d, lines.lineX1[i]), PageY(page, d, lines.lineY1[i])},
        {PageX(page, d, lines.lineX2[i]), PageY(page, d, lines.lineY2[i])}};
    t.Polyline(segment);
  }
}

bool ijFrmDrw(const PageLayout& page, const core::RegionTexts& box, core::DataState& d,
              RegionFrame& frame, Target& t) {
  const auto x21 = core::ParseNumber(box.text21), x23 = core::ParseNumber(box.text23);
  const auto y22 = core::ParseNumber(box.text22), y24 = core::ParseNumber(box.text24);
  if (!x21 || !x23 || !y22 || !y24) return false;
  // Which corner comes first is decided on the values at single precision.
  const bool xUp = core::ToSingle(*x23) > core::ToSingle(*x21);
  const bool yUp = core::ToSingle(*y24) > core::ToSingle(*y22);
  d.gridX1 = xUp ? *x21 : *x23;
  d.gridX2 = xUp ? *x23 : *x21;
  d.gridY1 = yUp ? *y22 : *y24;
  d.gridY2 = yUp ? *y24 : *y22;
  frame.frameX1 = core::ToSingle(PageX(page, d, d.gridX1));
  frame.frameX2 = core::ToSingle(PageX(page, d, d.gridX2));
  frame.frameY1 = core::ToSingle(PageY(page, d, d.gridY1));
  frame.frameY2 = core::ToSingle(PageY(page, d, d.gridY2));
  t.InvertRectangle(frame.frameX1, frame.frameY1, frame.frameX2, frame.frameY2);
  return true;
}

namespace {

// The header's font for the size typed into Combo4, or nothing when the size
// is not a usable number.
std::optional<Font> HeaderFont(const PlotControls& c) {
  const auto size = core::ParseNumber(c.headerSizeText);
  if (!size || !(*size > 0) || 1.5 * *size * 6 > kMaxHeaderHeight) return std::nullopt;
  const double w = *size * 6;  // printer pixels, no screen-ratio scaling
  Font f;
  f.width = static_cast<int>(core::RoundHalfEven(w));
  f.height = static_cast<int>(core::RoundHalfEven(1.5 * w));
  if (f.width < 1 || f.height < 1) return std::nullopt;
  f.face = c.headerFace;
  f.screenWidth = f.width;
  f.screenHeight = f.height;
  return f;
}

}  // namespace

bool HeaderSizeUsable(const PlotControls& c) { return HeaderFont(c).has_value(); }

bool Header(const PlotControls& c, Target& t) {
  const std::optional<Font> f = HeaderFont(c);
  if (!f) return false;
  FontScope font(t, *f);
  const double width = t.TextExtent(c.headerText).cx;
  // The page is taken as 210 mm wide from the printable origin.
  double x = 10;
  if (c.headerAlign == HeaderAlign::Centre) x = 105 - width / 2;
  if (c.headerAlign == HeaderAlign::Right) x = 200 - width;
  PenScope pen(t, Pen{1, kBlack});
  t.TextOut(x, 10, c.headerText);
  return true;
}

void DrawScreenPlot(const PageLayout& page, core::DataState& d, const core::LineSet& lines,
                    const PlotControls& c, const core::RegionTexts& box, RegionFrame& frame,
                    Target& t) {
  PntDrw(page, d, c, t);
  FrmDrw(page, d, c, t);
  if (c.linesOn) LinDrw(page, d, lines, t);
  ijFrmDrw(page, box, d, frame, t);
}

void PrintPlot(const PageLayout& page, const core::DataState& d, const core::LineSet& lines,
               const PlotControls& c, Target& t) {
  PrnPntDrw(page, d, c, t);
  PrnFrmDrw(page, d, c, t);
  if (c.linesOn) PrnLinDrw(page, d, lines, t);
}

void MetaPlot(const PageLayout& page, const core::DataState& d, const core::LineSet& lines,
              const PlotControls& c, Target& t) {
  MetaPntDrw(page, d, c, t);
  MetaFrmDrw(page, d, c, t);
  if (c.linesOn) MetaLinDrw(page, d, lines, t);
}

}  // namespace render
