#include "render/page_layout.h"

#include <cmath>

#include "core/numbers.h"
#include "render/target.h"

namespace render {

namespace {

struct SizeRow {
  PlotSize size;
  const char* caption;
  const char* stored;  // what the size button stores when it switches to this size
  double side;
  int32_t text12Width, text4Width;
};

constexpr SizeRow kSizes[] = {
    {PlotSize::A, "サイズ Ａ", "a", 130, 4885, 5600},
    {PlotSize::B, "サイズ Ｂ", "b", 120, 4320, 5040},
    {PlotSize::C, "サイズ Ｃ", "c", 110, 3760, 4490},
};

const SizeRow& RowOf(PlotSize size) { return kSizes[static_cast<int>(size)]; }

// A linear map from lo..hi onto a..b; a range of zero width (or not a
// number) maps everything to the middle of a..b.
double MapAxis(double v, double lo, double hi, double a, double b) {
  const double range = hi - lo;
  if (!(range != 0) || !std::isfinite(range)) return (a + b) / 2;
  return a + (b - a) / range * (v - lo);
}

}  // namespace

std::optional<PlotSize> PlotSizeFromCaption(std::string_view caption) {
  for (const auto& r : kSizes)
    if (caption == r.caption) return r.size;
  return std::nullopt;
}

const char* CaptionOf(PlotSize size) { return RowOf(size).caption; }

PlotSize NextPlotSize(PlotSize size) {
  return size == PlotSize::A ? PlotSize::B : size == PlotSize::B ? PlotSize::C : PlotSize::A;
}

const char* StoredLetter(PlotSize size) { return RowOf(size).stored; }

std::optional<PlotSize> PlotSizeFromStored(std::string_view letter) {
  if (letter == "0") return PlotSize::A;
  for (const auto& r : kSizes)
    if (letter == r.stored) return r.size;
  return std::nullopt;
}

SizeInfo InfoOf(PlotSize size) {
  const SizeRow& r = RowOf(size);
  return {r.side, core::ToSingle(r.side / 110), r.text12Width, r.text4Width};
}

PageLayout Scl(PlotSize size, const ScreenMetrics& screen) {
  const SizeInfo info = InfoOf(size);
  PageLayout p;
  p.kind = TargetKind::Screen;
  p.plotLeft = 20;
  p.plotTop = 5;
  p.plotRight = p.plotLeft + info.side;
  p.plotBottom = p.plotTop + info.side;
  p.sizeFactor = info.sizeFactor;
  p.pxPerMmX = kTwipsPerMm / screen.twipsPerPixelX;
  p.pxPerMmY = kTwipsPerMm / screen.twipsPerPixelY;
  // The picture area is scaled in mm; its pixels are the device units.
  p.unitPerMmX = p.pxPerMmX;
  p.unitPerMmY = p.pxPerMmY;
  p.numbersCharW = 6 * p.sizeFactor;
  p.labelsCharW = 12 * p.sizeFactor;
  return p;  // the rest of the profile is the screen's default
}

PageLayout MetaScl(const ScreenMetrics& screen) {
  PageLayout p;
  p.kind = TargetKind::Metafile;
  // Always the 130 mm plot, whatever the screen size.
  p.plotRight = 150;
  p.plotBottom = 135;
  p.plotLeft = 20;
  p.plotTop = 5;
  p.pxPerMmX = kTwipsPerMm / screen.twipsPerPixelX;
  p.pxPerMmY = kTwipsPerMm / screen.twipsPerPixelY;
  p.pxRatioX = screen.twipsPerPixelX;
  p.pxRatioY = screen.twipsPerPixelY;
  p.unitPerMmX = p.unitPerMmY = kTwipsPerMm;  // the metafile's unit is the twip
  p.metaExtX = DeviceCoord(p.plotRight + 15, p.unitPerMmX, 32767);
  p.metaExtY = DeviceCoord(p.plotBottom + 10, p.unitPerMmY, 32767);
  p.numbersCharW = 6;
  p.labelsCharW = 12;
  p.filledBoxes = false;
  p.pointPenWidth = 2;
  p.bandPenWidth = 8;
  p.meterGap = 4;
  p.meterOutlineWidth = 0;
  p.framePenWidth = 16;
  p.linePenWidth = 16;
  p.textPenWidth = 1;
  p.meterTextPenWidth = 1;
  p.deviceLimit = 32767;  // metafile points are 16-bit
  return p;
}

PageLayout PrnScl(const ScreenMetrics& screen, double printerTwipsPerPixelX,
                  double printerTwipsPerPixelY) {
  PageLayout p;
  p.kind = TargetKind::Printer;
  p.plotLeft = p.plotTop = 30;
  p.plotRight = p.plotBottom = 180;
  p.pxPerMmX = kTwipsPerMm / screen.twipsPerPixelX;
  p.pxPerMmY = kTwipsPerMm / screen.twipsPerPixelY;
  p.pxRatioX = screen.twipsPerPixelX / printerTwipsPerPixelX;
  p.pxRatioY = screen.twipsPerPixelY / printerTwipsPerPixelY;
  p.unitPerMmX = kTwipsPerMm / printerTwipsPerPixelX;
  p.unitPerMmY = kTwipsPerMm / printerTwipsPerPixelY;
  p.numbersCharW = 8;
  p.labelsCharW = 16;
  p.measuresTextHeight = true;
  p.filledBoxes = false;
  p.pointPenWidth = 2;
  p.bandPenWidth = 2;
  p.meterGap = 6;
  p.meterOutlineWidth = 2;
  p.framePenWidth = 4;
  p.linePenWidth = 4;
  p.textPenWidth = 1;
  p.meterTextPenWidth = 2;
  return p;
}

PageExtent WindowFit(const PageLayout& page) { return {page.plotRight + 16, page.plotBottom + 10}; }

double PageX(const PageLayout& page, const core::DataState& d, double x) {
  return MapAxis(x, d.xMin, d.xMax, page.plotLeft, page.plotRight);
}

double PageY(const PageLayout& page, const core::DataState& d, double y) {
  return MapAxis(y, d.yMin, d.yMax, page.plotBottom, page.plotTop);
}

}  // namespace render
