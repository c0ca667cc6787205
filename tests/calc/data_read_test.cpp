// DataRead of grids A and B: the main window's ijz reading rules and
// messages, what each failure leaves in the grid, the size fields and the
// main window's sizes.
#include "calc/data_read.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/support/fixtures.h"

namespace {

using core::Msg;
using core::ReadStatus;

const std::vector<double> kOld = {7, 8, 9};

TEST(CalcDataRead, ReadsGridsAndRefusesBadFiles) {
  const struct {
    const char* bytes;
    ReadStatus status;
    const char* nx;
    const char* ny;
    std::vector<double> grid;  // what the grid holds afterwards
  } cases[] = {
      {"2 2\r\n10\r\n20\r\n30\r\n40\r\n99\r\n", ReadStatus::Ok, "2", "2", {10, 20, 30, 40}},
      {"3 1\n-1.5E+02,,  ,\t2\n.5",
       ReadStatus::Ok,
       "3",
       "1",
       {-150, 2, 0.5}},  // runs of separators
      {"+3 01\r\n1 2 3", ReadStatus::Ok, "3", "1", {1, 2, 3}},
      {"1 2\r\n1\r\n2\r\n", ReadStatus::CountError, "1", "2", kOld},  // nx·ny = 2
      {"-2 -3\r\n1 2 3 4 5 6", ReadStatus::CountError, "-2", "-3", kOld},
      {"0 5\r\n1 2 3", ReadStatus::CountError, "0", "5", kOld},
      {"70000 70000\r\n1 2 3", ReadStatus::CountError, "70000", "70000", kOld},  // beyond 32 bits
      {"3.0 1\r\n1 2 3", ReadStatus::CountError, "", "", kOld},  // a size must be an integer
      {"3 1E0\r\n1 2 3", ReadStatus::CountError, "", "", kOld},
      {"3000000000 1\r\n1 2 3", ReadStatus::CountError, "", "", kOld},
      {"", ReadStatus::CountError, "", "", kOld},
      {"2 2\r\n1\r\n2\r\n3\r\n", ReadStatus::DataError, "2", "2", {1, 2, 3, 0}},
      {"2 2\r\n1\r\nnan\r\n3\r\n4\r\n", ReadStatus::DataError, "2", "2", {1, 0, 0, 0}},
      {"3 1\r\ninf 2 3", ReadStatus::DataError, "3", "1", {0, 0, 0}},
      {"3 1\r\n1 2x 3", ReadStatus::DataError, "3", "1", {1, 0, 0}},
      // Far more values announced than the file could hold: only those read.
      {"40000 40000\r\n1 2 3", ReadStatus::DataError, "40000", "40000", {1, 2, 3}},
  };
  for (const auto& c : cases) {
    std::vector<double> grid = kOld;
    core::DataState main;
    core::RecordingReporter report;
    const calc::ReadOutcome r = calc::DataReadBytes(c.bytes, grid, main, report);
    EXPECT_EQ(r.status, c.status) << c.bytes;
    EXPECT_EQ(r.nxText, c.nx) << c.bytes;
    EXPECT_EQ(r.nyText, c.ny) << c.bytes;
    EXPECT_EQ(grid, c.grid) << c.bytes;
    const std::vector<Msg> shown = c.status == ReadStatus::Ok ? std::vector<Msg>{}
                                   : c.status == ReadStatus::CountError
                                       ? std::vector{Msg::DataCountInvalid}
                                       : std::vector{Msg::DataInvalid};
    EXPECT_EQ(report.shown, shown) << c.bytes;
    EXPECT_LT(grid.capacity(), 100u) << c.bytes;
  }
}

TEST(CalcDataRead, SetsTheMainWindowsSizesWithinThePointsItHolds) {
  core::DataState main;
  main.xData.assign(11, 0.0);  // 10 points held
  main.nData = 10;
  core::RecordingReporter report;
  std::vector<double> grid;
  calc::DataReadBytes("4 5\r\n", grid, main, report);  // a data error still sets the sizes
  EXPECT_EQ(main.inNx, 4);
  EXPECT_EQ(main.inNy, 5);
  EXPECT_EQ(main.nData, 10);
  calc::DataReadBytes("3 1\r\n1 2 3", grid, main, report);
  EXPECT_EQ(main.nData, 3);
  calc::DataReadBytes("x", grid, main, report);  // no size: nothing changes
  EXPECT_EQ(main.inNx, 3);
  EXPECT_EQ(main.nData, 3);
  calc::DataReadBytes("2 -2044055222 3", grid, main, report);  // found by fuzzing
  EXPECT_LE(main.nData, 0);
}

TEST(CalcDataRead, EmptyOrUnreadablePathKeepsTheGrid) {
  testing_support::TempFolder folder;
  calc::Grids g;
  g.gridB = kOld;
  core::DataState main;
  core::RecordingReporter report;
  EXPECT_EQ(calc::DataRead(calc::Target::B, "", g, main, report).status,
            ReadStatus::FileNotSpecified);
  EXPECT_EQ(calc::DataRead(calc::Target::B, folder.path() + "/none.dat", g, main, report).status,
            ReadStatus::CannotOpen);
  EXPECT_EQ(calc::DataRead(calc::Target::B, folder.path(), g, main, report).status,
            ReadStatus::CannotOpen);
  EXPECT_EQ(report.shown,
            (std::vector{Msg::FileNotSpecified, Msg::FileCannotOpen, Msg::FileCannotOpen}));
  EXPECT_EQ(g.gridB, kOld);
  const std::string path = folder.Write("a.dat", "3 1\r\n4 5 6\r\n");
  EXPECT_EQ(calc::DataRead(calc::Target::A, path, g, main, report).status, ReadStatus::Ok);
  EXPECT_EQ(g.gridA, (std::vector<double>{4, 5, 6}));
  EXPECT_EQ(g.gridB, kOld);
}

}  // namespace
