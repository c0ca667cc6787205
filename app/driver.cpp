#include "app/driver.h"

#include <algorithm>
#include <cmath>

#include "app/options.h"
#include "app/settings_file.h"
#include "core/grid_file.h"
#include "core/numbers.h"
#include "core/text_file.h"

namespace app {

namespace {

bool DragIsEmpty(const core::DataState& d) {
  return d.dragX1 == 0 && d.dragX2 == 0 && d.dragY1 == 0 && d.dragY2 == 0;
}

void ApplyTyped(const TypedRegion& typed, core::RegionTexts& box) {
  if (typed.region) {
    box.text21 = typed.x1;
    box.text22 = typed.y1;
    box.text23 = typed.x2;
    box.text24 = typed.y2;
  }
  if (typed.nx) box.text25 = *typed.nx;
  if (typed.ny) box.text26 = *typed.ny;
}

}  // namespace

void Scl(const Controls& c, MainState& m, Host& h) {
  if (const auto size = render::PlotSizeFromCaption(c.command7)) m.size = *size;
  m.page = render::Scl(m.size, h.Screen());
  h.FitWindow(m.page);
}

render::RegionFrame FrameFromBoxes(const core::RegionTexts& box, const MainState& m) {
  const auto x1 = core::ParseNumber(box.text21), y1 = core::ParseNumber(box.text22);
  const auto x2 = core::ParseNumber(box.text23), y2 = core::ParseNumber(box.text24);
  if (!x1 || !y1 || !x2 || !y2) return {};
  const render::PageLayout& p = m.page;
  const core::DataState& d = m.data;
  // An axis range of zero width (or not a number) gives no place on the
  // page: no frame.
  const double xRange = d.xMax - d.xMin, yRange = d.yMax - d.yMin;
  if (!(xRange != 0) || !(yRange != 0)) return {};
  render::RegionFrame f;
  f.frameX1 = core::ToSingle(p.plotLeft + (*x1 - d.xMin) * (p.plotRight - p.plotLeft) / xRange);
  f.frameY1 = core::ToSingle(p.plotTop + (*y1 - d.yMax) * (p.plotTop - p.plotBottom) / yRange);
  f.frameX2 = core::ToSingle(p.plotLeft + (*x2 - d.xMin) * (p.plotRight - p.plotLeft) / xRange);
  f.frameY2 = core::ToSingle(p.plotTop + (*y2 - d.yMax) * (p.plotTop - p.plotBottom) / yRange);
  if (!std::isfinite(f.frameX1) || !std::isfinite(f.frameY1) || !std::isfinite(f.frameX2) ||
      !std::isfinite(f.frameY2))
    return {};
  return f;
}

CommandResult Command1_Click(Controls& c, MainState& m, Host& h, const TypedRegion* typed) {
  // Overlay lines are in data units: never drawn over an ijz lattice.
  if (c.combo1 == static_cast<int>(core::Format::Ijz)) SelectCombo8(c, 0);
  CommandResult r;
  r.drew = c.command1 == kDraw;
  if (r.drew)
    r.draw = Draw(c, m, h, typed);
  else
    r.convert = Convert(c, m, h);
  return r;
}

DrawResult Draw(Controls& c, MainState& m, Host& h, const TypedRegion* typed) {
  DrawResult result;
  Scl(c, m, h);           // D1
  h.ClearPicture();       // D2
  c.command1 = kDrawing;  // D3
  h.Show(c);
  BusyPointer busy(h);  // D4
  core::Reporter& report = h.reporter();
  if (c.combo6 == static_cast<int>(core::AxisMode::Dragged) && DragIsEmpty(m.data)) {  // D5
    report.Show(core::Msg::DrawRegionUnsuitable);
    SelectCombo6(c, static_cast<int>(core::AxisMode::Auto));
    h.Show(c);
  }
  // D6: from here on a step that fails is skipped.
  const std::string folder = h.ProgramFolder();
  const core::ReadOptions read = ReadOptionsOf(c);
  const render::PlotControls plot = PlotControlsOf(c);
  h.RunLong(
      [&] {
        if (!folder.empty()) {
          h.SetCurrentFolder(folder);                                                // D7
          (void)core::WriteFileReplacing(core::JoinPath(folder, kSettingsFileName),  // D8
                                         SettingsText(c, m));
        }
        result.outOfMemory = !WithinMemory([&] {  // D9
          result.read = core::DataRead1(read, m.data, report);
        });
        if (result.outOfMemory) {
          // The reading stopped half way: never count more points than are held.
          const size_t held =
              std::min({m.data.xData.size(), m.data.yData.size(), m.data.zData.size()});
          m.data.nData = static_cast<int32_t>(std::min<size_t>(
              static_cast<size_t>(std::max(m.data.nData, 0)), held > 0 ? held - 1 : 0));
          return;
        }
        h.Paint(m.page, [&](render::Target& t) {
          render::PntDrw(m.page, m.data, plot, t);
          render::FrmDrw(m.page, m.data, plot, t);
        });
        if (c.combo8 == 1) {  // D10
          if (!m.lines.lineFile.empty()) core::ReadLineFile(c.combo9Text, m.lines);
          h.Paint(m.page, [&](render::Target& t) { render::LinDrw(m.page, m.data, m.lines, t); });
        }
      },
      nullptr);
  if (result.outOfMemory) report.Show(core::Msg::OutOfMemory);
  // An unusable point count hides Command1 until the format, the input file
  // or "◆" brings it back.
  if (result.read == core::ReadStatus::CountError) c.command1Shown = false;
  c.command1 = kConvert;  // D11
  c.command9 = kPrint;    // D12
  c.outputShown = false;  // D13
  c.exportsShown = true;
  busy.Release();                                            // D14
  c.region = core::DefaultRegionTexts(read.format, m.data);  // D15
  if (typed) ApplyTyped(*typed, c.region);
  h.Paint(m.page, [&](render::Target& t) {  // D16
    render::ijFrmDrw(m.page, c.region, m.data, m.frame, t);
  });
  h.Show(c);
  return result;
}

ConvertResult Convert(Controls& c, MainState& m, Host& h) {
  ConvertResult result;
  // After a MetaFile or a print the shared frame values hold that target's
  // layout: the frame is placed on the screen plot, so lay it out again.
  if (m.page.kind != render::TargetKind::Screen) Scl(c, m, h);
  // C1-C4: the frame on the screen erased and drawn again from the boxes,
  // in invert mode, so that the plot under it is left as it was.
  const render::RegionFrame old = m.frame;
  m.frame = FrameFromBoxes(c.region, m);
  h.Paint(m.page, [&](render::Target& t) {
    if (FrameShown(old)) t.InvertRectangle(old.frameX1, old.frameY1, old.frameX2, old.frameY2);
    if (FrameShown(m.frame))
      t.InvertRectangle(m.frame.frameX1, m.frame.frameY1, m.frame.frameX2, m.frame.frameY2);
  });
  c.command1 = kConverting;  // C5
  c.outputShown = false;     // C6
  c.text11 = m.data.dataFile;
  c.text12 = m.data.gridFile;
  c.text13 = m.lines.lineFile;
  h.Show(c);  // C7
  {
    BusyPointer busy(h);
    core::Reporter& report = h.reporter();
    const core::Format format = core::FormatFromIndex(c.combo1);
    // C8, all of it on the long road: the tables of a large lattice take a
    // while to allocate, and a large grid to write.
    bool memory = true;
    gridding::MshWatch watch;
    h.RunLong(
        [&] {
          memory = WithinMemory([&] {
            result.latticeSet =
                core::DataRead2(format, c.region, m.data, report) == core::LatticeStatus::Ok;
            if (!result.latticeSet) return;
            result.msh = h.LiteralSchedule() ? gridding::MshLiteral(m.data, report)
                                             : gridding::Msh(m.data, report, h.Threads(), &watch);
            result.stopped = result.msh.stopped;
            if (result.stopped) return;
            const core::WriteResult written = core::DataWrite(m.data, h.Digits());
            result.written = written;
            result.writeStatus = written.status;
            if (!written) report.Show(core::FailureMessage(written.status));
          });
        },
        &watch);
    result.refusedNoData = !result.latticeSet && m.data.nData < 1;
    if (!memory) {
      result.outOfMemory = true;
      m.data.nodes.Release();
      report.Show(core::Msg::OutOfMemory);
    } else if (result.stopped) {
      m.data.nodes.Release();  // half searched: no use to anyone
      report.Show(core::Msg::ConvertStopped);
    }
    c.command1 = kConvert;  // C9
    c.outputShown = true;   // C10
    c.exportsShown = true;
  }  // C11
  h.Show(c);
  return result;
}

}  // namespace app
