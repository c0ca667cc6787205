#include "core/fields.h"

#include <charconv>
#include <cmath>

#include "core/numbers.h"

namespace core {

namespace {
inline bool IsSeparator(char c) {
  return c == ',' || c == ' ' || c == '\t' || c == '\r' || c == '\n';
}
}  // namespace

bool FieldReader::Next(double& v) {
  while (p_ < end_ && IsSeparator(*p_)) ++p_;
  if (p_ == end_) return false;
  const char* b = p_;
  while (p_ < end_ && !IsSeparator(*p_)) ++p_;
  bool negative = false;
  if (*b == '+' || *b == '-') {
    negative = *b == '-';
    ++b;
    if (b == p_ || *b == '+' || *b == '-') return false;
  }
  double x = 0;
  const auto r = std::from_chars(b, p_, x, std::chars_format::general);
  if (r.ec != std::errc() || r.ptr != p_ || !std::isfinite(x)) return false;
  v = negative ? -x : x;
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

}  // namespace core
