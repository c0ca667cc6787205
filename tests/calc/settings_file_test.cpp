// "Zentu2.pth": the four lines, and files that hold fewer or odd lines.
#include "calc/settings_file.h"

#include <gtest/gtest.h>

#include "tests/support/fixtures.h"

namespace {

TEST(CalcSettings, PartialFilesSetOnlyTheLinesTheyHold) {
  EXPECT_FALSE(calc::ParseCalcSettings(""));
  const struct {
    const char* bytes;
    std::optional<std::string> drive, folder, pattern;
    std::optional<int> operation;
  } cases[] = {
      {"/\r\n/home/u\r\nline*.dat\r\n7\r\n", "/", "/home/u", "line*.dat", 7},
      {"/\n/home/u\nline*.dat\n 11 \n", "/", "/home/u", "line*.dat", 11},  // LF ends, blanks
      {"/\r\n/home/u\r\n", "/", "/home/u", std::nullopt, std::nullopt},
      {"/\r\n/home/u", "/", "/home/u", std::nullopt, std::nullopt},  // last line without its end
      {"/\r\n/home/u\r\n\r\n3", "/", "/home/u", "*.dat", 3},         // empty pattern
      {"\r\n", "", std::nullopt, std::nullopt, std::nullopt},
      {"/\r\n/\r\n*.dat\r\n12\r\n", "/", "/", "*.dat", std::nullopt},  // no such operation
      {"/\r\n/\r\n*.dat\r\n2.5\r\n", "/", "/", "*.dat", std::nullopt},
      {"/\r\n/\r\n*.dat\r\n-1\r\n", "/", "/", "*.dat", std::nullopt},
  };
  for (const auto& c : cases) {
    const auto s = calc::ParseCalcSettings(c.bytes);
    ASSERT_TRUE(s) << c.bytes;
    EXPECT_EQ(s->drive, c.drive) << c.bytes;
    EXPECT_EQ(s->folder, c.folder) << c.bytes;
    EXPECT_EQ(s->pattern, c.pattern) << c.bytes;
    EXPECT_EQ(s->operation, c.operation) << c.bytes;
  }
}

TEST(CalcSettings, WrittenFileReadsBack) {
  testing_support::TempFolder folder;
  EXPECT_FALSE(calc::ReadCalcSettings(folder.path()));
  ASSERT_TRUE(calc::WriteCalcSettings(folder.path(), "/", "/data/x y", "line*.dat", 10));
  EXPECT_EQ(testing_support::ReadFile(folder.path() + "/Zentu2.pth"),
            "/\r\n/data/x y\r\nline*.dat\r\n10\r\n");
  const auto s = calc::ReadCalcSettings(folder.path());
  ASSERT_TRUE(s);
  EXPECT_EQ(s->folder, "/data/x y");
  EXPECT_EQ(s->operation, 10);
  EXPECT_FALSE(calc::WriteCalcSettings(folder.path() + "/missing", "/", "/", "*.dat", 0));
}

}  // namespace
