// Fuzz target: the field reader of every data file (core::FieldReader)
// against a reference built on other code. The text is cut at the
// separators independently; each field must read as the reference reads it
// (a sign apart, the rest through std::from_chars, a value out of range as
// strtod gives it when that is finite), bit for bit, and a count must be the
// value rounded half to even when it fits in 32 bits.
#include "core/fields.h"

#include <bit>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <optional>
#include <string>
#include <string_view>

#include "core/numbers.h"
#include "fuzz/fuzz_check.h"

namespace {

bool IsSeparator(char c) { return c == ',' || c == ' ' || c == '\t' || c == '\r' || c == '\n'; }

std::optional<double> Reference(std::string_view field) {
  const char* b = field.data();
  const char* e = b + field.size();
  bool negative = false;
  if (b < e && (*b == '+' || *b == '-')) {
    negative = *b++ == '-';
    if (b == e || *b == '+' || *b == '-') return std::nullopt;
  }
  double x = 0;
  const auto r = std::from_chars(b, e, x, std::chars_format::general);
  if (r.ptr != e || b == e) return std::nullopt;
  if (r.ec == std::errc::result_out_of_range)
    x = std::strtod(std::string(b, e).c_str(), nullptr);
  else if (r.ec != std::errc())
    return std::nullopt;
  if (!std::isfinite(x)) return std::nullopt;
  return negative ? -x : x;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  core::FieldReader values(text), counts(text);
  size_t p = 0;
  for (;;) {
    while (p < size && IsSeparator(text[p])) ++p;
    const size_t start = p;
    while (p < size && !IsSeparator(text[p])) ++p;
    double v = 0;
    int32_t n = 0;
    const bool read = values.Next(v);
    const bool counted = counts.NextCount(n);
    FUZZ_CHECK(values.FieldStart() == start);
    if (start == size) {  // the end
      FUZZ_CHECK(!read && !counted && values.AtEnd());
      return 0;
    }
    FUZZ_CHECK(!values.AtEnd());
    const std::optional<double> want = Reference(text.substr(start, p - start));
    FUZZ_CHECK(read == want.has_value());
    if (!read) {
      FUZZ_CHECK(!counted);
      continue;
    }
    FUZZ_CHECK(std::bit_cast<uint64_t>(v) == std::bit_cast<uint64_t>(*want));
    const double r = core::RoundHalfEven(v);
    FUZZ_CHECK(counted == (r >= -2147483648.0 && r <= 2147483647.0));
    if (counted) FUZZ_CHECK(n == static_cast<int32_t>(r));
  }
}
