// The drawing target of the screen picture and of the printer: render's
// calls painted with a QPainter in device pixels (page mm × units per mm,
// rounded half to even).
#pragma once

#include <QFont>
#include <QPainter>
#include <vector>

#include "render/target.h"

namespace platform {

class PainterTarget : public render::Target {
 public:
  // `painter` is active on `device`; pixels per mm of that device.
  PainterTarget(QPainter& painter, const QPaintDevice* device, double unitPerMmX,
                double unitPerMmY);

  void SelectPen(const render::Pen& pen) override;
  void ReleasePen() override;
  void SelectBrush(render::Rgb colour) override;
  void ReleaseBrush() override;
  void SelectFont(const render::Font& font) override;
  void ReleaseFont() override;
  void Polyline(std::span<const render::PagePoint> points) override;
  void Polygon(std::span<const render::PagePoint> points) override;
  void FillBox(double x, double y, double width, double height, render::Rgb colour) override;
  void InvertRectangle(double x1, double y1, double x2, double y2) override;
  void TextOut(double x, double y, const std::string& text) override;
  render::TextSize TextExtent(const std::string& text) override;

 private:
  QPoint Device(const render::PagePoint& p) const;
  QPolygon DevicePolygon(std::span<const render::PagePoint> points) const;
  void ApplyPen();

  QPainter& painter_;
  const QPaintDevice* device_;
  double unitX_, unitY_;
  std::vector<render::Pen> pens_;
  std::vector<render::Rgb> brushes_;
  struct SelectedFont {
    QFont font;
    int escapement;
  };
  std::vector<SelectedFont> fonts_;
};

// Largest pixel coordinate handed to the painter.
inline constexpr int32_t kPainterLimit = 1 << 22;

}  // namespace platform
