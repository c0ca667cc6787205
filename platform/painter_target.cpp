#include "platform/painter_target.h"

#include <QFontMetricsF>
#include <QPolygon>
#include <QString>
#include <algorithm>

#include "platform/plot_fonts.h"
#include "render/clip.h"

namespace platform {

namespace {

QColor ToQColor(render::Rgb c) { return QColor(c.r, c.g, c.b); }

}  // namespace

PainterTarget::PainterTarget(QPainter& painter, const QPaintDevice* device, double unitPerMmX,
                             double unitPerMmY)
    : painter_(painter), device_(device), unitX_(unitPerMmX), unitY_(unitPerMmY) {
  painter_.setRenderHint(QPainter::Antialiasing, false);
  painter_.setBackgroundMode(Qt::TransparentMode);
  ApplyPen();
  painter_.setBrush(Qt::NoBrush);
}

QPoint PainterTarget::Device(const render::PagePoint& p) const {
  return {render::DeviceCoord(p.x, unitX_, kPainterLimit),
          render::DeviceCoord(p.y, unitY_, kPainterLimit)};
}

QPolygon PainterTarget::DevicePolygon(std::span<const render::PagePoint> points) const {
  QPolygon poly;
  poly.reserve(static_cast<int>(points.size()));
  for (const auto& p : points) poly << Device(p);
  return poly;
}

void PainterTarget::ApplyPen() {
  const render::Pen pen = pens_.empty() ? render::Pen{1, render::kBlack} : pens_.back();
  QPen q(ToQColor(pen.colour));
  q.setWidth(std::max(1, pen.width));
  q.setStyle(Qt::SolidLine);
  q.setCapStyle(Qt::RoundCap);
  q.setJoinStyle(Qt::RoundJoin);
  painter_.setPen(q);
}

void PainterTarget::SelectPen(const render::Pen& pen) {
  pens_.push_back(pen);
  ApplyPen();
}

void PainterTarget::ReleasePen() {
  if (!pens_.empty()) pens_.pop_back();
  ApplyPen();
}

void PainterTarget::SelectBrush(render::Rgb colour) {
  brushes_.push_back(colour);
  painter_.setBrush(ToQColor(colour));
}

void PainterTarget::ReleaseBrush() {
  if (!brushes_.empty()) brushes_.pop_back();
  if (brushes_.empty())
    painter_.setBrush(Qt::NoBrush);
  else
    painter_.setBrush(ToQColor(brushes_.back()));
}

void PainterTarget::SelectFont(const render::Font& font) {
  fonts_.push_back({ToQFont(font, device_), font.escapement});
}

void PainterTarget::ReleaseFont() {
  if (!fonts_.empty()) fonts_.pop_back();
}

void PainterTarget::Polyline(std::span<const render::PagePoint> points) {
  // Cut to the coordinates the painter is given along the line itself, so a
  // segment with a far end keeps its direction.
  std::vector<render::DevicePoint> device;
  device.reserve(points.size());
  for (const auto& p : points) device.push_back({p.x * unitX_, p.y * unitY_});
  for (const auto& run : render::ClipPolyline(device, -kPainterLimit, kPainterLimit)) {
    QPolygon poly;
    poly.reserve(static_cast<int>(run.size()));
    for (const auto& p : run)
      poly << QPoint(render::DeviceCoord(p.x, 1, kPainterLimit),
                     render::DeviceCoord(p.y, 1, kPainterLimit));
    painter_.drawPolyline(poly);
  }
}

void PainterTarget::Polygon(std::span<const render::PagePoint> points) {
  if (points.empty()) return;
  painter_.drawPolygon(DevicePolygon(points));
}

void PainterTarget::FillBox(double x, double y, double width, double height, render::Rgb colour) {
  // Both edges belong to the box, so even a box thinner than a pixel shows.
  const QPoint a = Device({x, y}), b = Device({x + width, y + height});
  painter_.fillRect(QRect(QPoint(std::min(a.x(), b.x()), std::min(a.y(), b.y())),
                          QPoint(std::max(a.x(), b.x()), std::max(a.y(), b.y()))),
                    ToQColor(colour));
}

void PainterTarget::InvertRectangle(double x1, double y1, double x2, double y2) {
  const QPoint a = Device({x1, y1}), b = Device({x2, y2});
  const int left = std::min(a.x(), b.x()), right = std::max(a.x(), b.x());
  const int top = std::min(a.y(), b.y()), bottom = std::max(a.y(), b.y());
  // Every outline pixel is inverted exactly once (corners included), so a
  // second drawing restores the picture.
  painter_.save();
  painter_.setCompositionMode(QPainter::RasterOp_NotDestination);
  const QColor any(Qt::black);
  painter_.fillRect(QRect(left, top, right - left + 1, 1), any);
  if (bottom != top) painter_.fillRect(QRect(left, bottom, right - left + 1, 1), any);
  if (bottom - top > 1) {
    painter_.fillRect(QRect(left, top + 1, 1, bottom - top - 1), any);
    if (right != left) painter_.fillRect(QRect(right, top + 1, 1, bottom - top - 1), any);
  }
  painter_.restore();
}

void PainterTarget::TextOut(double x, double y, const std::string& text) {
  if (fonts_.empty()) return;
  const SelectedFont& f = fonts_.back();
  const QFontMetricsF fm(f.font, const_cast<QPaintDevice*>(device_));
  painter_.save();
  painter_.setFont(f.font);
  painter_.setPen(QPen(Qt::black));
  const QPoint at = Device({x, y});
  painter_.translate(at);
  if (f.escapement != 0) painter_.rotate(-f.escapement / 10.0);
  // The reference point is the top-left corner of the text's cell.
  painter_.drawText(QPointF(0, fm.ascent()), QString::fromUtf8(text.c_str()));
  painter_.restore();
}

render::TextSize PainterTarget::TextExtent(const std::string& text) {
  if (fonts_.empty()) return {};
  const QFontMetricsF fm(fonts_.back().font, const_cast<QPaintDevice*>(device_));
  return {fm.horizontalAdvance(QString::fromUtf8(text.c_str())) / unitX_, fm.height() / unitY_};
}

}  // namespace platform
