#include "app/controls.h"

#include <iterator>

namespace app {

core::ReadOptions ReadOptionsOf(const Controls& c) {
  core::ReadOptions o;
  o.format = core::FormatFromIndex(c.combo1);
  o.axisMode = core::AxisModeFromIndex(c.combo6);
  o.colourMode = core::ColourModeFromIndex(c.combo2);
  o.text2 = c.text2;
  o.text3 = c.text3;
  o.text5 = c.text5;
  o.text6 = c.text6;
  o.text7 = c.text7;
  o.text8 = c.text8;
  return o;
}

render::PlotControls PlotControlsOf(const Controls& c) {
  render::PlotControls p;
  p.format = core::FormatFromIndex(c.combo1);
  p.meterMode = core::ColourModeFromIndex(c.combo2);
  p.pointSizeText = c.combo7Text;
  p.linesOn = c.combo8 == 1;
  p.headerText = c.text4;
  const int face =
      c.combo3 >= 0 && c.combo3 < static_cast<int>(std::size(render::kHeaderFaces)) ? c.combo3 : 0;
  p.headerFace = render::kHeaderFaces[face];
  p.headerSizeText = c.combo4Text;
  p.headerAlign = c.combo5 == 1   ? render::HeaderAlign::Centre
                  : c.combo5 == 2 ? render::HeaderAlign::Right
                                  : render::HeaderAlign::Left;
  return p;
}

}  // namespace app
