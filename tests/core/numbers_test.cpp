#include "core/numbers.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <vector>

namespace {

using core::FormatGeneral;
using core::FormatMask;
using core::FormatMaskSingle;

TEST(RoundHalfEven, HalvesGoToTheEvenNeighbour) {
  const struct {
    double in, out;
  } cases[] = {{0.5, 0},  {1.5, 2},   {2.5, 2},   {3.5, 4}, {15.5, 16}, {25.5, 26},
               {-0.5, 0}, {-1.5, -2}, {-2.5, -2}, {1.3, 1}, {1.7, 2},   {-1.7, -2}};
  for (const auto& c : cases) EXPECT_EQ(core::RoundHalfEven(c.in), c.out) << c.in;
}

TEST(ParseNumber, AcceptsWholeNumbersOnly) {
  const struct {
    const char* text;
    double value;
  } good[] = {{"25.", 25}, {".5", 0.5},    {"-3", -3},    {"+2.5", 2.5},
              {" 7 ", 7},  {"1E+05", 1e5}, {"1e-3", 1e-3}};
  for (const auto& c : good) {
    auto v = core::ParseNumber(c.text);
    ASSERT_TRUE(v.has_value()) << c.text;
    EXPECT_EQ(*v, c.value) << c.text;
  }
  for (const char* bad :
       {"", " ", "abc", "1,5", "2x", "nan", "inf", "-inf", "1e999", "--1", "+-1", "0x10"})
    EXPECT_FALSE(core::ParseNumber(bad).has_value()) << bad;
}

TEST(FormatGeneral, FifteenDigitsAndSignedExponent) {
  const struct {
    double v;
    const char* text;
  } cases[] = {{0, "0"},
               {-0.0, "0"},
               {1, "1"},
               {-2.5, "-2.5"},
               {0.1, "0.1"},
               {1.0 / 3, "0.333333333333333"},
               {123456789012345.0, "123456789012345"},
               {1e15, "1E+15"},
               {1.5e-5, "1.5E-05"},
               {0.0001, "0.0001"},
               {1e100, "1E+100"},
               {-1.25e-300, "-1.25E-300"}};
  for (const auto& c : cases) EXPECT_EQ(FormatGeneral(c.v), c.text) << c.v;
}

TEST(FormatGeneral, SeventeenDigitsRoundTripEveryDouble) {
  for (double v : {0.1, 1.0 / 3, 2.0 / 3 * 1e-200, 123.456789012345678, -9.87654321e30,
                   std::numeric_limits<double>::denorm_min(), std::numeric_limits<double>::max()}) {
    const std::string t = FormatGeneral(v, 17);
    EXPECT_EQ(*core::ParseNumber(t), v) << t;
  }
}

TEST(FormatGeneral, LargestDoublesRoundTowardsZeroAndReadBack) {
  constexpr double kMax = std::numeric_limits<double>::max();
  const struct {
    double v;
    int digits;
    const char* text;
  } cases[] = {
      {kMax, 15, "1.79769313486231E+308"},  // 1.79769313486232E+308 would overflow
      {-kMax, 15, "-1.79769313486231E+308"},
      {kMax, 17, "1.7976931348623157E+308"},
      {kMax, 3, "1.79E+308"},
      {kMax, 2, "1.7E+308"},
      {1.6e308, 1, "1E+308"},
      {1.79769313486230e308, 15, "1.7976931348623E+308"},  // a trailing zero dropped
      {1.5e308, 15, "1.5E+308"},                           // already reads back
  };
  for (const auto& c : cases)
    EXPECT_EQ(FormatGeneral(c.v, c.digits), c.text) << c.v << " " << c.digits;
  // Whatever the digits, the text of every large value reads back, within one
  // unit of its last digit: the top doubles one by one, then steps of 0.1 %
  // down to 1E+307.
  std::vector<double> large;
  for (double v = kMax; large.size() < 200; v = std::nextafter(v, 0.0)) large.push_back(v);
  for (double v = kMax; v > 1e307; v *= 0.999) large.push_back(v);
  for (int digits = 1; digits <= 17; ++digits)
    for (double v : large)
      for (double signedV : {v, -v}) {
        const std::string t = FormatGeneral(signedV, digits);
        const std::optional<double> back = core::ParseNumber(t);
        ASSERT_TRUE(back.has_value()) << t;
        EXPECT_LE(std::fabs(*back - signedV), std::fabs(signedV) * std::pow(10.0, 1 - digits)) << t;
      }
}

TEST(ReadDecimal, BelowTheSmallestDoubleReadsAsZero) {
  const struct {
    const char* text;
    double value;
  } cases[] = {{"1e-400", 0},
               {"-1e-400", -0.0},
               {"0.000001e-320", 0},
               {"1e-99999999999999", 0},
               {"2.4703282292062327e-324", 0},
               {"4.9e-324", std::numeric_limits<double>::denorm_min()},
               {"1E-310", 1e-310}};
  for (const auto& c : cases) {
    const std::optional<double> v = core::ParseNumber(c.text);
    ASSERT_TRUE(v.has_value()) << c.text;
    EXPECT_EQ(*v, c.value) << c.text;
    EXPECT_EQ(std::signbit(*v), std::signbit(c.value)) << c.text;
  }
  for (const char* beyond : {"1e309", "-1e309", "1000e306", "1e99999999999999", "0.1e310"})
    EXPECT_FALSE(core::ParseNumber(beyond).has_value()) << beyond;
  for (const char* signedText : {"-1", "+1", ""})
    EXPECT_FALSE(core::ReadDecimal(signedText)) << signedText;
}

TEST(FormatMask, DigitPlaceholdersAndPoint) {
  const struct {
    double v;
    const char* mask;
    const char* text;
  } cases[] = {
      {3, "######0.#######", "3."},
      {25, "######0.#######", "25."},
      {0.5, "######0.#######", "0.5"},
      {-12.125, "######0.#######", "-12.125"},
      {1.23456789, "######0.#######", "1.2345679"},
      {0.00000005, "######0.#######", "0.0000001"},  // half away from zero
      {0.00000004, "######0.#######", "0."},
      {-0.00000004, "######0.#######", "0."},  // no sign on a zero shown
      {12.5, "######0.0#####", "12.5"},
      {100, "######0.0#####", "100.0"},
      {1234.5678, "######0", "1235"},
      {2.5, "######0", "3"},  // masks round half away from zero
      {-2.5, "######0", "-3"},
      {1000, "#####0.0", "1000.0"},
      {12.345, "####0.00", "12.35"},  // 12.345 is 12.3449999... but 15 digits show ...45
      {0.012, "#0.00000", "0.01200"},
      {0.01, "0.000000", "0.010000"},
      {123.456, "##00000", "00123"},
      {1234567.8, "##00000", "1234568"},
      {9.99996, "0.0000", "10.0000"},
      {-0.05, "0.00000", "-0.05000"},
      {0.5, "#.##", ".5"},
  };
  for (const auto& c : cases) EXPECT_EQ(FormatMask(c.v, c.mask), c.text) << c.v << " " << c.mask;
}

TEST(FormatMask, ExponentForms) {
  const struct {
    double v;
    const char* mask;
    const char* text;
  } cases[] = {
      {12345, "0.00E+00", "1.23E+04"},   {0.000123, "0.00E+00", "1.23E-04"},
      {9.996, "0.00E+00", "1.00E+01"},   {0, "0.00E+00", "0.00E+00"},
      {-5e-300, "0.0E+00", "-5.0E-300"},
  };
  for (const auto& c : cases) EXPECT_EQ(FormatMask(c.v, c.mask), c.text) << c.v << " " << c.mask;
}

TEST(FormatMaskSingle, ShowsTheSingleAsThePlatformDoes) {
  const struct {
    double v;
    const char* text;
  } cases[] = {{25.3, "25.3"},
               {25, "25."},
               {75, "75."},
               {0.1, "0.1"},
               {1234567.89, "1234568."},
               {123.456789, "123.4568"},
               {-0.3, "-0.3"},
               {1.0 / 3, "0.3333333"},
               {2.0 / 3, "0.6666667"},
               {1e-8, "0."}};
  for (const auto& c : cases) EXPECT_EQ(FormatMaskSingle(c.v, "######0.#######"), c.text) << c.v;
}

TEST(FormatMask, ValuesNoMaskCanShowDoNotCrash) {
  const double inf = std::numeric_limits<double>::infinity();
  EXPECT_EQ(FormatMask(inf, "######0.#######"), "inf");
  EXPECT_EQ(FormatMask(-inf, "0.00E+00"), "-inf");
  EXPECT_EQ(FormatMask(std::nan(""), "######0"), "nan");
  EXPECT_FALSE(core::ParseNumber(FormatMask(inf, "0")).has_value());
  // Beyond the range of a single: the double is shown.
  EXPECT_EQ(FormatMaskSingle(1e39, "######0.#######"), "1000000000000000000000000000000000000000.");
  EXPECT_EQ(FormatMaskSingle(-1.5e308, "0.0E+00"), "-1.5E+308");
}

TEST(JoinPath, AddsOneSeparator) {
  EXPECT_EQ(core::JoinPath("/data", "g01.dat"), "/data/g01.dat");
  EXPECT_EQ(core::JoinPath("/", "g01.dat"), "/g01.dat");
  EXPECT_EQ(core::JoinPath("/data/", "g01.dat"), "/data/g01.dat");
  EXPECT_EQ(core::JoinPath("", "g01.dat"), "g01.dat");
}

TEST(GridFileName, HashBeforeTheLastDot) {
  const struct {
    const char* in;
    const char* out;
  } cases[] = {{"g01.dat", "g01#.dat"},
               {"/data/site.2002.dat", "/data/site.2002#.dat"},
               {"a.b", "a#.b"},
               {"/x/g01#.dat", "/x/g01##.dat"},
               {"/dir.d/noext", "/dir.d/noext#"},
               {"a.", "a.#"},
               {"samples/g01.dat", "samples/g01#.dat"}};
  for (const auto& c : cases) EXPECT_EQ(core::GridFileName(c.in), c.out) << c.in;
  // The dot must lie within the 100 characters before the last one.
  const std::string longExt(101, 'e');
  EXPECT_EQ(core::GridFileName("a." + longExt), "a." + longExt + "#");
  const std::string ext99(100, 'e');
  EXPECT_EQ(core::GridFileName("a." + ext99), "a#." + ext99);
}

// The 100 positions are characters: a name in Japanese has three bytes a
// character, and its dot used to be missed beyond 33 characters.
TEST(GridFileName, CountsCharactersNotBytes) {
  std::string ext, longer;
  for (int i = 0; i < 100; ++i) ext += "え";
  longer = ext + "え";
  EXPECT_EQ(core::GridFileName("測点." + ext), "測点#." + ext);
  EXPECT_EQ(core::GridFileName("測点." + longer), "測点." + longer + "#");
  EXPECT_EQ(core::GridFileName("データ.dat"), "データ#.dat");
  EXPECT_EQ(core::GridFileName("データ"), "データ#");
  EXPECT_EQ(core::GridFileName(""), "#");
}

}  // namespace
