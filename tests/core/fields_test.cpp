// The reader's own fast path for plain decimal fields (core/fields.cpp) must
// give exactly the doubles std::from_chars gives, and accept and refuse the
// same fields.
#include "core/fields.h"

#include <gtest/gtest.h>

#include <bit>
#include <charconv>
#include <cmath>
#include <cstdlib>
#include <random>
#include <string>

namespace {

// What the reader promises, built on other code: a sign handled apart, the
// rest through std::from_chars, finite values only; a value out of its range
// as the C library reads it, when that is finite (below the smallest double:
// 0).
bool Reference(const std::string& field, double& v) {
  const char* b = field.data();
  const char* e = b + field.size();
  bool negative = false;
  if (b < e && (*b == '+' || *b == '-')) {
    negative = *b++ == '-';
    if (b == e || *b == '+' || *b == '-') return false;
  }
  double x = 0;
  const auto r = std::from_chars(b, e, x, std::chars_format::general);
  if (r.ec == std::errc::result_out_of_range && r.ptr == e)
    x = std::strtod(std::string(b, e).c_str(), nullptr);
  else if (r.ec != std::errc() || r.ptr != e)
    return false;
  if (!std::isfinite(x)) return false;
  v = negative ? -x : x;
  return true;
}

void ExpectLikeReference(const std::string& field) {
  double want = 0, got = 0;
  const bool ok = Reference(field, want);
  core::FieldReader in(field);
  EXPECT_EQ(in.Next(got), ok) << field;
  if (ok) {
    EXPECT_EQ(std::bit_cast<uint64_t>(got), std::bit_cast<uint64_t>(want)) << field;
  }
}

TEST(FastFieldRead, SameValuesAndRefusalsAsFromChars) {
  const char* fields[] = {"0",
                          "-0",
                          "+0",
                          "00012",
                          "12.5",
                          "-12.5",
                          ".5",
                          "5.",
                          "1.e5",
                          ".e5",
                          ".",
                          "e5",
                          "1e",
                          "1e+",
                          "1E+05",
                          "1e-05",
                          "2.5E-3",
                          "0.1",
                          "0.3",
                          "123.4567",
                          "9007199254740992",
                          "9007199254740993",
                          "9007199254740993.0",
                          "1234567890123456",
                          "12345678901234567",
                          "0.000000000000000000000001",
                          "1e22",
                          "1e23",
                          "3e-22",
                          "3e-23",
                          "1.7976931348623157e308",
                          "1e309",
                          "4.9e-324",
                          "1e-400",
                          "-1e-400",
                          "2e-324",
                          "1e-9999999999",
                          "0x10",
                          "inf",
                          "nan",
                          "1.5.2",
                          "1e5.5",
                          "--1",
                          "+-1",
                          "12a",
                          "0.1000000000000000055511151231257827",
                          "999999999999999.9",
                          "0.00000000000000000000001e22",
                          "1e0000000000000000000005"};
  for (const char* f : fields) ExpectLikeReference(f);
}

TEST(FastFieldRead, RandomDecimalsMatchFromChars) {
  std::mt19937_64 rng(7);
  for (int k = 0; k < 20000; ++k) {
    std::string f;
    if (rng() % 4 == 0) f += '-';
    const int intDigits = static_cast<int>(rng() % 12), fracDigits = static_cast<int>(rng() % 12);
    for (int d = 0; d < intDigits; ++d) f += static_cast<char>('0' + rng() % 10);
    if (fracDigits > 0 || rng() % 2) f += '.';
    for (int d = 0; d < fracDigits; ++d) f += static_cast<char>('0' + rng() % 10);
    if (rng() % 3 == 0) f += "E" + std::to_string(static_cast<int>(rng() % 61) - 30);
    ExpectLikeReference(f);
  }
}

}  // namespace

namespace {

TEST(FieldReader, IntegersAreWrittenAsIntegers) {
  const struct {
    const char* field;
    bool ok;
    int32_t n;
  } cases[] = {{"3", true, 3},
               {"-2", true, -2},
               {"+007", true, 7},
               {"2147483647", true, INT32_MAX},
               {"-2147483648", true, INT32_MIN},
               {"2147483648", false, 0},
               {"3.0", false, 0},
               {"3.", false, 0},
               {"3E0", false, 0},
               {"+-3", false, 0},
               {"--3", false, 0},
               {"+", false, 0},
               {"-", false, 0},
               {"3x", false, 0},
               {"", false, 0}};
  for (const auto& c : cases) {
    int32_t n = 0;
    core::FieldReader in(c.field);
    EXPECT_EQ(in.NextInteger(n), c.ok) << c.field;
    if (c.ok) {
      EXPECT_EQ(n, c.n) << c.field;
    }
  }
  // A refused field is consumed: the next read starts after it.
  core::FieldReader in(" 3.0,, 4\r\n");
  int32_t n = 0;
  EXPECT_FALSE(in.NextInteger(n));
  EXPECT_TRUE(in.NextInteger(n));
  EXPECT_EQ(n, 4);
}

}  // namespace
