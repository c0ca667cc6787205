// The drawing interface every plot procedure draws on (render/plot.h): pens,
// brushes and fonts held by scopes, polylines, polygons, filled boxes, text
// output and text measurement, and the invert-mode rectangle of the screen.
// Positions are page millimetres (origin at the page's top-left corner, y
// downwards); each target turns them into its own device units.
#pragma once

#include <cstdint>
#include <span>
#include <string>

namespace render {

struct Rgb {
  uint8_t r = 0, g = 0, b = 0;
  friend bool operator==(const Rgb&, const Rgb&) = default;
};
inline constexpr Rgb kBlack{0, 0, 0};

struct PagePoint {
  double x = 0, y = 0;  // page mm
};

// A solid pen; width in the target's device units (screen pixels, twips,
// printer pixels).
struct Pen {
  int width = 1;
  Rgb colour = kBlack;
};

// A font as the text procedures create it: cell height and average character
// width in the target's device units, escapement in tenths of a degree
// counter-clockwise, weight 500, the default character set. screenHeight and
// screenWidth give the same font on the screen picture, in screen pixels: a
// target that measures its text on the screen (the metafile) uses them.
struct Font {
  int height = 0;
  int width = 0;
  int escapement = 0;
  int weight = 500;
  int charSet = 1;
  std::string face;
  int screenHeight = 0;
  int screenWidth = 0;
};

// Width and height of a text with the selected font, in page mm.
struct TextSize {
  double cx = 0, cy = 0;
};

class Target {
 public:
  virtual ~Target() = default;

  // Creates the pen (brush, font) and selects it; Release… selects back what
  // was selected before and deletes it. Use the scopes below.
  virtual void SelectPen(const Pen& pen) = 0;
  virtual void ReleasePen() = 0;
  virtual void SelectBrush(Rgb colour) = 0;
  virtual void ReleaseBrush() = 0;
  virtual void SelectFont(const Font& font) = 0;
  virtual void ReleaseFont() = 0;

  // Joined segments through the points, with the selected pen.
  virtual void Polyline(std::span<const PagePoint> points) = 0;
  // A closed shape outlined with the selected pen, filled with the selected brush.
  virtual void Polygon(std::span<const PagePoint> points) = 0;
  // A box filled with `colour`, edges included, without an outline pen (the
  // screen picture's filled box); x, y the top-left corner.
  virtual void FillBox(double x, double y, double width, double height, Rgb colour) = 0;
  // Outline one device unit wide whose every pixel is inverted, so that
  // drawing the same rectangle twice restores the picture (screen only).
  virtual void InvertRectangle(double x1, double y1, double x2, double y2) = 0;
  // Text in the selected font with its top-left reference point at (x, y);
  // with an escapement the text turns about that point.
  virtual void TextOut(double x, double y, const std::string& text) = 0;
  // Extent of `text` as this target measures it with the selected font.
  virtual TextSize TextExtent(const std::string& text) = 0;
};

// Device coordinate of a page length: mm × units per mm, rounded half to
// even, and kept inside ±limit. A value that is not a number gives 0, so that
// no garbage reaches an integer coordinate.
int32_t DeviceCoord(double mm, double unitPerMm, int32_t limit);

class PenScope {
 public:
  PenScope(Target& t, const Pen& pen) : t_(t) { t_.SelectPen(pen); }
  ~PenScope() { t_.ReleasePen(); }
  PenScope(const PenScope&) = delete;
  PenScope& operator=(const PenScope&) = delete;

 private:
  Target& t_;
};

class BrushScope {
 public:
  BrushScope(Target& t, Rgb colour) : t_(t) { t_.SelectBrush(colour); }
  ~BrushScope() { t_.ReleaseBrush(); }
  BrushScope(const BrushScope&) = delete;
  BrushScope& operator=(const BrushScope&) = delete;

 private:
  Target& t_;
};

class FontScope {
 public:
  FontScope(Target& t, const Font& font) : t_(t) { t_.SelectFont(font); }
  ~FontScope() { t_.ReleaseFont(); }
  FontScope(const FontScope&) = delete;
  FontScope& operator=(const FontScope&) = delete;

 private:
  Target& t_;
};

}  // namespace render
