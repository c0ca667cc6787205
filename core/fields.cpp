#include "core/fields.h"

#include <charconv>
#include <optional>
#include <system_error>

#include "core/numbers.h"

namespace core {

namespace {
inline bool IsSeparator(char c) {
  // One test for the common case: every separator lies at or below ','.
  return static_cast<unsigned char>(c) <= ',' &&
         (c == ',' || c == ' ' || c == '\t' || c == '\r' || c == '\n');
}

constexpr double kPow10[] = {1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,  1e8,  1e9,  1e10, 1e11,
                             1e12, 1e13, 1e14, 1e15, 1e16, 1e17, 1e18, 1e19, 1e20, 1e21, 1e22};

// The common decimal forms ("123", "12.5", ".5", "1.5E+03") read without
// std::from_chars: when the digits make an integer m <= 2^53 and the decimal
// exponent e satisfies |e| <= 22, both m and 10^|e| are exact doubles, so one
// multiplication or division gives the correctly rounded value, the same
// bits that std::from_chars gives. Returns where the number ends, or nullptr
// for any other text, which the caller then hands to std::from_chars.
const char* ParseSimple(const char* b, const char* e, double& v) {
  // Up to 19 digits (leading zeros included) cannot overflow 64 bits.
  uint64_t m = 0;
  int digits = 0, scale = 0;
  const char* p = b;
  for (unsigned d; p < e && (d = static_cast<unsigned char>(*p) - '0') <= 9; ++p, ++digits)
    m = m * 10 + d;
  const bool intDigits = digits > 0;
  if (p < e && *p == '.') {
    const char* f = ++p;
    for (unsigned d; p < e && (d = static_cast<unsigned char>(*p) - '0') <= 9; ++p, ++digits)
      m = m * 10 + d;
    scale = static_cast<int>(f - p);
    if (!intDigits && p == f) return nullptr;
  } else if (!intDigits) {
    return nullptr;
  }
  if (digits > 19) return nullptr;
  if (p < e && (*p == 'e' || *p == 'E')) {
    ++p;
    bool negative = false;
    if (p < e && (*p == '+' || *p == '-')) negative = *p++ == '-';
    if (p == e || static_cast<unsigned>(static_cast<unsigned char>(*p) - '0') > 9) return nullptr;
    int x = 0;
    for (unsigned d; p < e && (d = static_cast<unsigned char>(*p) - '0') <= 9; ++p) {
      if (x > 1000) return nullptr;
      x = x * 10 + static_cast<int>(d);
    }
    scale += negative ? -x : x;
  }
  if (m > (uint64_t{1} << 53)) return nullptr;
  if (m == 0) {
    v = 0;
    return p;
  }
  if (scale < -22 || scale > 22) return nullptr;
  const double dm = static_cast<double>(m);
  v = scale >= 0 ? dm * kPow10[scale] : dm / kPow10[-scale];
  return p;
}
}  // namespace

bool FieldReader::Next(double& v) {
  while (p_ < end_ && IsSeparator(*p_)) ++p_;
  start_ = p_;
  if (p_ == end_) return false;
  const char* b = p_;
  bool negative = false;
  if (*b == '+' || *b == '-') {
    negative = *b == '-';
    ++b;
  }
  double x = 0;
  if (const char* q = ParseSimple(b, end_, x); q && (q == end_ || IsSeparator(*q))) {
    p_ = q;
    v = negative ? -x : x;
    return true;
  }
  while (p_ < end_ && !IsSeparator(*p_)) ++p_;
  const std::optional<double> slow = ReadDecimal(std::string_view(b, static_cast<size_t>(p_ - b)));
  if (!slow) return false;
  v = negative ? -*slow : *slow;
  return true;
}

bool FieldReader::NextCount(int32_t& n) {
  double v = 0;
  if (!Next(v)) return false;
  const double r = RoundHalfEven(v);
  if (r < -2147483648.0 || r > 2147483647.0) return false;
  n = static_cast<int32_t>(r);
  return true;
}

bool FieldReader::NextInteger(int32_t& n) {
  while (p_ < end_ && IsSeparator(*p_)) ++p_;
  if (p_ == end_) return false;
  const char* b = p_;
  while (p_ < end_ && !IsSeparator(*p_)) ++p_;
  // std::from_chars takes a leading "-" but not a "+".
  if (*b == '+' && (++b == p_ || *b == '-')) return false;
  int32_t v = 0;
  const auto r = std::from_chars(b, p_, v, 10);
  if (r.ec != std::errc() || r.ptr != p_) return false;
  n = v;
  return true;
}

}  // namespace core
