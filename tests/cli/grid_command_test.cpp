#include "cli/grid_command.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <sstream>

#include "core/data_read.h"
#include "tests/support/command_outcome.h"
#include "tests/support/fixtures.h"

namespace {

using testing_support::ReadFile;
using testing_support::SamplePath;
using testing_support::TempFolder;

using testing_support::Outcome;

Outcome Grid(const std::vector<std::string>& args) {
  return testing_support::RunCommand(cli::RunGrid, args);
}

// The values of an ijz file, read as the window's "ijz→ijz" format does.
core::DataState ReadGrid(const std::string& path) {
  core::DataState s;
  s.dataFile = path;
  core::ReadOptions opt;
  opt.format = core::Format::Ijz;
  core::RecordingReporter r;
  EXPECT_EQ(core::DataRead1(opt, s, r), core::ReadStatus::Ok) << path;
  return s;
}

std::string Line(core::Msg m) { return core::MessageLine(m) + "\n"; }

TEST(GridCommand, ConvertsTheSampleBesideTheInput) {
  TempFolder folder;
  const std::string input = folder.Write("g01.dat", ReadFile(SamplePath("g01.dat")));
  const Outcome r = Grid({input});
  EXPECT_EQ(r.code, cli::kOk) << r.err;
  EXPECT_EQ(r.err, "");
  const std::string output = folder.path() + "/g01#.dat";
  EXPECT_NE(r.out.find(output), std::string::npos) << r.out;
  const core::DataState g = ReadGrid(output);
  EXPECT_EQ(g.inNx, 10);  // sqrt(400) / 2
  EXPECT_EQ(g.inNy, 10);
  // The sample's hill and valley lie between 0 and 70.
  for (int32_t k = 1; k <= g.nData; ++k) {
    EXPECT_GT(g.zData[k], 0);
    EXPECT_LT(g.zData[k], 70);
  }
}

// The sample's grid at 17 digits, every value exact, pinned: a change in the
// results must be deliberate (regenerate with the command in
// tests/fixtures/README.md and say why).
TEST(GridCommand, SampleGridIsTheGoldenFileByteForByte) {
  TempFolder folder;
  const std::string out = folder.path() + "/g01#.dat";
  ASSERT_EQ(Grid({SamplePath("g01.dat"), "--digits", "17", "-o", out}).code, cli::kOk);
  EXPECT_EQ(ReadFile(out), ReadFile(testing_support::FixturePath("g01#.dat")));
}

TEST(GridCommand, WrittenGridReadsBackAndRegridsAsIjz) {
  TempFolder folder;
  const std::string first = folder.path() + "/a.dat";
  ASSERT_EQ(Grid({SamplePath("g01.dat"), "--nx", "12", "--ny", "8", "--region", "all", "--digits",
                  "17", "-o", first})
                .code,
            cli::kOk);
  const core::DataState g = ReadGrid(first);
  EXPECT_EQ(g.inNx, 12);
  EXPECT_EQ(g.inNy, 8);
  // The ijz file converted with its default: 6 x 4 nodes over lattice
  // positions 3.75..9.25 x 2.75..6.25 -> boxes "4", "3", "9", "6".
  const std::string second = folder.path() + "/b.dat";
  const Outcome r = Grid({first, "--format", "ijz", "-o", second});
  EXPECT_EQ(r.code, cli::kOk) << r.err;
  const core::DataState h = ReadGrid(second);
  EXPECT_EQ(h.inNx, 6);
  EXPECT_EQ(h.inNy, 4);
  EXPECT_NE(r.out.find("region 4..9 x 3..6"), std::string::npos) << r.out;
}

TEST(GridCommand, MessagesAndExitCodes) {
  TempFolder folder;
  const std::string count2 = folder.Write("count2.dat", "2\r\n1 2 3\r\n4 5 6\r\n");
  const std::string cut = folder.Write("cut.dat", "5\r\n1 2 3\r\n4 5 6\r\n7 8 9\r\n");
  const std::string empty = folder.Write("empty.xyz", "1 2\r\n");
  // The sample's triples as an xyz file, with a field that is not a number on line 401.
  const std::string sampleText = ReadFile(SamplePath("g01.dat"));
  const std::string stopped =
      folder.Write("stopped.xyz", sampleText.substr(sampleText.find('\n') + 1) + "5,5,-\r\n");
  const std::string sample = SamplePath("g01.dat");
  const std::string out = folder.path() + "/out.dat";
  const struct {
    std::vector<std::string> args;
    int code;
    std::string err;
    bool written;
  } cases[] = {
      {{count2, "-o", out}, cli::kDataError, Line(core::Msg::DataCountInvalid), false},
      {{cut, "-o", out}, cli::kDataError, Line(core::Msg::DataInvalid), false},
      {{empty, "--format", "xyz", "-o", out}, cli::kDataError, Line(core::Msg::NoData), false},
      {{stopped, "--format", "xyz", "-o", out},
       cli::kWarning,
       core::MessageLine(core::Msg::XyzReadStopped, {"401", "400"}) + "\n",
       true},
      {{folder.path() + "/none.dat", "-o", out},
       cli::kDataError,
       Line(core::Msg::FileCannotOpen),
       false},
      {{sample, "--region", "10,0,10,50", "-o", out},
       cli::kUsage,
       Line(core::Msg::RegionZeroSize),
       false},
      {{sample, "--region", "a,0,10,50", "-o", out},
       cli::kUsage,
       Line(core::Msg::RegionNotNumber),
       false},
      {{sample, "--nx", "ten", "-o", out}, cli::kUsage, Line(core::Msg::NxNotNumber), false},
      {{sample, "--nx", "10000", "--ny", "10000", "-o", out},
       cli::kUsage,
       Line(core::Msg::TooManyNodes),
       false},
      {{sample, "--axis", "0,100,0,x", "-o", out},
       cli::kDataError,
       Line(core::Msg::DataInvalid),
       false},
      {{sample, "--nx", "-3", "--ny", "1", "-o", out},
       cli::kWarning,
       Line(core::Msg::NxInvalid) + Line(core::Msg::NyInvalid),
       true},
      {{sample, "--region", "500,500,600,600", "-o", out},
       cli::kWarning,
       Line(core::Msg::RegionInvalid),
       true},
      {{sample, "--nx", "0", "--ny", "", "-o", out}, cli::kOk, "", true},
      {{sample, "-o", folder.path() + "/no/such/folder.dat"},
       cli::kDataError,
       Line(core::Msg::GridWriteFailed),
       false},
      {{"/dev/zero", "-o", out}, cli::kDataError, Line(core::Msg::FileNotAFile), false},
      {{folder.path(), "-o", out}, cli::kDataError, Line(core::Msg::FileNotAFile), false},
      {{sample, "-o", "/dev/null"}, cli::kOk, "", false},
      {{sample, "-o", "/dev/full"}, cli::kDataError, Line(core::Msg::GridWriteFailed), false},
      {{sample, "-o", folder.path()}, cli::kUsage, Line(core::Msg::OutputNotAFile), false},
  };
  for (const auto& c : cases) {
    std::filesystem::remove(out);
    const Outcome r = Grid(c.args);
    EXPECT_EQ(r.code, c.code) << c.args[0] << " " << c.args[1] << "\n" << r.err;
    EXPECT_EQ(r.err, c.err) << c.args[0] << " " << c.args[1];
    EXPECT_EQ(std::filesystem::exists(out), c.written) << c.args[0] << " " << c.args[1];
  }
  EXPECT_EQ(core::MessageLine(core::Msg::NxInvalid),
            "Data Error: ｎxが不正です。ｎx＝２として処理を継続します。");
}

// A grid written is always readable: values near the largest double, whose
// mean overflowed and whose 15-digit text overflowed, and values below the
// smallest double, which read as 0.
TEST(GridCommand, ExtremeValuesGiveAGridThatReadsBack) {
  TempFolder folder;
  const std::string input =
      folder.Write("big.dat",
                   "6\r\n0 0 1.7976931348623157E+308\r\n10 0 1.7976931348623157E+308\r\n"
                   "0 10 1.7976931348623157E+308\r\n10 10 -1.7976931348623157E+308\r\n"
                   "5 5 1E-400\r\n5 6 1.79769313486231E+308\r\n");
  for (const char* digits : {"15", "17", "1"}) {
    const std::string out = folder.path() + "/g.dat";
    const Outcome r =
        Grid({input, "--region", "all", "--nx", "7", "--ny", "5", "--digits", digits, "-o", out});
    ASSERT_NE(r.code, cli::kDataError) << r.err;
    const core::DataState g = ReadGrid(out);
    ASSERT_EQ(g.nData, 35) << digits;
    for (int32_t k = 1; k <= g.nData; ++k)
      EXPECT_TRUE(std::isfinite(g.zData[k])) << digits << " " << k;
    EXPECT_EQ(ReadFile(out).find("inf"), std::string::npos);
  }
}

TEST(GridCommand, TheInputIsNeverItsOwnOutput) {
  TempFolder folder;
  const std::string text = ReadFile(SamplePath("g01.dat"));
  const std::string input = folder.Write("g01.dat", text);
  std::filesystem::create_symlink(input, folder.path() + "/link.dat");
  for (const std::string& out :
       {input, folder.path() + "/./g01.dat", folder.path() + "/link.dat"}) {
    const Outcome r = Grid({input, "-o", out});
    EXPECT_EQ(r.code, cli::kUsage) << out;
    EXPECT_EQ(r.err, Line(core::Msg::OutputIsInput)) << out;
  }
  EXPECT_EQ(ReadFile(input), text);
  EXPECT_EQ(
      core::MessageLine(core::Msg::OutputIsInput),
      "File Error: 出力先が入力ファイルと同じです。出力先を変更して下さい。処理を中断します。");
}

TEST(GridCommand, CountTextsBehaveAsTypedIntoTheBoxes) {
  TempFolder folder;
  const struct {
    const char* nx;
    int32_t nodes;
    int code;
  } cases[] = {{"2.5", 2, cli::kOk},
               {"3.5", 4, cli::kOk},
               {"0", 10, cli::kOk},
               {"", 10, cli::kOk},
               {"-3", 2, cli::kWarning}};
  for (const auto& c : cases) {
    const std::string out = folder.path() + "/n.dat";
    EXPECT_EQ(Grid({SamplePath("g01.dat"), "--nx", c.nx, "-o", out}).code, c.code) << c.nx;
    EXPECT_EQ(ReadGrid(out).inNx, c.nodes) << c.nx;
  }
}

TEST(GridCommand, ReversedRegionGivesTheSameGrid) {
  TempFolder folder;
  const std::string a = folder.path() + "/a.dat", b = folder.path() + "/b.dat";
  ASSERT_EQ(Grid({SamplePath("g01.dat"), "--region", "20,30,80,70", "-o", a}).code, cli::kOk);
  ASSERT_EQ(Grid({SamplePath("g01.dat"), "--region", "80,70,20,30", "-o", b}).code, cli::kOk);
  EXPECT_EQ(ReadFile(a), ReadFile(b));
}

TEST(GridCommand, UsageErrors) {
  for (const std::vector<std::string>& args :
       std::vector<std::vector<std::string>>{{},
                                             {"--format", "abc", "x.dat"},
                                             {"x.dat", "--region", "1,2,3"},
                                             {"x.dat", "--bogus"},
                                             {"x.dat", "y.dat"},
                                             {"x.dat", "--digits", "40"},
                                             {"x.dat", "--nx"}}) {
    const Outcome r = Grid(args);
    EXPECT_EQ(r.code, cli::kUsage) << (args.empty() ? "" : args.back());
    EXPECT_NE(r.err.find("usage: zentu-cli grid"), std::string::npos);
  }
  const Outcome help = Grid({"--help"});
  EXPECT_EQ(help.code, cli::kOk);
  for (const char* word :
       {"--format", "--nx", "--ny", "--region", "--axis", "--digits", "-o", "Exit codes"})
    EXPECT_NE(help.out.find(word), std::string::npos) << word;
}

TEST(GridCommand, ProgramExitCodeReachesTheShell) {
  TempFolder folder;
  const std::string cmd = std::string(ZENTU_CLI) + " grid " + SamplePath("g01.dat") +
                          " --nx 1 -o " + folder.path() + "/x.dat 2>/dev/null >/dev/null";
  const int status = std::system(cmd.c_str());
  ASSERT_TRUE(WIFEXITED(status));
  EXPECT_EQ(WEXITSTATUS(status), cli::kWarning);
}

}  // namespace

