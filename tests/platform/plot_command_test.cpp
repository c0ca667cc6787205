// zentu-cli plot: the three files of the sample, the options, and the exit
// codes and messages of the reading shared with zentu-cli grid.
#include "cli/plot_command.h"

#include <gtest/gtest.h>

#include <QImage>
#include <QString>
#include <filesystem>
#include <sstream>

#include "cli/grid_command.h"
#include "core/report.h"
#include "tests/render/wmf_reader.h"
#include "tests/support/command_outcome.h"
#include "tests/support/fixtures.h"

namespace {

using testing_support::ReadFile;
using testing_support::SamplePath;
using testing_support::TempFolder;

using testing_support::Outcome;

Outcome Plot(const std::vector<std::string>& args) {
  return testing_support::RunCommand(cli::RunPlot, args);
}

QImage LoadPng(const std::string& path) { return QImage(QString::fromStdString(path), "PNG"); }

TEST(PlotCommand, WritesTheSampleOnEveryTarget) {
  TempFolder folder;
  const std::string png = folder.path() + "/p.png", wmf = folder.path() + "/p.wmf",
                    pdf = folder.path() + "/p.pdf";
  const Outcome r =
      Plot({SamplePath("g01.dat"), "--lines", SamplePath("line1.dat"), "--png", png, "--wmf", wmf,
            "--pdf", pdf, "--header", "g01", "--header-align", "centre"});
  ASSERT_EQ(r.code, cli::kOk) << r.err;
  const QImage image = LoadPng(png);
  EXPECT_EQ(image.width(), 627);  // size A: (150 + 16) mm at 96 dpi
  EXPECT_EQ(image.height(), 548);
  const std::string meta = ReadFile(wmf);
  ASSERT_GT(meta.size(), 22u);
  EXPECT_EQ(meta.substr(0, 4), "\xD7\xCD\xC6\x9A");  // the placeable header in front
  const testing_support::WmfView v =
      testing_support::ReadWmf(std::vector<uint8_t>(meta.begin() + 22, meta.end()));
  EXPECT_EQ(v.fault, "");
  EXPECT_EQ(ReadFile(pdf).substr(0, 5), "%PDF-");
  EXPECT_FALSE(std::filesystem::exists(pdf + ".part"));
}

// The sample's metafile with its lines, pinned byte for byte: a change in
// the drawing must be deliberate (tests/fixtures/README.md).
TEST(PlotCommand, SampleMetafileIsTheGoldenFileByteForByte) {
  TempFolder folder;
  const std::string wmf = folder.path() + "/g01.wmf";
  ASSERT_EQ(Plot({SamplePath("g01.dat"), "--lines", SamplePath("line1.dat"), "--wmf", wmf}).code,
            cli::kOk);
  const std::string golden = ReadFile(testing_support::FixturePath("g01.wmf"));
  ASSERT_FALSE(golden.empty());
  EXPECT_TRUE(ReadFile(wmf) == golden) << "the metafile differs from tests/fixtures/g01.wmf";
}

TEST(PlotCommand, SizeChoosesTheScreenFrameOnly) {
  TempFolder folder;
  const struct {
    const char* size;
    int width, height;
  } cases[] = {{"A", 627, 548}, {"B", 590, 510}, {"C", 552, 472}};
  for (const auto& c : cases) {
    const std::string png = folder.path() + "/p.png", wmf = folder.path() + "/p.wmf";
    ASSERT_EQ(Plot({SamplePath("g01.dat"), "--size", c.size, "--png", png, "--wmf", wmf}).code,
              cli::kOk);
    const QImage image = LoadPng(png);
    EXPECT_EQ(image.width(), c.width) << c.size;
    EXPECT_EQ(image.height(), c.height) << c.size;
    const std::string meta = ReadFile(wmf);
    const auto v = testing_support::ReadWmf(std::vector<uint8_t>(meta.begin() + 22, meta.end()));
    ASSERT_GE(v.records.size(), 3u);
    EXPECT_EQ(v.records[2].Int(1), 9354) << c.size;
    EXPECT_EQ(v.records[2].Int(0), 8220) << c.size;
  }
}

TEST(PlotCommand, UsageErrorsAndReadErrors) {
  TempFolder folder;
  const std::string png = folder.path() + "/p.png";
  const struct {
    std::vector<std::string> args;
    int code;
    std::string err;
  } cases[] = {
      {{SamplePath("g01.dat")}, cli::kUsage, "usage: zentu-cli plot"},
      {{SamplePath("g01.dat"), "--png"}, cli::kUsage, "--png needs a value"},
      {{SamplePath("g01.dat"), "--size", "D", "--png", png}, cli::kUsage, "--size takes A, B or C"},
      {{SamplePath("g01.dat"), "--meter", "1", "--png", png},
       cli::kUsage,
       "--meter takes LOW,HIGH"},
      {{SamplePath("g01.dat"), "--header-font", "5", "--pdf", png}, cli::kUsage, "--header-font"},
      {{SamplePath("g01.dat"), "--format", "abc", "--png", png}, cli::kUsage, "--format takes"},
      {{folder.path() + "/missing.dat", "--png", png},
       cli::kDataError,
       core::MessageLine(core::Msg::FileCannotOpen)},
      {{SamplePath("g01.dat"), "--png", folder.path() + "/no/such/folder/p.png"},
       cli::kDataError,
       "cannot write"},
      {{SamplePath("g01.dat"), "--wmf", folder.path()},
       cli::kUsage,
       core::MessageLine(core::Msg::OutputNotAFile)},
      {{"/dev/zero", "--png", png}, cli::kDataError, core::MessageLine(core::Msg::FileNotAFile)},
      {{folder.Write("empty.xyz", ""), "--format", "xyz", "--png", png},
       cli::kDataError,
       core::MessageLine(core::Msg::NoData)},
      {{folder.Write("heading.xyz", "x y z\r\n"), "--format", "xyz", "--png", png},
       cli::kDataError,
       core::MessageLine(core::Msg::NoData)},
  };
  for (const auto& c : cases) {
    const Outcome r = Plot(c.args);
    EXPECT_EQ(r.code, c.code) << c.args.back();
    EXPECT_NE(r.err.find(c.err), std::string::npos) << r.err;
  }
  EXPECT_FALSE(std::filesystem::exists(png));
}

TEST(PlotCommand, InputFilesAreNeverOverwritten) {
  TempFolder folder;
  const std::string data = folder.Write("g01.dat", ReadFile(SamplePath("g01.dat")));
  const std::string lines = folder.Write("line1.dat", ReadFile(SamplePath("line1.dat")));
  const std::string elsewhere =
      folder.path() + "/../" + std::filesystem::path(folder.path()).filename().string();
  const struct {
    const char* option;
    std::string path;
    const char* other;
  } cases[] = {{"--png", data, "--wmf"},
               {"--wmf", lines, "--png"},
               {"--pdf", elsewhere + "/g01.dat", "--png"}};
  for (const auto& c : cases) {
    const Outcome r =
        Plot({data, "--lines", lines, c.other, folder.path() + "/other", c.option, c.path});
    EXPECT_EQ(r.code, cli::kUsage) << c.option;
    EXPECT_NE(r.err.find(core::MessageLine(core::Msg::OutputIsInput)), std::string::npos) << r.err;
    EXPECT_NE(r.out.find("written to " + folder.path() + "/other"), std::string::npos)
        << r.out;  // the rest is written
  }
  EXPECT_EQ(ReadFile(data), ReadFile(SamplePath("g01.dat")));
  EXPECT_EQ(ReadFile(lines), ReadFile(SamplePath("line1.dat")));
  // Devices are written through.
  const Outcome r = Plot({data, "--png", "/dev/null", "--wmf", "/dev/null", "--pdf", "/dev/null"});
  EXPECT_EQ(r.code, cli::kOk) << r.err;
}

TEST(PlotCommand, ZeroWidthAxisRangeStillPlots) {
  TempFolder folder;
  const std::string input = folder.Write("line.dat", "3\r\n1,1,1\r\n1,2,2\r\n1,3,3\r\n");
  const std::string png = folder.path() + "/p.png", wmf = folder.path() + "/p.wmf";
  const Outcome r = Plot({input, "--png", png, "--wmf", wmf});
  ASSERT_NE(r.code, cli::kUsage) << r.err;
  ASSERT_NE(r.code, cli::kDataError) << r.err;
  const QImage image = LoadPng(png);
  ASSERT_FALSE(image.isNull());
  // The three points lie on the vertical through the middle of the frame (85 mm).
  const int x = static_cast<int>(85 * 56.69291 / 15 + 0.5);
  int coloured = 0;
  for (int y = 0; y < image.height(); ++y) {
    const QColor c = image.pixelColor(x, y);
    if (c.red() != c.green() || c.green() != c.blue()) ++coloured;
  }
  EXPECT_GT(coloured, 20);
}

TEST(PlotCommand, HeaderSizeThatIsNotANumberStillPrintsThePage) {
  TempFolder folder;
  const std::string pdf = folder.path() + "/p.pdf";
  const Outcome r =
      Plot({SamplePath("g01.dat"), "--header", "title", "--header-size", "big", "--pdf", pdf});
  EXPECT_EQ(r.code, cli::kOk) << r.err;
  EXPECT_EQ(ReadFile(pdf).substr(0, 5), "%PDF-");
}

}  // namespace
