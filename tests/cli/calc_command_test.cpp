#include "cli/calc_command.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "cli/grid_command.h"
#include "core/grid_file.h"
#include "core/report.h"
#include "tests/support/command_outcome.h"
#include "tests/support/fixtures.h"

namespace {

using testing_support::Outcome;
using testing_support::ReadFile;
using testing_support::TempFolder;

Outcome Calc(const std::vector<std::string>& args) {
  return testing_support::RunCommand(cli::RunCalc, args);
}

std::string Line(core::Msg m) { return core::MessageLine(m) + "\n"; }

struct Files {
  TempFolder folder;
  std::string a = folder.Write("a.dat", "3 2\r\n11\r\n12\r\n13\r\n21\r\n22\r\n23\r\n");
  std::string b = folder.Write("b.dat", "3 2\r\n1 2 0 4 -5 0.5\r\n");
  std::string square = folder.Write("sq.dat", "2 2\r\n1 2 3 4\r\n");
  std::string count2 = folder.Write("count2.dat", "1 2\r\n1 2\r\n");
  std::string cut = folder.Write("cut.dat", "3 2\r\n1 2 3\r\n");
  std::string output = folder.path() + "/Cal#.dat";
};

TEST(CalcCommand, DefaultsWriteAMinusBIntoAsFolder) {
  Files f;
  const Outcome r = Calc({"0", f.a, f.b});
  EXPECT_EQ(r.code, cli::kOk) << r.err;
  EXPECT_EQ(r.err, "");
  EXPECT_NE(r.out.find(f.output), std::string::npos) << r.out;
  EXPECT_EQ(ReadFile(f.output), core::GridFileText(3, 2, {10, 10, 13, 17, 27, 22.5}));
}

TEST(CalcCommand, BoxTextsVerbatimDigitsAndOutput) {
  Files f;
  const std::string out = f.folder.path() + "/c.dat";
  // "-1E+2" after --a is the a box's text, not an option; b may be empty for 1.
  Outcome r = Calc({"1", f.a, f.b, "--a", "-1E+2", "--b", "", "-o", out});
  EXPECT_EQ(r.code, cli::kOk) << r.err;
  EXPECT_EQ(ReadFile(out), core::GridFileText(3, 2, {-1100, -2400, 0, -8400, 11000, -1150}));
  EXPECT_FALSE(std::filesystem::exists(f.output));
  // Blanks around a number are that number; 17 digits write every bit.
  r = Calc({"4", f.a, "--a", " 0.1 ", "--b", "0.2", "--digits", "17", "-o", out});
  EXPECT_EQ(r.code, cli::kOk) << r.err;
  EXPECT_EQ(
      ReadFile(out),
      "3 2\r\n1.3\r\n1.4000000000000001\r\n1.5\r\n2.3000000000000003\r\n2.4000000000000004\r\n"
      "2.5000000000000004\r\n");
  // Profiles need only A.
  r = Calc({"11", f.square, "--a", "0", "--b", "2", "-o", out});
  EXPECT_EQ(r.code, cli::kOk) << r.err;
  EXPECT_EQ(ReadFile(out), "2\r\n0 1\r\n2 2\r\n2\r\n0 3\r\n2 4\r\n");
}

TEST(CalcCommand, FirstMessageOnlyAndNothingWritten) {
  Files f;
  const struct {
    std::vector<std::string> args;
    core::Msg message;
  } cases[] = {
      {{"0", f.a}, core::Msg::CalcABNotSet},
      {{"0", f.a, f.square, "--a", ""}, core::Msg::CalcANotSet},  // before the sizes
      {{"0", f.a, f.b, "--b", ""}, core::Msg::CalcBNotSet},
      {{"0", f.a, f.square}, core::Msg::CalcSizeMismatch},
      {{"5", f.a}, core::Msg::CalcNotSquare},
      {{"9", f.a, "--b", ""}, core::Msg::CalcBNotSet},
      {{"4", f.a, "--a", "   "}, core::Msg::CalcANotSet},
      {{"3", f.a, "--b", "nan"}, core::Msg::CalcBNotSet},
      {{"4", ""}, core::Msg::FileNotSpecified},
      {{"0", "", f.b}, core::Msg::FileNotSpecified},
      {{"4", f.folder.path() + "/none.dat"}, core::Msg::FileCannotOpen},
      {{"4", f.count2}, core::Msg::DataCountInvalid},
      {{"0", f.cut, f.b}, core::Msg::DataInvalid},
      {{"0", f.a, f.count2}, core::Msg::DataCountInvalid},  // A is read before the checks
      {{"8", f.a, f.cut}, core::Msg::DataInvalid},          // B is read when given
      {{"4", f.a, "--a", "1E+308", "--b", "1E+308"}, core::Msg::CalcOverflow},
  };
  for (const auto& c : cases) {
    const Outcome r = Calc(c.args);
    EXPECT_EQ(r.code, cli::kDataError) << r.err;
    EXPECT_EQ(r.err, Line(c.message));
    EXPECT_EQ(r.out, "");
    EXPECT_FALSE(std::filesystem::exists(f.output)) << r.err;
  }
}

TEST(CalcCommand, WrongUsage) {
  Files f;
  for (const std::vector<std::string>& args :
       std::vector<std::vector<std::string>>{{},
                                             {"0"},
                                             {"12", f.a},
                                             {"-1", f.a},
                                             {"x", f.a},
                                             {"1.0", f.a},
                                             {"0", f.a, f.b, f.b},
                                             {"4", f.a, "--digits", "0"},
                                             {"4", f.a, "--digits", "18"},
                                             {"4", f.a, "--a"},
                                             {"4", f.a, "--c", "1"},
                                             {"4", f.a, "-o", ""}}) {
    const Outcome r = Calc(args);
    EXPECT_EQ(r.code, cli::kUsage) << (args.empty() ? "" : args[0]);
    EXPECT_NE(r.err.find("usage: zentu-cli calc"), std::string::npos);
  }
  EXPECT_FALSE(std::filesystem::exists(f.output));
  const Outcome help = Calc({"--help"});
  EXPECT_EQ(help.code, cli::kOk);
  EXPECT_NE(help.out.find("Exit codes"), std::string::npos);
  // After "--" an argument that starts with "-" is a file.
  f.folder.Write("-a.dat", "3 1\r\n1 2 3\r\n");
  const std::filesystem::path here = std::filesystem::current_path();
  std::filesystem::current_path(f.folder.path());
  const Outcome r = Calc({"--", "4", "-a.dat"});
  std::filesystem::current_path(here);
  EXPECT_EQ(r.code, cli::kOk) << r.err;
  EXPECT_EQ(ReadFile(f.output), "3 1\r\n0\r\n1\r\n2\r\n");
}

}  // namespace
