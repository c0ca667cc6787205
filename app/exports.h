// The exports of a drawn plot: Command5 "MetaFile" (the metafile on the
// clipboard), Command8 "BitMap" (the picture on the clipboard, without the
// region frame) and Command9 "印刷" (the A4 page on the default printer).
// Each acts only while Command1 reads "変換". The clipboard and the printer
// are reached through ExportDesk, which the main window gives on the real
// desktop and tests give as a recorder.
#pragma once

#include "app/controls.h"
#include "app/driver.h"

namespace app {

enum class PrintOutcome { Printed, NoPrinter, Refused };

class ExportDesk {
 public:
  virtual ~ExportDesk() = default;
  // Records the metafile of the plot (MetaScl, MetaPntDrw, MetaFrmDrw, and
  // MetaLinDrw when the lines are on) and puts it on the clipboard with the
  // same plot in the other forms desktop programs paste. False when the
  // clipboard did not take it.
  virtual bool PutMetafile(const core::DataState& d, const core::LineSet& lines,
                           const render::PlotControls& c) = 0;
  virtual void ClearClipboard() = 0;
  // The whole picture area (the A4 page at screen resolution) as an image
  // on the clipboard; false when the clipboard did not take it.
  virtual bool PutPicture() = 0;
  // PrnScl on the default printer, whose layout goes into `page` once there
  // is a printer, then the page printed without a dialog.
  virtual PrintOutcome Print(const core::DataState& d, const core::LineSet& lines,
                             const render::PlotControls& c, render::PageLayout& page) = 0;
};

// True while a drawn plot is on the screen: Command1 reads "変換".
bool ExportsActive(const Controls& c);

// "MetaFile": MetaScl (the shared frame values hold its layout until the next
// Scl), the caption "計算中" and the busy pointer while the metafile is
// recorded and put on the clipboard, then "MetaFile" again.
void Command5_Click(Controls& c, MainState& m, Host& h, ExportDesk& desk);

// "BitMap": the region frame erased (frameX2, frameY2, lastMouseX and
// lastMouseY set to 0), the clipboard emptied, the caption "BitMap", the
// picture put on the clipboard, then the frame restored and drawn again;
// lastMouseX and lastMouseY stay 0.
void Command8_Click(Controls& c, MainState& m, Host& h, ExportDesk& desk);

// "印刷": the page on the default printer, "計算中" and the busy pointer while
// it prints, then "再印刷". A header that will be printed with a size that is
// not a usable number stops it before the printer is asked. Whatever fails,
// the caption goes back to what it was, a message says why, and the plot on
// the screen stays as it is.
void Command9_Click(Controls& c, MainState& m, Host& h, ExportDesk& desk);

}  // namespace app
