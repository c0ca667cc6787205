// The plot procedures, each written once for every target: PntDrw (colour
// height map), RGBht (height meter), ZlbDrw (z-range text), XnbDrw, YnbDrw
// (axis end numbers), XlbDrw, YlbDrw (axis labels), FrmDrw (frame and the
// text procedures), LinDrw (overlay segments), ijFrmDrw (Convert Region
// outline, screen only) and Header (printed page only). The target's
// differences come from the PageLayout profile (render/page_layout.h); the
// Meta… and Prn… names are the entry points of the export sequences.
#pragma once

#include <string>

#include "core/data_read.h"
#include "core/data_state.h"
#include "core/lattice.h"
#include "core/line_file.h"
#include "render/page_layout.h"
#include "render/target.h"

namespace render {

enum class HeaderAlign { Left = 0, Centre = 1, Right = 2 };  // "左端", "中央", "右端"

// Faces of the header font list Combo3, in its order.
inline constexpr const char* kHeaderFaces[] = {"ＭＳ Ｐ明朝", "ＭＳ Ｐゴシック", "Times New Roman",
                                               "Arial"};

// The window controls the procedures read, as the window holds them.
struct PlotControls {
  core::Format format = core::Format::NXyz;             // Combo1
  core::ColourMode meterMode = core::ColourMode::Auto;  // Combo2
  std::string pointSizeText = "5";                      // Combo7
  bool linesOn = true;                                  // Combo8 at "On"
  std::string headerText;                               // Text4; empty: no header
  std::string headerFace = kHeaderFaces[0];             // Combo3
  std::string headerSizeText = "4";                     // Combo4
  HeaderAlign headerAlign = HeaderAlign::Left;          // Combo5
};

// One text size handed from the frame routine to a text procedure: the
// character width in the font rule's pixels and the text height in mm (not
// used where the page measures its text height).
struct TextArg {
  double charW;
  double textH;
};
TextArg NumbersSize(const PageLayout& page);
TextArg LabelsSize(const PageLayout& page);

// The plot font of character width charW: height 1.5 × charW × pxRatioY,
// width charW × pxRatioX, both rounded, in the page's device units.
Font PlotFont(const PageLayout& page, double charW, int escapement);

// Number masks of the axis ends (by |v|, strict bounds; "######0" for ijz
// lattice indices) and of the manual meter labels ("" = general format).
const char* AxisMask(core::Format format, double v);
const char* MeterMask(double v);
std::string MeterText(double v);

// Point squares of every point inside the axis range (bounds included), side
// Combo7 × √(frame area) / √nData / 10 mm, at most 3 mm. Returns false,
// drawing nothing, when the point size text is not a number.
bool PntDrw(const PageLayout& page, const core::DataState& d, const PlotControls& c, Target& t);

// The 25-band height meter right of the frame, with "Bottom"/"Top" or, in
// manual mode, zBottom/zTop under and over it.
void RGBht(const PageLayout& page, const core::DataState& d, const PlotControls& c,
           const TextArg& a, Target& t);

// "Bottom =<zMin>,  Top =<zMax>" above the frame; returns that text (zLabel).
std::string ZLabelOf(const core::DataState& d);
std::string ZlbDrw(const PageLayout& page, const core::DataState& d, const TextArg& a, Target& t);

void XnbDrw(const PageLayout& page, const core::DataState& d, core::Format format, const TextArg& a,
            Target& t);
void YnbDrw(const PageLayout& page, const core::DataState& d, core::Format format, const TextArg& a,
            Target& t);
void XlbDrw(const PageLayout& page, const TextArg& a, Target& t);  // "x-axis"
void YlbDrw(const PageLayout& page, const TextArg& a, Target& t);  // "y-axis", turned 90°

// The frame, then XnbDrw, XlbDrw, YnbDrw, YlbDrw, ZlbDrw, RGBht.
void FrmDrw(const PageLayout& page, const core::DataState& d, const PlotControls& c, Target& t);

// The overlay segments 1..nLines, not clipped to the frame.
void LinDrw(const PageLayout& page, const core::DataState& d, const core::LineSet& lines,
            Target& t);

// The Convert Region frame on the screen, page mm at single precision;
// frameX2 = frameY2 = 0 means that no frame is shown.
struct RegionFrame {
  double frameX1 = 0, frameY1 = 0, frameX2 = 0, frameY2 = 0;
};

// Takes the convert region gridX1..gridY2 from the region boxes (either
// corner first), sets the frame corners and outlines them in invert mode.
// A box that is not a number stops it before anything changes: false.
bool ijFrmDrw(const PageLayout& page, const core::RegionTexts& box, core::DataState& d,
              RegionFrame& frame, Target& t);

// The printed page's header line at 10 mm from the top. Returns false,
// printing nothing, when the header size is not a usable number.
bool Header(const PlotControls& c, Target& t);
// True when the header size (Combo4) is a number above 0 whose font a
// printer takes (at most 10000 printer pixels high).
bool HeaderSizeUsable(const PlotControls& c);

// Entry points of the export targets. The page given is MetaScl's or PrnScl's.
inline bool MetaPntDrw(const PageLayout& page, const core::DataState& d, const PlotControls& c,
                       Target& t) {
  return PntDrw(page, d, c, t);
}
inline void MetaFrmDrw(const PageLayout& page, const core::DataState& d, const PlotControls& c,
                       Target& t) {
  FrmDrw(page, d, c, t);
}
inline void MetaLinDrw(const PageLayout& page, const core::DataState& d, const core::LineSet& lines,
                       Target& t) {
  LinDrw(page, d, lines, t);
}
inline bool PrnPntDrw(const PageLayout& page, const core::DataState& d, const PlotControls& c,
                      Target& t) {
  return PntDrw(page, d, c, t);
}
// FrmDrw, ending with the header when Text4 is not empty.
void PrnFrmDrw(const PageLayout& page, const core::DataState& d, const PlotControls& c, Target& t);
inline void PrnLinDrw(const PageLayout& page, const core::DataState& d, const core::LineSet& lines,
                      Target& t) {
  LinDrw(page, d, lines, t);
}

// The screen part of a Draw after the data are read: PntDrw, FrmDrw, LinDrw
// when lines are on, the default (or given) Convert Region in `box` and its
// outline by ijFrmDrw. A step that fails is skipped.
void DrawScreenPlot(const PageLayout& page, core::DataState& d, const core::LineSet& lines,
                    const PlotControls& c, const core::RegionTexts& box, RegionFrame& frame,
                    Target& t);

// The drawing of a printed page on its target: PrnPntDrw, PrnFrmDrw (with the
// header), PrnLinDrw when lines are on.
void PrintPlot(const PageLayout& page, const core::DataState& d, const core::LineSet& lines,
               const PlotControls& c, Target& t);

// The drawing of a metafile on its target: MetaPntDrw, MetaFrmDrw, MetaLinDrw
// when lines are on; no region frame and no header.
void MetaPlot(const PageLayout& page, const core::DataState& d, const core::LineSet& lines,
              const PlotControls& c, Target& t);

}  // namespace render
