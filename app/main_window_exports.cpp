// The main window's exports: the buttons "MetaFile", "BitMap" and "印刷"
// (app/exports.h), and the clipboard and printer behind them. The plot is
// recorded or printed on a worker thread while the window stays painted;
// the clipboard is set on the window's thread.
#include "app/main_window.h"
#include "platform/metafile_clip.h"

namespace app {

void MainWindow::ConnectExports() {
  connect(Command5, &QPushButton::clicked, this,
          [this] { Handle([this] { Command5_Click(c_, m_, *this, *this); }); });
  connect(Command8, &QPushButton::clicked, this,
          [this] { Handle([this] { Command8_Click(c_, m_, *this, *this); }); });
  connect(Command9, &QPushButton::clicked, this,
          [this] { Handle([this] { Command9_Click(c_, m_, *this, *this); }); });
}

bool MainWindow::PutMetafile(const core::DataState& d, const core::LineSet& lines,
                             const render::PlotControls& c) {
  platform::MetafileClip clip;
  RunLong([&] { clip = platform::MetafileClipOf(Screen(), d, lines, c); }, nullptr);
  return clipboard_.PutMetafile(clip);
}

void MainWindow::ClearClipboard() { clipboard_.Clear(); }

bool MainWindow::PutPicture() { return clipboard_.PutImage(page_.image()); }

PrintOutcome MainWindow::Print(const core::DataState& d, const core::LineSet& lines,
                               const render::PlotControls& c, render::PageLayout& page) {
  platform::PrintStatus status = platform::PrintStatus::NoPrinter;
  render::PageLayout printed;
  RunLong([&] { status = printer_.Print(Screen(), d, lines, c, &printed); }, nullptr);
  if (status == platform::PrintStatus::NoPrinter) return PrintOutcome::NoPrinter;
  page = printed;
  return status == platform::PrintStatus::Printed ? PrintOutcome::Printed : PrintOutcome::Refused;
}

}  // namespace app
