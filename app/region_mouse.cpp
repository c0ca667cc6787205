#include "app/region_mouse.h"

#include <algorithm>
#include <cmath>

#include "core/lattice.h"
#include "core/numbers.h"

namespace app {

namespace {

constexpr const char* kCornerMask = "######0.#######";

void Invert(MainState& m, Host& h, double x1, double y1, double x2, double y2) {
  h.Paint(m.page, [&](render::Target& t) { t.InvertRectangle(x1, y1, x2, y2); });
}

// Nodes along a stretch of the picture: as many as a square lattice of nData
// points spread over the whole plot would have there.
std::string ProposedCount(const MainState& m, double stretch) {
  const double points = std::sqrt(static_cast<double>(std::max(m.data.nData, 0)));
  return core::CountText(points * stretch / (m.page.plotRight - m.page.plotLeft));
}

}  // namespace

bool PictureActive(const Controls& c) {
  return c.command1 != kDraw || c.combo6 == static_cast<int>(core::AxisMode::Dragged);
}

double DataX(const MainState& m, double pictureX) {
  const render::PageLayout& p = m.page;
  return m.data.xMin +
         (pictureX - p.plotLeft) * (m.data.xMax - m.data.xMin) / (p.plotRight - p.plotLeft);
}

double DataY(const MainState& m, double pictureY) {
  const render::PageLayout& p = m.page;
  return m.data.yMax -
         (pictureY - p.plotTop) * (m.data.yMax - m.data.yMin) / (p.plotBottom - p.plotTop);
}

void Picture1_MouseDown(Controls& c, MainState& m, Host& h, double x, double y) {
  // After an export the frame values describe another target: lay out the
  // screen again before mapping the mouse.
  Scl(c, m, h);
  m.dragging = true;
  if (!PictureActive(c)) return;
  c.region.text21.clear();
  c.region.text22.clear();
  c.region.text23.clear();
  c.region.text24.clear();
  render::RegionFrame& f = m.frame;
  if (FrameShown(f)) {
    Invert(m, h, f.frameX1, f.frameY1, f.frameX2, f.frameY2);
    f.frameX2 = f.frameY2 = 0;
    m.lastMouseX = m.lastMouseY = 0;
  }
  f.frameX1 = core::ToSingle(x);
  f.frameY1 = core::ToSingle(y);
  m.data.dragX1 = core::ToSingle(DataX(m, f.frameX1));
  m.data.dragY1 = core::ToSingle(DataY(m, f.frameY1));
  c.region.text21 = core::FormatMaskSingle(m.data.dragX1, kCornerMask);
  c.region.text22 = core::FormatMaskSingle(m.data.dragY1, kCornerMask);
  h.Show(c);
}

void Picture1_MouseMove(Controls& c, MainState& m, Host& h, int buttons, double x, double y) {
  if (!PictureActive(c) || !m.dragging || buttons != kLeftButton) return;
  const render::RegionFrame& f = m.frame;
  if (m.lastMouseX != 0 || m.lastMouseY != 0)
    Invert(m, h, f.frameX1, f.frameY1, m.lastMouseX, m.lastMouseY);
  m.lastMouseX = core::ToSingle(x);
  m.lastMouseY = core::ToSingle(y);
  Invert(m, h, f.frameX1, f.frameY1, m.lastMouseX, m.lastMouseY);
}

void Picture1_MouseUp(Controls& c, MainState& m, Host& h, double x, double y) {
  if (!PictureActive(c) || !m.dragging) return;
  render::RegionFrame& f = m.frame;
  f.frameX2 = core::ToSingle(x);
  f.frameY2 = core::ToSingle(y);
  m.data.dragX2 = core::ToSingle(DataX(m, f.frameX2));
  m.data.dragY2 = core::ToSingle(DataY(m, f.frameY2));
  c.region.text23 = core::FormatMaskSingle(m.data.dragX2, kCornerMask);
  c.region.text24 = core::FormatMaskSingle(m.data.dragY2, kCornerMask);
  c.region.text25 = ProposedCount(m, std::fabs(f.frameX2 - f.frameX1));
  c.region.text26 = ProposedCount(m, std::fabs(f.frameY2 - f.frameY1));
  m.dragging = false;
  h.Show(c);
}

}  // namespace app
