// The exports of a drawn plot without a window: when they act, their
// captions and busy pointer, the region frame around the bitmap, the layout
// they leave for the next screen action, and every failure's message.
#include "app/exports.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <new>

#include "app/options.h"
#include "app/region_mouse.h"
#include "tests/app/fake_host.h"
#include "tests/support/fixtures.h"

namespace {

using app::PrintOutcome;
using core::Msg;
using testing_support::FakeHost;
using testing_support::SamplePath;
using testing_support::TempFolder;

// Records what the exports ask of the clipboard and the printer, with the
// frame as it is at that moment.
class FakeDesk : public app::ExportDesk {
 public:
  explicit FakeDesk(const app::MainState& m, const FakeHost& h) : m_(m), h_(h) {}
  bool PutMetafile(const core::DataState&, const core::LineSet&,
                   const render::PlotControls& c) override {
    calls.push_back("metafile");
    linesOn = c.linesOn;
    if (outOfMemory) throw std::bad_alloc();
    return take;
  }
  void ClearClipboard() override { calls.push_back("clear"); }
  bool PutPicture() override {
    calls.push_back("picture");
    frameAtPut = m_.frame;
    invertsAtPut = h_.Inverted().size();
    return take;
  }
  PrintOutcome Print(const core::DataState&, const core::LineSet&, const render::PlotControls& c,
                     render::PageLayout& page) override {
    calls.push_back("print");
    header = c.headerText;
    if (outcome != PrintOutcome::NoPrinter) page = render::PrnScl({}, 2.4, 2.4);
    return outcome;
  }

  std::vector<std::string> calls;
  bool take = true;
  bool outOfMemory = false;
  PrintOutcome outcome = PrintOutcome::Printed;
  bool linesOn = false;
  std::string header;
  render::RegionFrame frameAtPut;
  size_t invertsAtPut = 0;