namespace {

TEST(GridCommand, SameBytesForAnyThreadCountAndSchedule) {
  TempFolder folder;
  const std::string reference = folder.path() + "/ref.dat";
  const std::vector<std::string> base = {SamplePath("g01.dat"),
                                         "--region",
                                         "50,50,130,120",
                                         "--nx",
                                         "15",
                                         "--ny",
                                         "11",
                                         "--digits",
                                         "17"};
  auto with = [&](std::vector<std::string> extra, const std::string& out) {
    std::vector<std::string> args = base;
    args.insert(args.end(), extra.begin(), extra.end());
    args.push_back("-o");
    args.push_back(out);
    return Grid(args);
  };
  // The region lies half beside the data: some nodes need many rings.
  const Outcome ref = with({"--schedule", "literal"}, reference);
  ASSERT_EQ(ref.code, cli::kOk) << ref.err;
  for (const char* threads : {"1", "2", "5"}) {
    const std::string out = folder.path() + "/t" + threads + ".dat";
    ASSERT_EQ(with({"--threads", threads}, out).code, cli::kOk) << threads;
    EXPECT_EQ(ReadFile(out), ReadFile(reference)) << threads;
  }
  EXPECT_EQ(with({"--schedule", "fastest"}, folder.path() + "/x.dat").code, cli::kUsage);
  EXPECT_EQ(with({"--threads", "0x"}, folder.path() + "/x.dat").code, cli::kUsage);
}

}  // namespace
