#include "core/grid_file.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "core/data_read.h"
#include "tests/support/fixtures.h"

namespace {

using testing_support::ReadFile;
using testing_support::TempFolder;

core::DataState TwoByTwo(const std::string& gridFile) {
  core::DataState s;
  s.gridFile = gridFile;
  s.gridNx = 2;
  s.gridNy = 2;
  s.nodes.Allocate(2, 2);
  s.nodes.Node(1, 1).value = 1.5;
  s.nodes.Node(2, 1).value = -2;
  s.nodes.Node(1, 2).value = 1.0 / 3;
  s.nodes.Node(2, 2).value = 1.5e-5;
  return s;
}

TEST(DataWrite, WritesCountsThenValuesXFastest) {
  TempFolder folder;
  const core::DataState s = TwoByTwo(folder.path() + "/g01#.dat");
  ASSERT_TRUE(core::DataWrite(s));
  EXPECT_EQ(ReadFile(s.gridFile), "2 2\r\n1.5\r\n-2\r\n0.333333333333333\r\n1.5E-05\r\n");
  ASSERT_TRUE(core::DataWrite(s, 17));
  EXPECT_EQ(ReadFile(s.gridFile), "2 2\r\n1.5\r\n-2\r\n0.33333333333333331\r\n1.5E-05\r\n");
  // Nothing else is left in the folder (the temporary file is renamed).
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder.path()),
                          std::filesystem::directory_iterator()),
            1);
}

TEST(DataWrite, ReadsBackAsTheSameLattice) {
  TempFolder folder;
  const core::DataState s = TwoByTwo(folder.path() + "/out#.dat");
  ASSERT_TRUE(core::DataWrite(s, 17));
  core::DataState back;
  back.dataFile = s.gridFile;
  core::ReadOptions opt;
  opt.format = core::Format::Ijz;
  core::RecordingReporter r;
  ASSERT_EQ(core::DataRead1(opt, back, r), core::ReadStatus::Ok);
  EXPECT_EQ(back.inNx, 2);
  EXPECT_EQ(back.inNy, 2);
  EXPECT_EQ(back.zData, (std::vector<double>{0, 1.5, -2, 1.0 / 3, 1.5e-5}));
}

TEST(DataWrite, FailedWriteKeepsTheOldFile) {
  TempFolder folder;
  core::DataState s = TwoByTwo(folder.path() + "/missing_folder/g#.dat");
  EXPECT_FALSE(core::DataWrite(s));
  // A target that cannot be replaced (a folder of that name) keeps what it was.
  const std::string old = folder.Write("old#.dat", "old contents");
  std::filesystem::create_directory(folder.path() + "/busy#.dat");
  std::filesystem::create_directory(folder.path() + "/busy#.dat/inside");
  s.gridFile = folder.path() + "/busy#.dat";
  EXPECT_FALSE(core::DataWrite(s));
  EXPECT_TRUE(std::filesystem::is_directory(s.gridFile));
  EXPECT_EQ(ReadFile(old), "old contents");
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder.path()),
                          std::filesystem::directory_iterator()),
            2);
}

}  // namespace