 private:
  const app::MainState& m_;
  const FakeHost& h_;
};

// The sample drawn as the window draws it, size `size`.
struct Drawn {
  explicit Drawn(const TempFolder& folder, const char* size = "サイズ Ａ") {
    std::filesystem::copy_file(SamplePath("g01.dat"), folder.path() + "/g01.dat");
    m.data.dataFile = folder.path() + "/g01.dat";
    m.data.gridFile = folder.path() + "/g01#.dat";
    c.combo8 = 0;
    c.command7 = size;
    app::Command1_Click(c, m, host);
    host.shown.clear();
    host.busyChanges.clear();
    host.painted.clear();
  }
  std::vector<std::string> Captions(std::string app::Controls::*button) const {
    std::vector<std::string> out;
    for (const auto& shown : host.shown) out.push_back(shown.*button);
    return out;
  }
  app::Controls c;
  app::MainState m;
  FakeHost host;
  FakeDesk desk{m, host};
};

TEST(Exports, DoNothingUnlessAPlotIsDrawn) {
  for (const char* caption : {"描画", "描画中", "変換中"}) {
    app::Controls c;
    c.command1 = caption;
    app::MainState m;
    m.frame = {10, 10, 50, 50};
    FakeHost h;
    FakeDesk desk(m, h);
    app::Command5_Click(c, m, h, desk);
    app::Command8_Click(c, m, h, desk);
    app::Command9_Click(c, m, h, desk);
    EXPECT_TRUE(desk.calls.empty()) << caption;
    EXPECT_TRUE(h.shown.empty()) << caption;
    EXPECT_TRUE(h.painted.empty()) << caption;
    EXPECT_EQ(m.page.kind, render::TargetKind::Screen) << caption;
    EXPECT_EQ(c.command9, "印刷") << caption;
  }
}

TEST(Exports, MetaFileShowsItsBusyCaptionAndLeavesTheMetafileLayout) {
  TempFolder folder;
  Drawn d(folder, "サイズ Ｃ");
  app::Command5_Click(d.c, d.m, d.host, d.desk);
  EXPECT_EQ(d.desk.calls, std::vector<std::string>{"metafile"});
  EXPECT_EQ(d.Captions(&app::Controls::command5), (std::vector<std::string>{"計算中", "MetaFile"}));
  EXPECT_EQ(d.host.busyChanges, (std::vector<bool>{true, false}));
  EXPECT_EQ(d.m.page.kind, render::TargetKind::Metafile);
  EXPECT_EQ(d.m.page.plotRight, 150);  // the 130 mm plot whatever the screen size
  EXPECT_TRUE(d.host.report.shown.empty());
}

// A Convert right after an export used to place its frame in the export's
// layout (the metafile's 130 mm plot, the printed 150 mm plot) over a
// screen plot of another size.
TEST(Exports, ConvertAfterAnExportPlacesTheFrameOnTheScreenPlot) {
  for (const bool print : {false, true}) {
    TempFolder folder;
    Drawn d(folder, "サイズ Ｃ");
    const render::RegionFrame drawn = d.m.frame;
    print ? app::Command9_Click(d.c, d.m, d.host, d.desk)
          : app::Command5_Click(d.c, d.m, d.host, d.desk);
    ASSERT_NE(d.m.page.kind, render::TargetKind::Screen);
    const app::ConvertResult r = app::Convert(d.c, d.m, d.host);
    EXPECT_TRUE(r.written) << print;
    EXPECT_EQ(d.m.page.plotRight, 130) << print;
    EXPECT_EQ(d.m.frame.frameX1, drawn.frameX1) << print;
    EXPECT_EQ(d.m.frame.frameY2, drawn.frameY2) << print;
    // The untouched boxes outline the frame where it was: erased, drawn again.
    const auto inverted = d.host.Inverted();
    ASSERT_EQ(inverted.size(), 2u) << print;
    EXPECT_EQ(inverted[0].points[0].x, inverted[1].points[0].x) << print;
    EXPECT_EQ(inverted[0].points[1].y, inverted[1].points[1].y) << print;
  }
}

TEST(Exports, BitMapCopiesThePictureWithoutTheFrameAndPutsItBack) {
  TempFolder folder;
  Drawn d(folder);
  const render::RegionFrame frame = d.m.frame;
  ASSERT_TRUE(app::FrameShown(frame));
  d.m.lastMouseX = d.m.lastMouseY = 7;
  app::Command8_Click(d.c, d.m, d.host, d.desk);
  EXPECT_EQ(d.desk.calls, (std::vector<std::string>{"clear", "picture"}));
  EXPECT_FALSE(app::FrameShown(d.desk.frameAtPut));  // no frame while copied
  EXPECT_EQ(d.desk.invertsAtPut, 1u);                // the frame erased first
  const auto inverted = d.host.Inverted();
  ASSERT_EQ(inverted.size(), 2u);  // and drawn again after
  EXPECT_EQ(inverted[1].points[0].x, frame.frameX1);
  EXPECT_EQ(inverted[1].points[1].y, frame.frameY2);
  EXPECT_EQ(d.m.frame.frameX2, frame.frameX2);
  EXPECT_EQ(d.m.lastMouseX, 0);
  EXPECT_EQ(d.m.lastMouseY, 0);
  EXPECT_EQ(d.c.command8, "BitMap");
  EXPECT_EQ(d.m.page.kind, render::TargetKind::Screen);
  EXPECT_TRUE(d.host.report.shown.empty());
}

TEST(Exports, PrintReadsReprintAfterEachPage) {
  TempFolder folder;
  Drawn d(folder);
  d.c.text4 = "survey 12";
  for (int i = 0; i < 2; ++i) {
    d.host.shown.clear();
    app::Command9_Click(d.c, d.m, d.host, d.desk);
    EXPECT_EQ(d.Captions(&app::Controls::command9), (std::vector<std::string>{"計算中", "再印刷"}));
  }
  EXPECT_EQ(d.desk.calls, (std::vector<std::string>{"print", "print"}));
  EXPECT_EQ(d.desk.header, "survey 12");
  EXPECT_EQ(d.m.page.kind, render::TargetKind::Printer);
  EXPECT_EQ(d.host.busyChanges, (std::vector<bool>{true, false, true, false}));
  EXPECT_TRUE(d.host.report.shown.empty());
}

TEST(Exports, APrintThatFailsSaysWhyAndPutsTheCaptionBack) {
  const struct {
    const char* what;
    const char* header;
    const char* size;
    PrintOutcome outcome;
    std::vector<std::string> calls;
    std::vector<Msg> shown;
  } cases[] = {
      {"no printer", "", "4", PrintOutcome::NoPrinter, {"print"}, {Msg::NoPrinter}},
      {"job refused", "", "4", PrintOutcome::Refused, {"print"}, {Msg::PrintFailed}},
      {"header size not a number",
       "survey",
       "abc",
       PrintOutcome::Printed,
       {},
       {Msg::HeaderSizeInvalid}},
      {"header size zero", "survey", "0", PrintOutcome::Printed, {}, {Msg::HeaderSizeInvalid}},
  };
  for (const auto& k : cases) {
    for (const char* before : {"印刷", "再印刷"}) {
      TempFolder folder;
      Drawn d(folder);
      d.c.command9 = before;
      d.c.text4 = k.header;
      d.c.combo4Text = k.size;
      d.desk.outcome = k.outcome;
      const render::PageLayout screen = d.m.page;
      const render::RegionFrame frame = d.m.frame;
      app::Command9_Click(d.c, d.m, d.host, d.desk);
      EXPECT_EQ(d.desk.calls, k.calls) << k.what;
      EXPECT_EQ(d.host.report.shown, k.shown) << k.what;
      EXPECT_EQ(d.c.command9, before) << k.what;
      EXPECT_EQ(d.host.busyChanges.size() % 2, 0u) << k.what;  // the pointer is back
      EXPECT_EQ(d.m.frame.frameX2, frame.frameX2) << k.what;
      EXPECT_TRUE(d.host.painted.empty()) << k.what;  // the plot is left alone
      if (k.outcome == PrintOutcome::NoPrinter || k.calls.empty()) {
        EXPECT_EQ(d.m.page.plotRight, screen.plotRight) << k.what;
      }
    }
  }
  // Without a header its size is not looked at.
  TempFolder folder;
  Drawn d(folder);
  d.c.combo4Text = "abc";
  app::Command9_Click(d.c, d.m, d.host, d.desk);
  EXPECT_EQ(d.c.command9, "再印刷");
}

TEST(Exports, AClipboardThatRefusesOrMemoryThatRunsOutSaysSo) {
  const struct {
    bool take, outOfMemory;
    Msg shown;
  } cases[] = {{false, false, Msg::ClipboardFailed}, {true, true, Msg::OutOfMemory}};
  for (const auto& k : cases) {
    TempFolder folder;
    Drawn d(folder);
    d.desk.take = k.take;
    d.desk.outOfMemory = k.outOfMemory;
    const render::RegionFrame frame = d.m.frame;
    app::Command5_Click(d.c, d.m, d.host, d.desk);
    EXPECT_EQ(d.c.command5, "MetaFile");
    EXPECT_EQ(d.host.busyChanges, (std::vector<bool>{true, false}));
    if (!k.outOfMemory) {
      app::Command8_Click(d.c, d.m, d.host, d.desk);
      EXPECT_EQ(d.m.frame.frameX2, frame.frameX2);  // the frame is back on the picture
      EXPECT_EQ(d.host.Inverted().size(), 2u);
      EXPECT_EQ(d.host.report.shown, (std::vector<Msg>{k.shown, k.shown}));
    } else {
      EXPECT_EQ(d.host.report.shown, std::vector<Msg>{k.shown});
    }
  }
}

TEST(Dir1, GrowsInFrontOnALeftPressAndShrinksBehindOnARightPress) {
  using app::kLeftButton, app::kMiddleButton, app::kRightButton;
  const struct {
    int buttons;
    std::optional<int32_t> twips;
    bool inFront;
  } cases[] = {{kLeftButton, 5340, true},
               {kRightButton, 1980, false},
               {kLeftButton | kRightButton, std::nullopt, false},
               {kMiddleButton, std::nullopt, false},
               {0, std::nullopt, false}};
  for (const auto& k : cases) {
    const auto size = app::Dir1_MouseDown(k.buttons);
    ASSERT_EQ(size.has_value(), k.twips.has_value()) << k.buttons;
    if (!size) continue;
    EXPECT_EQ(size->heightTwips, *k.twips);
    EXPECT_EQ(size->inFront, k.inFront);
  }
}

}  // namespace
