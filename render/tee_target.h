// A target that hands every drawing call to two targets, so one drawing
// sequence makes two outputs of the same plot (the metafile, and the same
// metafile page drawn elsewhere). Text is measured by the first target
// only, so both place every text where the first would.
#pragma once

#include "render/target.h"

namespace render {

class TeeTarget : public Target {
 public:
  TeeTarget(Target& first, Target& second) : first_(first), second_(second) {}

  void SelectPen(const Pen& pen) override { first_.SelectPen(pen), second_.SelectPen(pen); }
  void ReleasePen() override { first_.ReleasePen(), second_.ReleasePen(); }
  void SelectBrush(Rgb colour) override { first_.SelectBrush(colour), second_.SelectBrush(colour); }
  void ReleaseBrush() override { first_.ReleaseBrush(), second_.ReleaseBrush(); }
  void SelectFont(const Font& font) override { first_.SelectFont(font), second_.SelectFont(font); }
  void ReleaseFont() override { first_.ReleaseFont(), second_.ReleaseFont(); }
  void Polyline(std::span<const PagePoint> points) override {
    first_.Polyline(points), second_.Polyline(points);
  }
  void Polygon(std::span<const PagePoint> points) override {
    first_.Polygon(points), second_.Polygon(points);
  }
  void FillBox(double x, double y, double width, double height, Rgb colour) override {
    first_.FillBox(x, y, width, height, colour), second_.FillBox(x, y, width, height, colour);
  }
  void InvertRectangle(double x1, double y1, double x2, double y2) override {
    first_.InvertRectangle(x1, y1, x2, y2), second_.InvertRectangle(x1, y1, x2, y2);
  }
  void TextOut(double x, double y, const std::string& text) override {
    first_.TextOut(x, y, text), second_.TextOut(x, y, text);
  }
  TextSize TextExtent(const std::string& text) override { return first_.TextExtent(text); }

 private:
  Target& first_;
  Target& second_;
};

}  // namespace render
