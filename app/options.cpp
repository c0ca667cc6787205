#include "app/options.h"

#include "app/region_mouse.h"

namespace app {

void CaptionReset(Controls& c) { c.command1 = kDraw; }

void FullReset(Controls& c, MainState& m, Host& h) {
  c.command1Shown = true;
  h.ClearPicture();
  c.region.text21.clear();
  c.region.text22.clear();
  c.region.text23.clear();
  c.region.text24.clear();
  CaptionReset(c);
  c.outputShown = false;
  c.exportsShown = false;
  m.frame.frameX2 = m.frame.frameY2 = 0;
  m.lastMouseX = m.lastMouseY = 0;
  c.region.text25.clear();
  c.region.text26.clear();
  h.Show(c);
}

void Combo1_Click(Controls& c, MainState& m, Host& h) {
  // Not while a Convert runs, unless Command1 is hidden (a data error).
  if (c.command1 != kConverting || !c.command1Shown) FullReset(c, m, h);
}

void Combo2_Click(Controls& c) {
  CaptionReset(c);
  c.meterBoxesShown = c.combo2 != 0;
}

void Combo6_Click(Controls& c) {
  CaptionReset(c);
  c.axisBoxesShown = c.combo6 == static_cast<int>(core::AxisMode::Manual);
}

void Combo8_Click(Controls& c) {
  CaptionReset(c);
  c.lineButtonsShown = c.text13Shown = c.combo8 != 0;
}

void SelectCombo1(Controls& c, MainState& m, Host& h, int index) {
  if (c.combo1 == index) return;
  c.combo1 = index;
  Combo1_Click(c, m, h);
}

void SelectCombo2(Controls& c, int index) {
  if (c.combo2 == index) return;
  c.combo2 = index;
  Combo2_Click(c);
}

void SelectCombo6(Controls& c, int index) {
  if (c.combo6 == index) return;
  c.combo6 = index;
  Combo6_Click(c);
}

void SelectCombo8(Controls& c, int index) {
  if (c.combo8 == index) return;
  c.combo8 = index;
  Combo8_Click(c);
}

void Text11_Change(Controls& c, MainState& m, Host& h) {
  if (c.command1 != kConverting) FullReset(c, m, h);
}

void SetText11(Controls& c, MainState& m, Host& h, const std::string& text) {
  if (c.text11 == text) return;
  c.text11 = text;
  Text11_Change(c, m, h);
}

void Command7_Click(Controls& c, MainState& m, Host& h, core::SettingsStore& settings) {
  const auto size = render::PlotSizeFromCaption(c.command7);
  if (size) {
    const render::PlotSize next = render::NextPlotSize(*size);
    settings.Set("ijz", "size", render::StoredLetter(next));
    c.command7 = render::CaptionOf(next);
  }
  CaptionReset(c);
  c.outputShown = false;
  c.exportsShown = false;
  Scl(c, m, h);
  h.ClearPicture();
  h.Show(c);
}

void Command6_Click(Controls& c, Host& h) {
  c.command1Shown = true;
  CaptionReset(c);
  c.outputShown = false;
  c.exportsShown = false;
  h.ClearPicture();
  h.Show(c);
}

std::optional<FolderListSize> Dir1_MouseDown(int buttons) {
  if (buttons == kLeftButton) return FolderListSize{5340, true};
  if (buttons == kRightButton) return FolderListSize{1980, false};
  return std::nullopt;
}

}  // namespace app
