// The Draw and the Convert of Command1: captions, visibility, the skipped
// steps of a Draw, the frame on the picture, Esc and the grid written.
#include "app/driver.h"

#include <gtest/gtest.h>
#include <sys/resource.h>

#include <cstdlib>
#include <filesystem>

#include "app/options.h"
#include "core/grid_file.h"
#include "core/numbers.h"
#include "tests/app/fake_host.h"
#include "tests/support/fixtures.h"

namespace {

using app::Controls;
using app::MainState;
using core::Msg;
using testing_support::Call;
using testing_support::FakeHost;
using testing_support::ReadFile;
using testing_support::SamplePath;
using testing_support::TempFolder;

// A main window fresh from a first start on `folder` holding the samples.
struct Window {
  explicit Window(const TempFolder& folder) {
    for (const char* name : {"g01.dat", "line1.dat"})
      std::filesystem::copy_file(SamplePath(name), folder.path() + "/" + name,
                                 std::filesystem::copy_options::overwrite_existing);
    m.data.dataFile = folder.path() + "/g01.dat";
    m.data.gridFile = folder.path() + "/g01#.dat";
    m.lines.lineFile = folder.path() + "/line1.dat";
    host.folder = folder.path();
  }
  app::CommandResult Click() { return app::Command1_Click(c, m, host); }
  Controls c;
  MainState m;
  FakeHost host;
};

TEST(Command1, DrawThenConvertThroughTheirCaptions) {
  TempFolder folder;
  Window w(folder);
  w.c.outputShown = true;  // from an earlier Convert
  const app::CommandResult drew = w.Click();
  ASSERT_TRUE(drew.drew);
  EXPECT_EQ(drew.draw.read, core::ReadStatus::Ok);
  EXPECT_EQ(w.host.Captions(), (std::vector<std::string>{"描画中", "変換"}));
  EXPECT_TRUE(w.c.exportsShown);
  EXPECT_FALSE(w.c.outputShown);
  EXPECT_EQ(w.c.command9, "印刷");
  EXPECT_EQ(w.host.busyChanges, (std::vector<bool>{true, false}));
  EXPECT_TRUE(w.host.report.shown.empty());
  // The settings file of the Draw, and the default region it proposes.
  EXPECT_TRUE(std::filesystem::exists(folder.path() + "/Zentu1.pth"));
  EXPECT_EQ(w.c.region.text25, "10");       // sqrt(400) / 2
  ASSERT_EQ(w.host.Inverted().size(), 1u);  // the region outline

  w.host.shown.clear();
  const app::CommandResult converted = w.Click();
  ASSERT_FALSE(converted.drew);
  EXPECT_TRUE(converted.convert.written);
  EXPECT_EQ(w.host.Captions(), (std::vector<std::string>{"変換中", "変換"}));
  EXPECT_FALSE(w.host.shown.front().outputShown);  // hidden while converting
  EXPECT_TRUE(w.c.outputShown);
  EXPECT_TRUE(w.c.exportsShown);
  EXPECT_EQ(w.c.text11, w.m.data.dataFile);
  EXPECT_EQ(w.c.text12, w.m.data.gridFile);
  EXPECT_EQ(w.c.text13, w.m.lines.lineFile);
  EXPECT_EQ(ReadFile(w.m.data.gridFile), core::GridFileText(w.m.data.gridNx, w.m.data.gridNy, [&] {
              std::vector<double> v;
              for (const auto& n : w.m.data.nodes.nodes()) v.push_back(n.value);
              return v;
            }()));
}

TEST(Command1, ConvertWorksOnThePointsOfTheLastDraw) {
  TempFolder folder;
  Window w(folder);
  w.Click();
  std::filesystem::remove(w.m.data.dataFile);  // the file is not read again
  EXPECT_TRUE(w.Click().convert.written);
  EXPECT_TRUE(w.host.report.shown.empty());
}

TEST(Command1, ConvertWithUntouchedBoxesInvertsTheFrameAwayAndBack) {
  TempFolder folder;
  Window w(folder);
  w.Click();
  const render::RegionFrame drawn = w.m.frame;
  w.host.painted.clear();
  w.Click();
  const std::vector<Call> inverted = w.host.Inverted();
  ASSERT_EQ(inverted.size(), 2u);
  for (const Call& c : inverted) {
    EXPECT_NEAR(c.points[0].x, drawn.frameX1, 1e-4);
    EXPECT_NEAR(c.points[1].y, drawn.frameY2, 1e-4);
  }
  // Typed boxes: the old frame is erased, the new one outlined.
  w.c.region.text21 = "30";
  w.c.region.text22 = "30";
  w.c.region.text23 = "60";
  w.c.region.text24 = "90";
  w.host.painted.clear();
  w.Click();
  ASSERT_EQ(w.host.Inverted().size(), 2u);
  const render::PageLayout& p = w.m.page;
  const double x = p.plotLeft + (60 - w.m.data.xMin) * (p.plotRight - p.plotLeft) /
                                    (w.m.data.xMax - w.m.data.xMin);
  EXPECT_FLOAT_EQ(static_cast<float>(w.m.frame.frameX2), static_cast<float>(x));
  // A box that is not a number leaves no frame; the conversion refuses it.
  w.c.region.text21 = "abc";
  w.host.painted.clear();
  const app::ConvertResult r = w.Click().convert;
  EXPECT_EQ(w.host.Inverted().size(), 1u);  // only the erasure
  EXPECT_EQ(w.m.frame.frameX2, 0);
  EXPECT_FALSE(r.latticeSet);
  EXPECT_EQ(w.host.report.shown.back(), Msg::RegionNotNumber);
}

TEST(Command1, DraggedModeWithoutAFrameWarnsAndDrawsAutomatically) {
  TempFolder folder;
  Window w(folder);
  w.c.combo6 = 2;
  w.Click();
  EXPECT_EQ(w.host.report.shown, std::vector{Msg::DrawRegionUnsuitable});
  EXPECT_EQ(w.c.combo6, 0);
  EXPECT_FALSE(w.c.axisBoxesShown);
  // The caption reset of the list shows until the Draw ends.
  EXPECT_EQ(w.host.Captions(), (std::vector<std::string>{"描画中", "描画", "変換"}));
  EXPECT_NEAR(w.m.data.xMax - w.m.data.xMin, 99.79, 0.01);  // the full data range

  // With a frame dragged before, no warning and the plot shows that frame.
  Window d(folder);
  d.c.combo6 = 2;
  d.m.data.dragX1 = 10;
  d.m.data.dragY1 = 60;
  d.m.data.dragX2 = 40;
  d.m.data.dragY2 = 20;
  d.Click();
  EXPECT_TRUE(d.host.report.shown.empty());
  EXPECT_EQ(d.m.data.xMin, 10);
  EXPECT_EQ(d.m.data.yMax, 60);
}

TEST(Command1, FailedStepsAreSkippedAndTheDrawEndsInTheConvertState) {
  TempFolder folder;
  const struct {
    const char* bytes;  // nullptr: no file at all
    Msg msg;
    bool command1Shown;
  } cases[] = {
      {nullptr, Msg::FileCannotOpen, true},
      {"-5\r\n1 2 3\r\n", Msg::DataCountInvalid, false},
      {"3\r\n1 2 3\r\n4 x 6\r\n", Msg::DataInvalid, true},
  };
  for (const auto& k : cases) {
    Window w(folder);
    std::filesystem::remove(w.m.data.dataFile);
    if (k.bytes) folder.Write("g01.dat", k.bytes);
    w.Click();
    EXPECT_EQ(w.host.report.shown, std::vector{k.msg}) << k.bytes;
    EXPECT_EQ(w.c.command1, "変換");
    EXPECT_EQ(w.c.command1Shown, k.command1Shown);
    EXPECT_TRUE(w.c.exportsShown);
    EXPECT_EQ(w.host.busyChanges.back(), false);
    // The boxes hold what a user can use: numbers and at least two nodes.
    for (const std::string& box : {w.c.region.text21, w.c.region.text24})
      EXPECT_TRUE(core::ParseNumber(box)) << box;
    EXPECT_EQ(w.c.region.text25, "2");
    EXPECT_FALSE(w.host.painted.empty());  // the frame and the lines were still drawn
    // A Convert of no points is refused, and writes nothing.
    EXPECT_FALSE(w.Click().convert.written);
    EXPECT_FALSE(std::filesystem::exists(w.m.data.gridFile));
    std::filesystem::remove(folder.path() + "/line1.dat");
  }
}

TEST(Command1, IjzTurnsTheLinesOffFirst) {
  TempFolder folder;
  Window w(folder);
  folder.Write("g01.dat", "3 2\r\n1\r\n2\r\n3\r\n4\r\n5\r\n6\r\n");
  w.c.combo1 = 1;
  w.Click();
  EXPECT_EQ(w.c.combo8, 0);
  EXPECT_FALSE(w.c.lineButtonsShown);
  EXPECT_EQ(w.m.lines.nLines, 0);     // the line file was not read
  EXPECT_EQ(w.c.region.text21, "2");  // lattice positions, as integers
  EXPECT_EQ(w.c.region.text25, "2");
}

TEST(Command1, LinesOnWithoutAFileDrawsTheSegmentsHeld) {
  TempFolder folder;
  Window w(folder);
  w.m.lines.lineFile.clear();
  w.Click();
  EXPECT_EQ(w.m.lines.nLines, 0);
  EXPECT_TRUE(w.host.report.shown.empty());
}

TEST(Command1, EscStopsAConvertAndKeepsTheOldGrid) {
  TempFolder folder;
  Window w(folder);
  folder.Write("g01#.dat", "old grid");
  w.Click();
  w.host.stopConvert = true;
  const app::ConvertResult r = w.Click().convert;
  EXPECT_TRUE(r.stopped);
  EXPECT_FALSE(r.written);
  EXPECT_EQ(w.host.report.shown, std::vector{Msg::ConvertStopped});
  EXPECT_EQ(ReadFile(w.m.data.gridFile), "old grid");
  EXPECT_EQ(w.c.command1, "変換");
  EXPECT_EQ(w.host.busyChanges.back(), false);
  // The next Convert runs to its end.
  w.host.stopConvert = false;
  EXPECT_TRUE(w.Click().convert.written);
  EXPECT_NE(ReadFile(w.m.data.gridFile), "old grid");
}

TEST(Command1, ConvertsAgainWithoutADrawAndReplacesTheGrid) {
  TempFolder folder;
  Window w(folder);
  w.Click();
  w.Click();
  const std::string first = ReadFile(w.m.data.gridFile);
  w.c.region.text25 = "5";
  w.c.region.text26 = "4";
  w.Click();
  EXPECT_EQ(w.m.data.gridNx, 5);
  EXPECT_NE(ReadFile(w.m.data.gridFile), first);
}

}  // namespace

