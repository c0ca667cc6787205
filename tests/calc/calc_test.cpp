// The twelve operations value for value, their evaluation order, the profile
// layout, the run checks in their order, and what a run that cannot finish
// leaves behind.
#include "calc/calc.h"

#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <random>
#include <string>
#include <vector>

#include "core/grid_file.h"
#include "tests/support/fixtures.h"

namespace {

using calc::Operands;
using core::Msg;
using testing_support::ReadFile;
using testing_support::TempFolder;

// A(i, j) = 10·j + i: every value names its node.
const std::vector<double> k3x2 = {11, 12, 13, 21, 22, 23};
const std::vector<double> k3x3 = {11, 12, 13, 21, 22, 23, 31, 32, 33};
const std::vector<double> kB3x2 = {1, 2, 0, 4, -5, 0.5};

Operands Op(int operation, int32_t nx, int32_t ny, double a, double b) {
  Operands op;
  op.operation = operation;
  op.nx = nx;
  op.ny = ny;
  op.a = a;
  op.b = b;
  return op;
}

std::string Grid(int32_t nx, int32_t ny, const std::vector<double>& v, int digits = 15) {
  return core::GridFileText(nx, ny, v, digits);
}

TEST(CalcText, EveryOperationOnSmallGrids) {
  const double ln = 2.0;  // a of the logarithm case
  const struct {
    int operation;
    int32_t nx, ny;
    double a, b;
    std::vector<double> A, B, expected;
  } cases[] = {
      {0, 3, 2, 2, -3, k3x2, kB3x2, {19, 18, 26, 30, 59, 44.5}},
      {0, 3, 2, 1, -1, k3x2, kB3x2, {10, 10, 13, 17, 27, 22.5}},  // the defaults: A − B
      {1, 3, 2, 2, 99, k3x2, kB3x2, {22, 48, 0, 168, -220, 23}},
      {2, 3, 2, 2, 99, k3x2, kB3x2, {22, 12, 2600000, 10.5, -8.8, 92}},  // B = 0: A·(a·100000)
      {3,
       3,
       2,
       ln,
       1,
       {1, -2, 3, 0.5, -1, 2},
       {},
       {2 * std::log(2.0), 0, 2 * std::log(4.0), 2 * std::log(1.5), -200000, 2 * std::log(3.0)}},
      {4, 3, 2, 2, -3, k3x2, {}, {19, 21, 23, 39, 41, 43}},
      {5, 3, 3, 1, 0, k3x3, {}, {11, 21, 31, 12, 22, 32, 13, 23, 33}},
      {6, 3, 2, 1, 0, k3x2, {}, {13, 12, 11, 23, 22, 21}},
      {7, 3, 2, 1, 0, k3x2, {}, {21, 22, 23, 11, 12, 13}},
      {8, 3, 2, 1, 0, k3x2, {}, {23, 22, 21, 13, 12, 11}},
      {9, 3, 3, 1, 0, k3x3, {}, {33, 23, 13, 32, 22, 12, 31, 21, 11}},
      {6, 3, 2, -1, 0.5, k3x2, {}, {-12.5, -11.5, -10.5, -22.5, -21.5, -20.5}},
  };
  for (const auto& c : cases) {
    const auto text = calc::CalcText(Op(c.operation, c.nx, c.ny, c.a, c.b), c.A, c.B);
    ASSERT_TRUE(text) << c.operation;
    EXPECT_EQ(*text, Grid(c.nx, c.ny, c.expected)) << c.operation;
  }
}

TEST(CalcText, ProductsAndSumsInTheOrderShown) {
  // Each case gives other bits when evaluated in another order.
  const struct {
    int operation;
    double a, A, B;
    const char* value;
  } cases[] = {
      {1, 0.1, 3, 0.3, "0.090000000000000011"},  // (a·A)·B, not a·(A·B) = 0.09
      {2, 0.1, 3, 0.1, "3.0000000000000004"},    // (a·A)/B, not a·(A/B) = 3
      {2, 0.1, 3, 0, "30000"},                   // A·(a·100000), not (a·A)·100000
  };
  for (const auto& c : cases) {
    const std::vector<double> A(3, c.A), B(3, c.B);
    const auto text = calc::CalcText(Op(c.operation, 3, 1, c.a, 0), A, B, 17);
    ASSERT_TRUE(text);
    const std::string v = c.value;
    EXPECT_EQ(*text, "3 1\r\n" + v + "\r\n" + v + "\r\n" + v + "\r\n") << c.operation;
  }
}

TEST(CalcText, ProfilesAlongColumnsAndRows) {
  // nx = 2, ny = 3: A(1,1) = 1, A(2,1) = 2, A(1,2) = 3, ...
  const std::vector<double> A = {1, 2, 3, 4, 5, 6};
  EXPECT_EQ(calc::CalcText(Op(10, 2, 3, 10, 0.5), A, {}),
            "3\r\n10 1\r\n10.5 3\r\n11 5\r\n"
            "3\r\n10 2\r\n10.5 4\r\n11 6\r\n");
  EXPECT_EQ(calc::CalcText(Op(11, 2, 3, 10, 0.5), A, {}),
            "2\r\n10 1\r\n10.5 2\r\n"
            "2\r\n10 3\r\n10.5 4\r\n"
            "2\r\n10 5\r\n10.5 6\r\n");
  // The abscissa is a + (j − 1)·b, not a sum of steps (which gives
  // 0.69999999999999996 at the fourth point).
  const std::vector<double> column = {7, 7, 7, 7};
  EXPECT_EQ(
      calc::CalcText(Op(10, 1, 4, 0.1, 0.2), column, {}, 17),
      "4\r\n0.10000000000000001 7\r\n0.30000000000000004 7\r\n0.5 7\r\n0.70000000000000007 7\r\n");
}

TEST(CalcText, MirrorsAndTransposesUndoThemselves) {
  std::mt19937 rng(7);
  std::uniform_real_distribution<double> d(-1e6, 1e6);
  std::vector<double> A(25);
  for (double& v : A) v = d(rng);
  const std::string original = Grid(5, 5, A, 17);
  for (int operation : {5, 6, 7, 8, 9}) {
    const auto once = calc::CalcText(Op(operation, 5, 5, 1, 0), A, {}, 17);
    ASSERT_TRUE(once);
    EXPECT_NE(*once, original) << operation;
    // Read the values back from the text and apply the operation again.
    std::vector<double> back;
    size_t at = once->find("\r\n") + 2;
    while (at < once->size()) {
      const size_t end = once->find("\r\n", at);
      back.push_back(std::stod(once->substr(at, end - at)));
      at = end + 2;
    }
    EXPECT_EQ(calc::CalcText(Op(operation, 5, 5, 1, 0), back, {}, 17), original) << operation;
  }
}

TEST(CalcText, ResultsBeyondTheDoubleRangeGiveNothing) {
  const std::vector<double> big(3, 1e300), zero(3, 0);
  EXPECT_FALSE(calc::CalcText(Op(4, 3, 1, 1e10, 0), big, {}));
  EXPECT_FALSE(calc::CalcText(Op(2, 3, 1, 1e300, 0), big, zero));     // the substitute overflows
  EXPECT_FALSE(calc::CalcText(Op(11, 3, 1, 1e308, 1e308), big, {}));  // the abscissa
  EXPECT_TRUE(calc::CalcText(Op(4, 3, 1, 1, 0), big, {}));
}

calc::RunInputs Inputs(int operation) {
  calc::RunInputs in;
  in.operation = operation;
  in.text11 = "a.dat";
  in.text12 = "b.dat";
  in.text2 = in.text4 = "3";
  in.text3 = in.text5 = "2";
  return in;
}

TEST(CheckRun, TheFirstFailingCheckInTheWindowsOrder) {
  auto without = [](int operation, auto change) {
    calc::RunInputs in = Inputs(operation);
    change(in);
    return calc::CheckRun(in);
  };
  using In = calc::RunInputs;
  // Everything wrong at once: each check hides the ones after it.
  auto allWrong = [](In& in) {
    in.text12.clear();
    in.text21.clear();
    in.text22.clear();
    in.text4 = "4";
  };
  EXPECT_EQ(without(0, allWrong), Msg::CalcABNotSet);
  EXPECT_EQ(without(3, allWrong), Msg::CalcANotSet);  // B is not needed
  EXPECT_EQ(without(1, [](In& in) { in.text21.clear(), in.text22.clear(), in.text5 = "9"; }),
            Msg::CalcANotSet);
  EXPECT_EQ(without(0, [](In& in) { in.text22.clear(), in.text4 = "4"; }), Msg::CalcBNotSet);
  EXPECT_EQ(without(1, [](In& in) { in.text22.clear(), in.text4 = "4"; }), Msg::CalcSizeMismatch);
  EXPECT_EQ(without(2, [](In& in) { in.text22.clear(); }), std::nullopt);  // b unused by 1 and 2
  EXPECT_EQ(without(2, [](In& in) { in.text11.clear(); }), Msg::CalcABNotSet);
  // Sizes are compared as texts.
  EXPECT_EQ(without(0, [](In& in) { in.text4 = "03"; }), Msg::CalcSizeMismatch);
  EXPECT_EQ(without(4, [](In& in) { in.text4 = "4", in.text12.clear(); }), std::nullopt);
  EXPECT_EQ(without(5, [](In&) {}), Msg::CalcNotSquare);
  EXPECT_EQ(without(9, [](In& in) { in.text22.clear(); }), Msg::CalcBNotSet);
  EXPECT_EQ(without(9, [](In& in) { in.text3 = "3"; }), std::nullopt);
  EXPECT_EQ(without(8, [](In&) {}), std::nullopt);
  // A text of blanks is not empty here; Calc refuses it as not a number.
  EXPECT_EQ(without(0, [](In& in) { in.text21 = " "; }), std::nullopt);
}

TEST(OutputPath, FolderOfAOrBNeverEmpty) {
  calc::Grids g;
  g.dirA = "/data/a";
  calc::RunInputs in;
  EXPECT_EQ(calc::OutputPath(in, g), "/data/a/Cal#.dat");  // no B folder known
  g.dirB = "/";
  EXPECT_EQ(calc::OutputPath(in, g), "/Cal#.dat");  // a root gets no second separator
  in.option1 = true;
  EXPECT_EQ(calc::OutputPath(in, g), "/data/a/Cal#.dat");
}

struct RunFixture {
  TempFolder folder;
  calc::Grids grids;
  core::DataState main;
  core::RecordingReporter report;
  std::string output = folder.path() + "/Cal#.dat";

