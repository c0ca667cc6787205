// The metafile target: the drawing of MetaPntDrw, MetaFrmDrw and MetaLinDrw
// recorded as a standard Windows metafile in twips (render/wmf.h), and the
// metafile export of the MetaFile button (MetaScl … CloseMetaFile).
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "core/data_state.h"
#include "core/line_file.h"
#include "render/page_layout.h"
#include "render/plot.h"
#include "render/target.h"
#include "render/wmf.h"

namespace render {

// Measures text on the screen picture, where the metafile takes its text
// widths from: the extent in screen pixels of `text` in the font of
// font.screenWidth × font.screenHeight pixels.
class ScreenTextMeasurer {
 public:
  virtual ~ScreenTextMeasurer() = default;
  virtual TextSize MeasurePixels(const Font& font, const std::string& text) = 0;
};

class MetafileTarget : public Target {
 public:
  // Opens the recording: background mode (transparent), window origin (0, 0)
  // and window extent (metaExtX, metaExtY) of the MetaScl page.
  MetafileTarget(const PageLayout& page, ScreenTextMeasurer& screen);

  void SelectPen(const Pen& pen) override;
  void ReleasePen() override;
  void SelectBrush(Rgb colour) override;
  void ReleaseBrush() override;
  void SelectFont(const Font& font) override;
  void ReleaseFont() override;
  void Polyline(std::span<const PagePoint> points) override;
  void Polygon(std::span<const PagePoint> points) override;
  // A polygon of the box with a pen and a brush of its colour.
  void FillBox(double x, double y, double width, double height, Rgb colour) override;
  // The region frame is not part of a metafile: records nothing.
  void InvertRectangle(double x1, double y1, double x2, double y2) override;
  void TextOut(double x, double y, const std::string& text) override;
  // Measured on the screen with the font's screen size, in mm.
  TextSize TextExtent(const std::string& text) override;

  // The metafile bytes (header, records, end record): CloseMetaFile.
  std::vector<uint8_t> Finish() { return recorder_.Finish(); }

 private:
  std::vector<WmfPoint> ToWmf(std::span<const PagePoint> points) const;
  void Release(std::vector<int>& stack);

  PageLayout page_;
  ScreenTextMeasurer& screen_;
  WmfRecorder recorder_;
  std::vector<int> pens_, brushes_, fonts_;  // handles selected, innermost last
  std::vector<Font> fontSpecs_;
};

// The metafile export: MetaScl, the metafile drawing, CloseMetaFile, and
// the 16-byte clipboard record (8, metaExtX, metaExtY, handle 0). Every
// drawing call also goes to `alsoOn` when given (a target laid out in twips
// from the page's corner), with the texts placed as in the metafile.
struct MetafileExport {
  PageLayout page;
  std::vector<uint8_t> metafile;
  std::vector<uint8_t> mfPict;
};
MetafileExport RecordMetafile(const ScreenMetrics& screen, const core::DataState& d,
                              const core::LineSet& lines, const PlotControls& c,
                              ScreenTextMeasurer& measure, Target* alsoOn = nullptr);

// The metafile as a .wmf file holds it, and as desktop programs read it from
// the clipboard: the placeable header (bounding box the window extent in
// twips, 1440 units per inch) in front of the recorded metafile.
std::vector<uint8_t> PlaceableMetafile(const MetafileExport& e);

}  // namespace render
