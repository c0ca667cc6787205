#include "render/metafile_target.h"

#include "render/clip.h"
#include "render/tee_target.h"

namespace render {

namespace {

WmfColour ToWmf(Rgb c) { return {c.r, c.g, c.b}; }

}  // namespace

MetafileTarget::MetafileTarget(const PageLayout& page, ScreenTextMeasurer& screen)
    : page_(page), screen_(screen) {
  // Transparent text keeps the bands and squares under a label visible.
  recorder_.SetBkMode(kBkTransparent);
  recorder_.SetWindowOrg(0, 0);
  recorder_.SetWindowExt(page_.metaExtX, page_.metaExtY);
}

std::vector<WmfPoint> MetafileTarget::ToWmf(std::span<const PagePoint> points) const {
  std::vector<WmfPoint> out;
  out.reserve(points.size());
  for (const PagePoint& p : points)
    out.push_back({WmfCoord(p.x * page_.unitPerMmX), WmfCoord(p.y * page_.unitPerMmY)});
  return out;
}

void MetafileTarget::Release(std::vector<int>& stack) {
  if (stack.empty()) return;
  const int handle = stack.back();
  stack.pop_back();
  if (!stack.empty()) recorder_.Select(stack.back());  // the one selected before
  recorder_.Delete(handle);
}

void MetafileTarget::SelectPen(const Pen& pen) {
  const int h = recorder_.CreatePen(kPenSolid, pen.width, render::ToWmf(pen.colour));
  recorder_.Select(h);
  pens_.push_back(h);
}

void MetafileTarget::ReleasePen() { Release(pens_); }

void MetafileTarget::SelectBrush(Rgb colour) {
  const int h = recorder_.CreateBrush(render::ToWmf(colour));
  recorder_.Select(h);
  brushes_.push_back(h);
}

void MetafileTarget::ReleaseBrush() { Release(brushes_); }

void MetafileTarget::SelectFont(const Font& font) {
  const int h = recorder_.CreateFont(font.height, font.width, font.escapement, font.weight,
                                     ToShiftJisFaceName(font.face), font.charSet);
  recorder_.Select(h);
  fonts_.push_back(h);
  fontSpecs_.push_back(font);
}

void MetafileTarget::ReleaseFont() {
  Release(fonts_);
  if (!fontSpecs_.empty()) fontSpecs_.pop_back();
}

void MetafileTarget::Polyline(std::span<const PagePoint> points) {
  // A line with an end beyond the 16-bit range (an overlay segment far off
  // the page) is cut along its own line, so the part drawn keeps its direction.
  std::vector<DevicePoint> device;
  device.reserve(points.size());
  for (const PagePoint& p : points)
    device.push_back({p.x * page_.unitPerMmX, p.y * page_.unitPerMmY});
  for (const auto& run : ClipPolyline(device, -32768, 32767)) {
    std::vector<WmfPoint> pts;
    pts.reserve(run.size());
    for (const DevicePoint& p : run) pts.push_back({WmfCoord(p.x), WmfCoord(p.y)});
    recorder_.Polyline(pts);
  }
}

void MetafileTarget::Polygon(std::span<const PagePoint> points) {
  recorder_.Polygon(ToWmf(points));
}

void MetafileTarget::FillBox(double x, double y, double width, double height, Rgb colour) {
  PenScope pen(*this, Pen{1, colour});
  BrushScope brush(*this, colour);
  const PagePoint box[] = {{x, y}, {x + width, y}, {x + width, y + height}, {x, y + height}};
  Polygon(box);
}

void MetafileTarget::InvertRectangle(double, double, double, double) {}

void MetafileTarget::TextOut(double x, double y, const std::string& text) {
  recorder_.TextOut(WmfCoord(x * page_.unitPerMmX), WmfCoord(y * page_.unitPerMmY), text);
}

TextSize MetafileTarget::TextExtent(const std::string& text) {
  if (fontSpecs_.empty()) return {};
  const TextSize px = screen_.MeasurePixels(fontSpecs_.back(), text);
  return {px.cx / page_.pxPerMmX, px.cy / page_.pxPerMmY};
}

MetafileExport RecordMetafile(const ScreenMetrics& screen, const core::DataState& d,
                              const core::LineSet& lines, const PlotControls& c,
                              ScreenTextMeasurer& measure, Target* alsoOn) {
  MetafileExport out;
  out.page = MetaScl(screen);
  MetafileTarget target(out.page, measure);
  if (alsoOn) {
    TeeTarget both(target, *alsoOn);
    MetaPlot(out.page, d, lines, c, both);
  } else {
    MetaPlot(out.page, d, lines, c, target);
  }
  out.metafile = target.Finish();
  out.mfPict = MfPictRecord(kMmAnisotropic, out.page.metaExtX, out.page.metaExtY);
  return out;
}

std::vector<uint8_t> PlaceableMetafile(const MetafileExport& e) {
  return WithPlaceableHeader(e.metafile, static_cast<int16_t>(e.page.metaExtX),
                             static_cast<int16_t>(e.page.metaExtY), 1440);
}

}  // namespace render
