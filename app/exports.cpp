#include "app/exports.h"

namespace app {

namespace {

void InvertFrame(const render::RegionFrame& f, const MainState& m, Host& h) {
  h.Paint(m.page, [&](render::Target& t) {
    t.InvertRectangle(f.frameX1, f.frameY1, f.frameX2, f.frameY2);
  });
}

}  // namespace

bool ExportsActive(const Controls& c) { return c.command1 == kConvert; }

void Command5_Click(Controls& c, MainState& m, Host& h, ExportDesk& desk) {
  if (!ExportsActive(c)) return;
  m.page = render::MetaScl(h.Screen());
  c.command5 = kBusyExport;
  h.Show(c);
  bool put = false;
  bool fits = false;
  {
    BusyPointer busy(h);
    fits = WithinMemory([&] { put = desk.PutMetafile(m.data, m.lines, PlotControlsOf(c)); });
  }
  c.command5 = kMetaFile;
  h.Show(c);
  if (!fits)
    h.reporter().Show(core::Msg::OutOfMemory);
  else if (!put)
    h.reporter().Show(core::Msg::ClipboardFailed);
}

void Command8_Click(Controls& c, MainState& m, Host& h, ExportDesk& desk) {
  if (!ExportsActive(c)) return;
  const render::RegionFrame kept = m.frame;
  if (FrameShown(m.frame)) {
    InvertFrame(m.frame, m, h);
    m.frame.frameX2 = m.frame.frameY2 = 0;
    m.lastMouseX = m.lastMouseY = 0;
  }
  desk.ClearClipboard();
  c.command8 = kBitMap;
  h.Show(c);
  bool put = false;
  const bool fits = WithinMemory([&] { put = desk.PutPicture(); });
  m.frame = kept;
  if (FrameShown(m.frame)) InvertFrame(m.frame, m, h);
  h.Show(c);
  if (!fits)
    h.reporter().Show(core::Msg::OutOfMemory);
  else if (!put)
    h.reporter().Show(core::Msg::ClipboardFailed);
}

void Command9_Click(Controls& c, MainState& m, Host& h, ExportDesk& desk) {
  if (!ExportsActive(c)) return;
  const render::PlotControls plot = PlotControlsOf(c);
  if (!plot.headerText.empty() && !render::HeaderSizeUsable(plot)) {
    h.reporter().Show(core::Msg::HeaderSizeInvalid);
    return;
  }
  const std::string before = c.command9;
  c.command9 = kBusyExport;
  h.Show(c);
  PrintOutcome printed = PrintOutcome::Refused;
  bool fits = false;
  {
    BusyPointer busy(h);
    fits = WithinMemory([&] { printed = desk.Print(m.data, m.lines, plot, m.page); });
  }
  c.command9 = fits && printed == PrintOutcome::Printed ? kPrintAgain : before;
  h.Show(c);
  if (!fits)
    h.reporter().Show(core::Msg::OutOfMemory);
  else if (printed == PrintOutcome::NoPrinter)
    h.reporter().Show(core::Msg::NoPrinter);
  else if (printed == PrintOutcome::Refused)
    h.reporter().Show(core::Msg::PrintFailed);
}

}  // namespace app
