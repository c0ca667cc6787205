#include "core/numbers.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <string>

namespace core {

namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

// A number's decimal form: value = sign * 0.d1d2d3... * 10^pointPos, so that
// pointPos digits stand before the decimal point. Zero is "0" with pointPos 1.
struct Decimal {
  bool negative = false;
  std::string digits;
  int pointPos = 1;
};

// From the scientific text "d.ddde+XX" of to_chars.
Decimal DecimalFromScientific(std::string_view sci) {
  Decimal d;
  size_t k = 0;
  if (sci[k] == '-') {
    d.negative = true;
    ++k;
  }
  const size_t e = sci.find('e');
  for (size_t i = k; i < e; ++i)
    if (sci[i] != '.') d.digits.push_back(sci[i]);
  int exp10 = 0;
  std::from_chars(sci.data() + e + 1 + (sci[e + 1] == '+' ? 1 : 0), sci.data() + sci.size(), exp10);
  d.pointPos = exp10 + 1;
  while (d.digits.size() > 1 && d.digits.back() == '0') d.digits.pop_back();
  if (d.digits == "0") {
    d.negative = false;
    d.pointPos = 1;
  }
  return d;
}

Decimal DecimalOf(double v, int significant) {
  char buf[64];
  const auto r =
      std::to_chars(buf, buf + sizeof buf, v, std::chars_format::scientific, significant - 1);
  return DecimalFromScientific(std::string_view(buf, r.ptr - buf));
}

Decimal DecimalOfSingle(float v) {
  char buf[64];
  const auto r = std::to_chars(buf, buf + sizeof buf, v, std::chars_format::scientific, 6);
  return DecimalFromScientific(std::string_view(buf, r.ptr - buf));
}

// Adds one unit in the last place of a digit string; returns true when the
// carry ran out of the front (the string then starts with a new "1").
bool IncrementDigits(std::string& digits) {
  for (size_t i = digits.size(); i-- > 0;) {
    if (digits[i] != '9') {
      ++digits[i];
      return false;
    }
    digits[i] = '0';
  }
  digits.insert(digits.begin(), '1');
  return true;
}

struct Mask {
  int intRequired = 0;   // "0" before the point
  int intPositions = 0;  // "0" and "#" before the point
  bool point = false;
  int decRequired = 0;  // "0" after the point
  int decOptional = 0;  // "#" after the point
  bool exponent = false;
  bool exponentPlus = false;  // "E+": the sign is always shown
  int exponentDigits = 0;
};

Mask ParseMask(std::string_view m) {
  Mask k;
  size_t i = 0;
  for (; i < m.size() && m[i] != '.' && m[i] != 'E' && m[i] != 'e'; ++i) {
    if (m[i] == '0') ++k.intRequired;
    if (m[i] == '0' || m[i] == '#') ++k.intPositions;
  }
  if (i < m.size() && m[i] == '.') {
    k.point = true;
    for (++i; i < m.size() && m[i] != 'E' && m[i] != 'e'; ++i) {
      if (m[i] == '0') ++k.decRequired;
      if (m[i] == '#') ++k.decOptional;
    }
  }
  if (i < m.size()) {
    k.exponent = true;
    ++i;
    if (i < m.size() && (m[i] == '+' || m[i] == '-')) k.exponentPlus = m[i++] == '+';
    for (; i < m.size(); ++i)
      if (m[i] == '0') ++k.exponentDigits;
  }
  return k;
}

// Rounds the fraction digits to `keep` places, half away from zero, carrying
// into the integer digits.
void RoundFraction(std::string& intDigits, std::string& frac, size_t keep) {
  if (frac.size() <= keep) return;
  const bool up = frac[keep] >= '5';
  frac.resize(keep);
  if (!up) return;
  std::string all = intDigits + frac;
  if (all.empty()) all = "0";
  const size_t intLen = all.size() - frac.size();
  const bool grew = IncrementDigits(all);
  intDigits = all.substr(0, intLen + (grew ? 1 : 0));
  frac = all.substr(intLen + (grew ? 1 : 0));
}

std::string ApplyMask(const Decimal& d, const Mask& k) {
  const size_t maxDec = static_cast<size_t>(k.decRequired + k.decOptional);
  std::string intDigits, frac;
  int exp10 = 0;
  if (k.exponent) {
    // Mantissa with one digit before the point (or the mask's integer
    // positions, at least one).
    const int lead = std::max(1, k.intPositions);
    const bool zero = d.digits == "0";
    exp10 = zero ? 0 : d.pointPos - lead;
    intDigits = d.digits.substr(0, std::min<size_t>(d.digits.size(), lead));
    while (static_cast<int>(intDigits.size()) < lead) intDigits.push_back('0');
    if (d.digits.size() > static_cast<size_t>(lead)) frac = d.digits.substr(lead);
    RoundFraction(intDigits, frac, maxDec);
    if (static_cast<int>(intDigits.size()) > lead) {  // 9.99 became 10.0
      frac.insert(frac.begin(), intDigits.back());
      intDigits.pop_back();
      frac.resize(maxDec);
      ++exp10;
    }
  } else {
    if (d.pointPos > 0) {
      intDigits = d.digits.substr(0, std::min<size_t>(d.digits.size(), d.pointPos));
      while (static_cast<int>(intDigits.size()) < d.pointPos) intDigits.push_back('0');
      if (d.digits.size() > static_cast<size_t>(d.pointPos)) frac = d.digits.substr(d.pointPos);
    } else {
      frac.assign(static_cast<size_t>(-d.pointPos), '0');
      frac += d.digits;
    }
    RoundFraction(intDigits, frac, maxDec);
  }
  while (frac.size() > static_cast<size_t>(k.decRequired) && frac.back() == '0') frac.pop_back();
  while (frac.size() < static_cast<size_t>(k.decRequired)) frac.push_back('0');
  if (!k.exponent) {
    const size_t nz = intDigits.find_first_not_of('0');
    intDigits = nz == std::string::npos ? std::string() : intDigits.substr(nz);
    while (static_cast<int>(intDigits.size()) < k.intRequired)
      intDigits.insert(intDigits.begin(), '0');
  }
  const bool shownZero = (intDigits + frac).find_first_not_of('0') == std::string::npos;
  std::string out;
  if (d.negative && !shownZero) out.push_back('-');
  out += intDigits;
  if (k.point) out.push_back('.');
  out += frac;
  if (k.exponent) {
    out.push_back('E');
    if (exp10 < 0)
      out.push_back('-');
    else if (k.exponentPlus)
      out.push_back('+');
    std::string e = std::to_string(exp10 < 0 ? -exp10 : exp10);
    while (static_cast<int>(e.size()) < k.exponentDigits) e.insert(e.begin(), '0');
    out += e;
  }
  return out;
}

}  // namespace

namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// For a decimal text without sign that std::from_chars found out of range:
// whether its value lies below the smallest double (rather than beyond the
// largest), told by the decimal exponent of its first significant digit.
bool BelowDoubleRange(std::string_view t) {
  size_t i = 0;
  int64_t magnitude = 0;
  int64_t intDigits = 0;
  for (; i < t.size() && IsDigit(t[i]); ++i)
    if (intDigits > 0 || t[i] != '0') ++intDigits;
  if (intDigits > 0) {
    magnitude = intDigits - 1;
  } else if (i < t.size() && t[i] == '.') {
    for (++i; i < t.size() && IsDigit(t[i]); ++i) {
      --magnitude;
      if (t[i] != '0') break;
    }
  }
  while (i < t.size() && t[i] != 'e' && t[i] != 'E') ++i;
  int64_t exponent = 0;
  if (i < t.size()) {
    ++i;
    const bool negative = i < t.size() && t[i] == '-';
    if (i < t.size() && (t[i] == '+' || t[i] == '-')) ++i;
    for (; i < t.size() && IsDigit(t[i]); ++i)
      exponent = std::min<int64_t>(exponent * 10 + (t[i] - '0'), int64_t{1} << 40);
    if (negative) exponent = -exponent;
  }
  return magnitude + exponent < 0;
}

}  // namespace

