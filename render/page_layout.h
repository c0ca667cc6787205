// Scl, MetaScl, PrnScl: the plot frame on the virtual A4 page (mm, origin at
// the top-left corner, y downwards) and the per-target profile the drawing
// procedures of render/plot.h read: device units per mm, font ratios, text
// sizes and the line work in which screen, metafile and printer differ.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "core/data_state.h"

namespace render {

// Twips (1/1440 inch) per millimetre, used as this exact decimal everywhere.
inline constexpr double kTwipsPerMm = 56.69291;
inline constexpr double kPageWidthMm = 210;
inline constexpr double kPageHeightMm = 297;
// The picture area's A4 page in twips (Picture1's size).
inline constexpr int32_t kPageWidthTwips = 11907;
inline constexpr int32_t kPageHeightTwips = 16840;

// Face of every plot text.
inline constexpr const char* kPlotFontName = "ＭＳ Ｐ明朝";

// Screen plot sizes, the captions of the size button Command7.
enum class PlotSize { A, B, C };
std::optional<PlotSize> PlotSizeFromCaption(std::string_view caption);
const char* CaptionOf(PlotSize size);
// The size button's cycle A -> B -> C -> A, and the letter the per-user
// setting "size" stores for the size it switches to.
PlotSize NextPlotSize(PlotSize size);
const char* StoredLetter(PlotSize size);
// "a", "0" -> A, "b" -> B, "c" -> C; anything else gives nothing.
std::optional<PlotSize> PlotSizeFromStored(std::string_view letter);

struct SizeInfo {
  double side;          // plot frame side, mm
  double sizeFactor;    // side / 110, held at single precision
  int32_t text12Width;  // width of Text12 and Text13, twips
  int32_t text4Width;   // width of Text4, twips
};
SizeInfo InfoOf(PlotSize size);

// The screen's resolution, in twips per pixel (15 at 96 dots per inch).
struct ScreenMetrics {
  double twipsPerPixelX = 15;
  double twipsPerPixelY = 15;
};

enum class TargetKind { Screen, Metafile, Printer };

struct PageLayout {
  TargetKind kind = TargetKind::Screen;
  double plotLeft = 20, plotTop = 5, plotRight = 150, plotBottom = 135;
  double sizeFactor = 1;                  // screen: side / 110 at single precision; others 1
  double pxPerMmX = 0, pxPerMmY = 0;      // screen pixels per mm
  double unitPerMmX = 0, unitPerMmY = 0;  // this target's device units per mm
  double pxRatioX = 1, pxRatioY = 1;      // device units per screen pixel (screen: 1)
  std::string fontName = kPlotFontName;
  int32_t metaExtX = 0, metaExtY = 0;  // metafile window extent, twips

  // What the three targets draw differently.
  double numbersCharW = 6;          // character width of numbers, pixels of the font rule
  double labelsCharW = 12;          // of the axis labels
  bool measuresTextHeight = false;  // printer: each text procedure measures its text height
  bool filledBoxes = true;          // screen: points and bands as filled boxes, not polygons
  int pointPenWidth = 2;            // outline pen of a point polygon
  int bandPenWidth = 0;             // outline pen of a band polygon
  double meterGap = 4;              // meter bar left = plotRight + meterGap
  int meterOutlineWidth = 2;        // 0: no outline around the bar
  int framePenWidth = 2;
  int linePenWidth = 2;
  int regionPenWidth = 1;
  int textPenWidth = 0;  // pen selected around text output; 0: none
  int meterTextPenWidth = 0;
  int32_t deviceLimit = 1 << 24;  // largest |device coordinate| this target takes
};

PageLayout Scl(PlotSize size, const ScreenMetrics& screen);
PageLayout MetaScl(const ScreenMetrics& screen);
PageLayout PrnScl(const ScreenMetrics& screen, double printerTwipsPerPixelX,
                  double printerTwipsPerPixelY);

// The part of the page the main window shows: the frame plus 16 mm to its
// right (the height meter) and 10 mm below it, from the page's corner; mm.
struct PageExtent {
  double width, height;
};
PageExtent WindowFit(const PageLayout& page);

// Page position of a data point. An axis range of zero width (or one that
// is not a number) puts every point of that axis in the middle of the frame.
double PageX(const PageLayout& page, const core::DataState& d, double x);
double PageY(const PageLayout& page, const core::DataState& d, double y);

}  // namespace render
