#include "core/line_file.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

namespace {

using core::LineSet;

TEST(ReadLines, CountsOnlyWholeSegments) {
  const struct {
    std::string bytes;
    int32_t n;
  } cases[] = {
      {"", 0},
      {"0,0,1,1\r\n", 1},
      {"1 2 3 4 5 6 7", 1},                      // seven numbers: one segment
      {"1,2,3,4\r\n5,6,x,8\r\n9,9,9,9\r\n", 1},  // a bad field ends the reading
  };
  for (const auto& c : cases) {
    LineSet l;
    core::ReadLines(c.bytes, "0", l);
    EXPECT_EQ(l.nLines, c.n) << c.bytes;
  }
  std::string many;
  for (int i = 0; i < 1005; ++i) many += std::to_string(i) + ",0," + std::to_string(i) + ",1\r\n";
  LineSet l;
  core::ReadLines(many, "0", l);
  EXPECT_EQ(l.nLines, 1000);
  EXPECT_EQ(l.lineX1[1000], 999);
}

TEST(ReadLines, RotatesWithTheShortPi) {
  LineSet l;
  core::ReadLines("0,0,1,0", "90", l);
  const double theta = 90 * 3.1415927 / 180;
  EXPECT_EQ(l.lineX2[1], std::cos(theta));
  EXPECT_NEAR(l.lineX2[1], -2.3e-8, 0.1e-8);  // not exactly 0
  EXPECT_EQ(l.lineY2[1], std::sin(theta));
  EXPECT_EQ(l.lineX1[1], 0);
  // Each read rotates the fresh values once: reading twice at 30 stays at 30.
  for (int k = 0; k < 2; ++k) core::ReadLines("0,0,2,0", "30", l);
  EXPECT_NEAR(std::atan2(l.lineY2[1], l.lineX2[1]) * 180 / 3.14159265358979, 30, 1e-5);
  // Rotation uses the unrotated values of both coordinates.
  core::ReadLines("1,1,0,0", "180", l);
  EXPECT_NEAR(l.lineX1[1], -1, 1e-6);
  EXPECT_NEAR(l.lineY1[1], -1, 1e-6);
  // An angle that is not a number turns by nothing.
  core::ReadLines("3,4,5,6", "abc", l);
  EXPECT_EQ(l.lineX1[1], 3);
  EXPECT_EQ(l.lineY2[1], 6);
}

TEST(ReadLineFile, MissingFileGivesNoSegments) {
  LineSet l;
  l.nLines = 5;
  l.lineFile = "does/not/exist/line1.dat";
  core::ReadLineFile("0", l);
  EXPECT_EQ(l.nLines, 0);
}

}  // namespace
