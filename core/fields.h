// Numeric fields of a data file: numbers separated by commas, blanks, tabs or
// line breaks (CR LF or LF); runs of separators count as one. A field is read
// as core::ReadDecimal reads it (std::from_chars, so the result does not
// depend on the locale; a value below the smallest double reads as 0).
#pragma once

#include <cstdint>
#include <string_view>

namespace core {

class FieldReader {
 public:
  explicit FieldReader(std::string_view text)
      : p_(text.data()), end_(text.data() + text.size()), begin_(p_), start_(p_) {}

  // The next field as a finite double. False at the end of the text or when
  // the field is not a number (nan and inf are not numbers here, nor values
  // beyond the largest double); the field is consumed either way.
  bool Next(double& v);

  // The next field as a count: a number rounded half to even, which must fit
  // in 32 bits. False as Next, or when it does not fit.
  bool NextCount(int32_t& n);

  // The next field as an integer written as one: an optional sign and
  // decimal digits only ("3", "-2", "+007"), within 32 bits. "3.0", "3E0"
  // and anything else give false; the field is consumed either way.
  bool NextInteger(int32_t& n);

  // Bytes not yet read; an upper bound for the number of fields left is half
  // of it plus one.
  size_t Remaining() const { return static_cast<size_t>(end_ - p_); }

  // Where the field last asked for starts, counted in bytes from the start of
  // the text; the text's length when the text had ended.
  size_t FieldStart() const { return static_cast<size_t>(start_ - begin_); }
  // True when the last Next or NextCount failed because the text had ended
  // (not because the field was not a number).
  bool AtEnd() const { return start_ == end_; }

 private:
  const char* p_;
  const char* end_;
  const char* begin_;
  const char* start_;
};

}  // namespace core
