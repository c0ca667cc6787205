// Start-up of the main window and its settings file "Zentu1.pth": the first
// start, the round trip of the nineteen lines, the partial files, and the
// per-user plot size with its button.
#include <gtest/gtest.h>

#include "app/options.h"
#include "app/settings_file.h"
#include "tests/app/fake_host.h"
#include "tests/support/fixtures.h"

namespace {

using app::Controls;
using app::MainState;
using core::Msg;
using testing_support::FakeHost;
using testing_support::ReadFile;
using testing_support::TempFolder;

struct Started {
  Controls c;
  MainState m;
  FakeHost host;
  core::MemorySettings settings;
  void Load(const std::string& folder) { app::FormLoad(c, m, host, settings, folder); }
};

TEST(FormLoad, FirstStartGreetsAndTakesTheSamples) {
  for (const char* bytes : {static_cast<const char*>(nullptr), ""}) {  // no file; 0 bytes
    TempFolder folder;
    if (bytes) folder.Write("Zentu1.pth", bytes);
    Started s;
    s.Load(folder.path());
    EXPECT_EQ(s.host.report.shown, std::vector{Msg::Greeting});
    EXPECT_EQ(s.c.text11, folder.path() + "/g01.dat");
    EXPECT_EQ(s.m.data.gridFile, folder.path() + "/g01#.dat");
    EXPECT_EQ(s.c.text13, folder.path() + "/line1.dat");
    EXPECT_EQ(s.c.folder, folder.path());
    EXPECT_EQ(s.c.combo8, 1);
    EXPECT_TRUE(s.c.text13Shown);
    EXPECT_EQ(s.c.combo4Text, "4");
    EXPECT_EQ(s.c.combo5, 0);
    EXPECT_EQ(s.c.command1, "描画");
    EXPECT_EQ(s.c.command7, "サイズ Ａ");
    EXPECT_FALSE(s.c.exportsShown || s.c.outputShown);
  }
}

TEST(FormLoad, TheStoredSizeIsLaidOutBeforeAnythingElse) {
  const struct {
    const char* stored;
    const char* caption;
    double right;
  } cases[] = {{"0", "サイズ Ａ", 150},
               {"a", "サイズ Ａ", 150},
               {"b", "サイズ Ｂ", 140},
               {"c", "サイズ Ｃ", 130},
               {"x", "サイズ Ａ", 150}};
  for (const auto& k : cases) {
    TempFolder folder;
    Started s;
    s.settings.Set("ijz", "size", k.stored);
    s.Load(folder.path());
    EXPECT_EQ(s.c.command7, k.caption) << k.stored;
    EXPECT_EQ(s.m.page.plotRight, k.right) << k.stored;
  }
}

TEST(SettingsFile, NineteenLinesRoundTrip) {
  TempFolder folder;
  Started a;
  a.Load(folder.path());
  a.c.text1 = "line*.dat";
  a.c.combo1 = 2;
  a.c.combo2 = 1;
  a.c.text2 = "9.5";
  a.c.text3 = "-1";
  a.c.text5 = "1";
  a.c.text6 = "2";
  a.c.text7 = "3";
  a.c.text8 = "4";
  a.c.combo8 = 0;
  a.c.text4 = "見出し";
  a.c.combo3 = 3;
  a.c.combo4 = 8;
  a.c.combo5 = 2;
  const std::string text = app::SettingsText(a.c, a.m);
  EXPECT_EQ(std::count(text.begin(), text.end(), '\n'), 19);
  EXPECT_NE(text.find("\r\n 2 \r\n 1 \r\n9.5\r\n"), std::string::npos);
  EXPECT_EQ(text.substr(text.size() - 15), " 3 \r\n 8 \r\n 2 \r\n");

  folder.Write("Zentu1.pth", text);
  Started b;
  b.Load(folder.path());
  EXPECT_TRUE(b.host.report.shown.empty());
  EXPECT_EQ(app::SettingsText(b.c, b.m), text);
  EXPECT_EQ(b.c.combo4Text, "9");
  EXPECT_TRUE(b.c.meterBoxesShown);
  EXPECT_FALSE(b.c.lineButtonsShown || b.c.text13Shown);
  EXPECT_EQ(b.c.combo6, 0);
  EXPECT_EQ(b.c.command1, "描画");
}

TEST(SettingsFile, PartialAndBadLinesKeepWhatTheyCannotSet) {
  TempFolder folder;
  // Eight lines, manual meter: its boxes get their defaults; Combo6, the x/y
  // boxes and Combo8 are not touched.
  folder.Write("Zentu1.pth",
               "/\r\n" + folder.path() + "\r\n\r\nd.dat\r\ng.dat\r\nl.dat\r\n 1 \r\n 1 \r\n");
  Started s;
  s.c.combo6 = 1;  // as if chosen before
  s.Load(folder.path());
  EXPECT_TRUE(s.host.report.shown.empty());
  EXPECT_EQ(s.c.text1, "*.dat");  // an empty line 3
  EXPECT_EQ(s.c.combo1, 1);
  EXPECT_EQ(s.c.text2, "1.0");
  EXPECT_EQ(s.c.text3, "0.0");
  EXPECT_EQ(s.c.combo6, 1);
  EXPECT_EQ(s.c.text7, "");
  EXPECT_EQ(s.c.combo8, 1);
  EXPECT_FALSE(s.c.text13Shown);  // hidden at start-up, never shown again

  // Eleven lines: Combo6 back to 自動 and the x boxes' defaults.
  folder.Write("Zentu1.pth",
               "/\r\n/nowhere/at/all\r\n*.txt\r\nd\r\ng\r\nl\r\n 7 \r\n1.5\r\n\r\n\r\n5\r\n");
  Started t;
  t.c.folder = "kept";
  t.c.combo6 = 1;
  t.Load(folder.path());
  EXPECT_EQ(t.c.folder, "kept");  // a folder that is gone
  EXPECT_EQ(t.c.combo1, 0);       // an index outside the list
  EXPECT_EQ(t.c.combo2, 0);       // not a whole number
  EXPECT_FALSE(t.c.meterBoxesShown);
  EXPECT_EQ(t.c.combo6, 0);
  EXPECT_FALSE(t.c.axisBoxesShown);
  EXPECT_EQ(t.c.text5, "5");
  EXPECT_EQ(t.c.text7, "0.0");
  EXPECT_EQ(t.c.text8, "1.0");
  EXPECT_EQ(t.c.text1, "*.txt");
}

TEST(SettingsFile, AFailedWriteLeavesTheOldFile) {
  TempFolder folder;
  Started s;
  s.Load(folder.path());
  folder.Write("Zentu1.pth", "old");
  s.host.folder = folder.path() + "/missing";  // the Draw cannot write there
  app::Command1_Click(s.c, s.m, s.host);
  EXPECT_EQ(ReadFile(folder.path() + "/Zentu1.pth"), "old");
  EXPECT_EQ(s.c.command1, "変換");  // the Draw went on
}

TEST(Command7, CyclesTheSizeAndStoresTheNextOne) {
  TempFolder folder;
  Started s;
  s.Load(folder.path());
  s.c.command1 = "変換";
  s.c.exportsShown = s.c.outputShown = true;
  std::vector<std::string> stored;
  for (int k = 0; k < 3; ++k) {
    app::Command7_Click(s.c, s.m, s.host, s.settings);
    stored.push_back(s.settings.Get("ijz", "size", ""));
    EXPECT_EQ(s.c.command1, "描画");
    EXPECT_FALSE(s.c.exportsShown || s.c.outputShown);
  }
  EXPECT_EQ(stored, (std::vector<std::string>{"b", "c", "a"}));
  EXPECT_EQ(s.c.command7, "サイズ Ａ");
  app::Command7_Click(s.c, s.m, s.host, s.settings);
  EXPECT_EQ(s.m.page.plotRight, 140);
  // A caption that names no size changes nothing but the window state.
  s.c.command7 = "?";
  s.c.command1 = "変換";
  app::Command7_Click(s.c, s.m, s.host, s.settings);
  EXPECT_EQ(s.settings.Get("ijz", "size", ""), "b");
  EXPECT_EQ(s.c.command1, "描画");
}

}  // namespace
