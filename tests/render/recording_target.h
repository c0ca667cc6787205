// A drawing target for tests that logs every call in page mm and measures
// text with a fixed-pitch rule: each byte is the font's width wide and the
// text is the font's height high, in the page's device units.
#pragma once

#include <string>
#include <vector>

#include "render/page_layout.h"
#include "render/target.h"

namespace testing_support {

struct Call {
  enum Kind {
    SelectPen,
    ReleasePen,
    SelectBrush,
    ReleaseBrush,
    SelectFont,
    ReleaseFont,
    Polyline,
    Polygon,
    FillBox,
    InvertRectangle,
    TextOut
  } kind;
  render::Pen pen{};
  render::Rgb colour{};
  render::Font font{};
  std::vector<render::PagePoint>
      points{};        // Polyline, Polygon; FillBox and InvertRectangle: 2 corners
  std::string text{};  // TextOut at points[0]
};

class RecordingTarget : public render::Target {
 public:
  explicit RecordingTarget(const render::PageLayout& page) : page_(page) {}

  void SelectPen(const render::Pen& pen) override { Log(Call::SelectPen).pen = pen; }
  void ReleasePen() override { Log(Call::ReleasePen); }
  void SelectBrush(render::Rgb c) override { Log(Call::SelectBrush).colour = c; }
  void ReleaseBrush() override { Log(Call::ReleaseBrush); }
  void SelectFont(const render::Font& f) override {
    fonts_.push_back(f);
    Log(Call::SelectFont).font = f;
  }
  void ReleaseFont() override {
    fonts_.pop_back();
    Log(Call::ReleaseFont);
  }
  void Polyline(std::span<const render::PagePoint> p) override {
    Log(Call::Polyline).points.assign(p.begin(), p.end());
  }
  void Polygon(std::span<const render::PagePoint> p) override {
    Log(Call::Polygon).points.assign(p.begin(), p.end());
  }
  void FillBox(double x, double y, double w, double h, render::Rgb c) override {
    Call& call = Log(Call::FillBox);
    call.colour = c;
    call.points = {{x, y}, {x + w, y + h}};
  }
  void InvertRectangle(double x1, double y1, double x2, double y2) override {
    Log(Call::InvertRectangle).points = {{x1, y1}, {x2, y2}};
  }
  void TextOut(double x, double y, const std::string& text) override {
    Call& call = Log(Call::TextOut);
    call.points = {{x, y}};
    call.text = text;
    if (!fonts_.empty()) call.font = fonts_.back();
  }
  render::TextSize TextExtent(const std::string& text) override {
    if (fonts_.empty()) return {};
    const render::Font& f = fonts_.back();
    return {static_cast<double>(text.size()) * f.width / page_.unitPerMmX,
            f.height / page_.unitPerMmY};
  }

  std::vector<Call> calls;

  // The calls of one kind, in order.
  std::vector<Call> Of(Call::Kind kind) const {
    std::vector<Call> out;
    for (const Call& c : calls)
      if (c.kind == kind) out.push_back(c);
    return out;
  }
  // The TextOut call of `text`; fails the test when there is none.
  const Call* Text(const std::string& text) const {
    for (const Call& c : calls)
      if (c.kind == Call::TextOut && c.text == text) return &c;
    return nullptr;
  }

 private:
  // A new call of `kind` at the end of the log, its details to be filled in.
  Call& Log(Call::Kind kind) { return calls.emplace_back(Call{kind}); }
  render::PageLayout page_;
  std::vector<render::Font> fonts_;
};

}  // namespace testing_support