  RunFixture() {
    grids.gridA = k3x2;
    grids.gridB = kB3x2;
    main.xData.assign(101, 0.0);  // the main window holds 100 points
  }
  bool Run(const calc::RunInputs& in) { return calc::Calc(in, grids, output, 15, main, report); }
};

TEST(Calc, WritesCAndSetsTheMainWindowsGridFileAndSizes) {
  RunFixture f;
  ASSERT_TRUE(f.Run(Inputs(0)));
  EXPECT_EQ(ReadFile(f.output), Grid(3, 2, {10, 10, 13, 17, 27, 22.5}));
  EXPECT_EQ(f.main.gridFile, f.output);
  EXPECT_EQ(f.main.inNx, 3);
  EXPECT_EQ(f.main.inNy, 2);
  EXPECT_EQ(f.main.nData, 6);
  EXPECT_TRUE(f.report.shown.empty());
  // nData never exceeds the points the main window holds.
  f.main.xData.assign(4, 0.0);
  ASSERT_TRUE(f.Run(Inputs(4)));
  EXPECT_EQ(f.main.nData, 3);
  // b that is not a number does not matter to operations 1 and 2.
  calc::RunInputs in = Inputs(1);
  in.text22 = "x";
  EXPECT_TRUE(f.Run(in));
  EXPECT_TRUE(f.report.shown.empty());
}

TEST(Calc, ARunThatCannotFinishShowsOneMessageAndWritesNothing) {
  using In = calc::RunInputs;
  const struct {
    const char* what;
    int operation;
    void (*change)(In&, calc::Grids&);
    Msg message;
  } cases[] = {
      {"no A for 3..11", 4, [](In& in, calc::Grids&) { in.text11.clear(); }, Msg::FileNotSpecified},
      {"a of blanks", 0, [](In& in, calc::Grids&) { in.text21 = "  "; }, Msg::CalcANotSet},
      {"a not a number", 4, [](In& in, calc::Grids&) { in.text21 = "1,5"; }, Msg::CalcANotSet},
      {"b infinite", 4, [](In& in, calc::Grids&) { in.text22 = "inf"; }, Msg::CalcBNotSet},
      {"A never read", 4, [](In&, calc::Grids& g) { g.gridA.clear(); }, Msg::CalcGridUnread},
      {"A shorter", 0, [](In&, calc::Grids& g) { g.gridA.pop_back(); }, Msg::CalcGridUnread},
      {"size field typed", 6, [](In& in, calc::Grids&) { in.text2 = "4"; }, Msg::CalcGridUnread},
      {"size field empty", 6, [](In& in, calc::Grids&) { in.text2.clear(); }, Msg::CalcGridUnread},
      {"size 1.5", 6, [](In& in, calc::Grids&) { in.text2 = "1.5"; }, Msg::CalcGridUnread},
      {"B shorter", 1, [](In&, calc::Grids& g) { g.gridB.resize(2); }, Msg::CalcGridUnread},
      {"overflow", 4, [](In& in, calc::Grids&) { in.text21 = "1E+307"; }, Msg::CalcOverflow},
  };
  for (const auto& c : cases) {
    RunFixture f;
    calc::RunInputs in = Inputs(c.operation);
    c.change(in, f.grids);
    f.main.gridFile = "g01#.dat";
    EXPECT_FALSE(f.Run(in)) << c.what;
    EXPECT_EQ(f.report.shown, std::vector{c.message}) << c.what;
    EXPECT_FALSE(std::filesystem::exists(f.output)) << c.what;
    EXPECT_EQ(f.main.gridFile, "g01#.dat") << c.what;
  }
  // The grid message names the grid.
  RunFixture f;
  f.grids.gridB.clear();
  f.Run(Inputs(0));
  EXPECT_EQ(core::FilledText(f.report.shown[0], f.report.args[0]).substr(0, 3), "Ｂ");
}

TEST(Calc, AFailedWriteKeepsTheOldFileAndSaysSo) {
  RunFixture f;
  ASSERT_TRUE(f.Run(Inputs(4)));
  const std::string before = ReadFile(f.output);
  f.output = f.folder.path() + "/missing/Cal#.dat";
  EXPECT_FALSE(f.Run(Inputs(0)));
  EXPECT_EQ(f.report.shown, std::vector{Msg::GridWriteFailed});
  EXPECT_EQ(ReadFile(f.folder.path() + "/Cal#.dat"), before);
  EXPECT_EQ(f.main.gridFile, f.folder.path() + "/Cal#.dat");
}

}  // namespace
