// Numbers and text: rounding, single precision, parsing of box texts and file
// fields, the number masks ("######0.#######", "#####0.0", "##00000",
// "0.00E+00"), the general number format, and path joining. Each rule lives
// here once.
#pragma once

#include <cmath>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace core {

// Nearest integer, halves to the even neighbour: 2.5 -> 2, 3.5 -> 4, -2.5 -> -2.
inline double RoundHalfEven(double v) {
  double r = std::floor(v);
  const double frac = v - r;
  if (frac > 0.5 || (frac == 0.5 && std::fmod(r, 2.0) != 0.0)) r += 1.0;
  return r;
}

// The value as a float holds it, back in a double.
inline double ToSingle(double v) { return static_cast<double>(static_cast<float>(v)); }

// The number a whole text holds: optional blanks around an optional sign and a
// decimal number ("25.", ".5", "1E+05"). Empty text, other characters, and
// values that are not finite give no number; values below the smallest double
// read as 0 (ReadDecimal).
std::optional<double> ParseNumber(std::string_view text);

// The value of a decimal number without its sign ("25.", ".5", "1E+05"), the
// whole text, read as std::from_chars reads it, except that a value below the
// smallest double reads as 0, as the C library reads it. Nothing for other
// text, for "inf" and "nan", and for values beyond the largest double.
std::optional<double> ReadDecimal(std::string_view text);

// The general number format: `digits` significant digits (15 by default),
// trailing zeros dropped, exponent form "1.5E-05" / "1E+20" for magnitudes
// below 1E-04 or from 10^digits up. Negative zero is written "0". The text
// always reads back (ReadDecimal): the largest doubles, which rounding to
// `digits` digits would carry beyond the largest double, are rounded towards
// zero instead ("1.79769313486231E+308"). `v` must be finite.
std::string FormatGeneral(double v, int digits = 15);
// The same, appended to `out` (for writers of many values).
void AppendGeneral(std::string& out, double v, int digits = 15);

// Plain decimal integer.
std::string FormatInteger(int64_t v);

// A number through a mask: "0" a digit always shown, "#" a digit shown only
// when significant, "." the decimal point (kept even with no digit after it),
// and an optional "E+00" tail for a mantissa and a signed exponent of at least
// two digits. The last shown digit is rounded half away from zero on the
// number's decimal form of 15 significant digits; a negative number gets a
// leading minus sign, a number shown as zero none.
std::string FormatMask(double v, std::string_view mask);

// As FormatMask, for a value held at single precision: the float is first
// taken as the platform shows a single, its decimal form of at most 7
// significant digits (25.3f is "25.3", not "25.2999992").
std::string FormatMaskSingle(double v, std::string_view mask);

// Joins a folder and a file name with "/" unless the folder already ends with
// it; an empty folder gives the name alone.
std::string JoinPath(const std::string& folder, const std::string& name);

// The output grid name of an input file: "#" inserted before the last "." of
// the file name, looking back at most 100 characters from the second-last
// character ("g01.dat" -> "g01#.dat", "a.b" -> "a#.b"); a name without such a
// dot gets "#" at its end. The folder part is kept.
std::string GridFileName(const std::string& dataFile);

}  // namespace core
