// The Draw and Convert of the main window's Command1, as one sequence for
// the window and the command line: the state the main window owns
// (MainState), what a command needs of its window (Host), and Command1_Click
// with its two commands. The window, zentu-cli grid and zentu-cli plot all
// run their Draw and Convert through here.
#pragma once

#include <cstdint>
#include <functional>
#include <new>
#include <optional>
#include <stdexcept>
#include <string>
#include <system_error>

#include "app/controls.h"
#include "core/data_state.h"
#include "core/line_file.h"
#include "core/report.h"
#include "core/text_file.h"
#include "gridding/msh.h"
#include "render/page_layout.h"
#include "render/plot.h"
#include "render/target.h"

namespace app {

// What the main window owns for the life of the program: the data state,
// the overlay segments, the plot state of the last layout, and the region
// frame on the picture.
struct MainState {
  core::DataState data;
  core::LineSet lines;
  render::PageLayout page;                      // of the last Scl, MetaScl or PrnScl
  render::PlotSize size = render::PlotSize::A;  // the screen size of the last Scl
  render::RegionFrame frame;                    // page mm at single precision
  double lastMouseX = 0, lastMouseY = 0;        // corner of the last rubber band
  bool dragging = false;
};

// What a command needs of the window it runs in. Every call has a default
// for a host without a window: nothing shown, nothing drawn, no settings file.
class Host {
 public:
  virtual ~Host() = default;
  virtual core::Reporter& reporter() = 0;
  virtual render::ScreenMetrics Screen() const { return {}; }
  // Shows the control values now and repaints the window, so that a busy
  // caption is seen before the long work starts.
  virtual void Show(const Controls& c) { (void)c; }
  // Clears Picture1 (white page).
  virtual void ClearPicture() {}
  // Draws on Picture1 through `paint`, with `page` as the layout. A host
  // without a picture calls nothing.
  virtual void Paint(const render::PageLayout& page,
                     const std::function<void(render::Target&)>& paint) {
    (void)page, (void)paint;
  }
  // True when Paint draws somewhere: the drawing steps are skipped otherwise.
  virtual bool HasPicture() const { return false; }
  // Fits the window to the screen plot: the frame, 16 mm right of it, 10 mm below.
  virtual void FitWindow(const render::PageLayout& page) { (void)page; }
  // The busy pointer over the main window, on or back.
  virtual void SetBusy(bool busy) { (void)busy; }
  // The program's folder, which becomes the current folder at every Draw and
  // holds "Zentu1.pth"; empty when no settings file is kept (command line).
  virtual std::string ProgramFolder() const { return {}; }
  virtual void SetCurrentFolder(const std::string& folder) { (void)folder; }
  // Runs `work` to its end. A window runs it on another thread while it
  // stays painted and shows its progress (the rows of `watch`, when given),
  // and Esc sets watch->stop. Messages that `work` shows reach the user as
  // they come.
  virtual void RunLong(const std::function<void()>& work, gridding::MshWatch* watch) {
    (void)watch;
    work();
  }
  // Threads for the ring searches: 0 for every core.
  virtual int32_t Threads() const { return 0; }
  // Significant digits of the grid values written (zentu-cli grid --digits).
  virtual int Digits() const { return 15; }
  // zentu-cli grid --schedule literal: the reference schedule.
  virtual bool LiteralSchedule() const { return false; }
};

// The busy pointer for as long as a command runs, however it ends.
class BusyPointer {
 public:
  explicit BusyPointer(Host& h) : h_(h) { h_.SetBusy(true); }
  ~BusyPointer() { Release(); }
  void Release() {
    if (on_) h_.SetBusy(false);
    on_ = false;
  }
  BusyPointer(const BusyPointer&) = delete;
  BusyPointer& operator=(const BusyPointer&) = delete;

 private:
  Host& h_;
  bool on_ = true;
};

// Runs `step`; false when it ran out of memory (or of threads, or asked for
// more than a container or a metafile field holds), for the command to say
// so. The state keeps what it had, nothing is written.
template <class Step>
bool WithinMemory(Step step) {
  try {
    step();
    return true;
  } catch (const std::bad_alloc&) {
  } catch (const std::length_error&) {
  } catch (const std::system_error&) {  // a worker thread that cannot start
  }
  return false;
}

// A region frame is on the screen unless frameX2 and frameY2 are both 0.
inline bool FrameShown(const render::RegionFrame& f) { return f.frameX2 != 0 || f.frameY2 != 0; }

// Boxes typed over the proposal of a Draw before its frame is outlined: the
// command line's --region, --nx and --ny.
struct TypedRegion {
  bool region = false;  // the four region boxes below replace the proposal
  std::string x1, y1, x2, y2;
  std::optional<std::string> nx, ny;
};

struct DrawResult {
  core::ReadStatus read = core::ReadStatus::Ok;
  bool outOfMemory = false;
};

struct ConvertResult {
  bool latticeSet = false;     // DataRead2 accepted the boxes
  bool refusedNoData = false;  // ... or refused them for want of points
  bool stopped = false;        // Esc: nothing written
  bool outOfMemory = false;    // nothing written
  bool written = false;        // the grid file is there
  core::WriteStatus writeStatus = core::WriteStatus::Written;  // why it is not
  gridding::MshResult msh;
};

// Scl for the caption of Command7 (a caption that names no size keeps the
// size of the last layout), with the window fitted to it.
void Scl(const Controls& c, MainState& m, Host& h);

struct CommandResult {
  bool drew = false;  // the caption chose the Draw; otherwise the Convert ran
  DrawResult draw;
  ConvertResult convert;
};

// Command1: the prelude (ijz turns the overlay lines off), then the Draw or
// the Convert chosen by the caption. `typed` boxes go over a Draw's proposal.
CommandResult Command1_Click(Controls& c, MainState& m, Host& h,
                             const TypedRegion* typed = nullptr);

// The Draw: layout, settings file, reading, colour map, frame, lines, the
// proposed Convert Region (with `typed` boxes over it) and its outline. A
// step that fails is skipped and the Draw goes on; it ends in the Convert
// state.
DrawResult Draw(Controls& c, MainState& m, Host& h, const TypedRegion* typed = nullptr);

// The Convert of the points of the last Draw: the frame redrawn from the
// boxes, the lattice, the gridding and the grid file. Ends in the Convert
// state.
ConvertResult Convert(Controls& c, MainState& m, Host& h);

// The frame on the picture from the region boxes, single precision, in the
// screen layout of m.page; a box that is not a number leaves no frame.
render::RegionFrame FrameFromBoxes(const core::RegionTexts& box, const MainState& m);

}  // namespace app