std::optional<double> ReadDecimal(std::string_view text) {
  if (text.empty() || text[0] == '+' || text[0] == '-') return std::nullopt;
  double v = 0;
  const char* end = text.data() + text.size();
  const auto r = std::from_chars(text.data(), end, v, std::chars_format::general);
  if (r.ptr != end) return std::nullopt;
  if (r.ec == std::errc::result_out_of_range && BelowDoubleRange(text)) return 0.0;
  if (r.ec != std::errc() || !std::isfinite(v)) return std::nullopt;
  return v;
}

std::optional<double> ParseNumber(std::string_view text) {
  size_t b = 0, e = text.size();
  while (b < e && IsBlank(text[b])) ++b;
  while (e > b && IsBlank(text[e - 1])) --e;
  if (b == e) return std::nullopt;
  bool negative = false;
  if (text[b] == '+' || text[b] == '-') {
    negative = text[b] == '-';
    ++b;
  }
  const std::optional<double> v = ReadDecimal(text.substr(b, e - b));
  if (!v) return std::nullopt;
  return negative ? -*v : *v;
}

void AppendGeneral(std::string& out, double v, int digits) {
  if (v == 0) {
    out.push_back('0');
    return;
  }
  char buf[64];
  auto r = std::to_chars(buf, buf + sizeof buf, v, std::chars_format::general, digits);
  // Only magnitudes from 1E+308 up can round to a text beyond the largest
  // double. Such a text was rounded up, so one unit less in its last digit
  // is the value rounded towards zero, which reads back.
  const char* first = buf + (v < 0 ? 1 : 0);
  if (std::fabs(v) >= 1e308 && !ReadDecimal(std::string_view(first, r.ptr - first))) {
    r = std::to_chars(buf, buf + sizeof buf, v, std::chars_format::scientific, digits - 1);
    char* e = std::find(buf, r.ptr, 'e');
    char* d = e;
    while (*--d == '0' || *d == '.')
      if (*d == '0') *d = '9';
    --*d;
    // Trailing zeros of the mantissa go, as the general format drops them.
    char* m = e;
    while (m[-1] == '0') --m;
    if (m[-1] == '.') --m;
    r.ptr = std::copy(e, r.ptr, m);
  }
  for (char* p = buf; p != r.ptr; ++p) out.push_back(*p == 'e' ? 'E' : *p);
}

std::string FormatGeneral(double v, int digits) {
  std::string s;
  AppendGeneral(s, v, digits);
  return s;
}

std::string FormatInteger(int64_t v) { return std::to_string(v); }

std::string FormatMask(double v, std::string_view mask) {
  // No mask shows a value that is not finite; its text is not a number, so a
  // box holding it is refused where it is read back.
  if (std::isnan(v)) return "nan";
  if (std::isinf(v)) return v > 0 ? "inf" : "-inf";
  return ApplyMask(DecimalOf(v, 15), ParseMask(mask));
}

std::string FormatMaskSingle(double v, std::string_view mask) {
  const float f = static_cast<float>(v);
  // Beyond the single range the double itself is shown rather than an
  // overflowed single.
  if (!std::isfinite(f)) return FormatMask(v, mask);
  return ApplyMask(DecimalOfSingle(f), ParseMask(mask));
}

std::string JoinPath(const std::string& folder, const std::string& name) {
  if (folder.empty()) return name;
  if (folder.back() == '/') return folder + name;
  return folder + "/" + name;
}

std::string GridFileName(const std::string& dataFile) {
  const size_t slash = dataFile.rfind('/');
  const std::string folder =
      slash == std::string::npos ? std::string() : dataFile.substr(0, slash + 1);
  const std::string name = slash == std::string::npos ? dataFile : dataFile.substr(slash + 1);
  std::string out = name + "#";
  // The search counts characters, not bytes: it steps back over whole UTF-8
  // characters (a "." is never part of one), from the second-last character
  // back at most 100 characters.
  auto before = [&](size_t at) {
    do --at;
    while (at > 0 && (static_cast<unsigned char>(name[at]) & 0xC0) == 0x80);
    return at;
  };
  size_t at = name.empty() ? 0 : before(name.size());  // the last character
  for (int i = 1; i <= 100 && at > 0; ++i) {
    at = before(at);
    if (name[at] == '.') {
      out = name.substr(0, at) + "#" + name.substr(at);
      break;
    }
  }
  return folder + out;
}

}  // namespace core