namespace {

// A Convert in a process whose address space is capped at 700 MB: a lattice
// of 9,000,000 nodes (about 940 MB of tables) is refused with a message,
// nothing is written, and the same window then converts a small lattice.
// Returns 0 when all of that holds.
int ConvertBeyondTheMemory() {
  TempFolder folder;
  Window w(folder);
  w.Click();
  rlimit limit{};
  getrlimit(RLIMIT_AS, &limit);
  limit.rlim_cur = 700ull << 20;
  if (setrlimit(RLIMIT_AS, &limit) != 0) return 1;
  w.c.region.text25 = w.c.region.text26 = "3000";
  const app::ConvertResult big = w.Click().convert;
  if (!big.outOfMemory || big.written || std::filesystem::exists(w.m.data.gridFile)) return 2;
  if (w.host.report.shown != std::vector{Msg::OutOfMemory} || w.c.command1 != "変換") return 3;
  w.c.region.text25 = w.c.region.text26 = "20";
  if (!w.Click().convert.written) return 4;
  return 0;
}

TEST(Command1, ALatticeBeyondTheMemoryIsRefusedAndTheWindowGoesOn) {
#if defined(__SANITIZE_ADDRESS__) || defined(__SANITIZE_THREAD__)
  GTEST_SKIP() << "the sanitizers reserve more address space than the cap leaves";
#else
  EXPECT_EXIT(std::exit(ConvertBeyondTheMemory()), testing::ExitedWithCode(0), "");
#endif
}

}  // namespace
