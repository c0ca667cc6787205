// The overlay line file: straight segments x1, y1, x2, y2 in data units, read
// and turned about the origin by the angle of the "Lines" angle list.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace core {

inline constexpr int32_t kMaxLines = 1000;

// Segment i (1..nLines) runs from (lineX1[i], lineY1[i]) to (lineX2[i],
// lineY2[i]), already rotated; index 0 is never used. Entries above nLines
// keep stale values and are never drawn.
struct LineSet {
  std::string lineFile;  // empty: none
  int32_t nLines = 0;
  std::array<double, kMaxLines + 1> lineX1{}, lineY1{}, lineX2{}, lineY2{};
};

// Reads up to 1000 segments from the bytes of a line file; a segment cut
// short by the end or by a field that is not a number is dropped and ends
// the reading. Then turns every segment by `angleText` degrees (a text that
// is not a number turns by 0), with 3.1415927 for pi.
void ReadLines(std::string_view bytes, std::string_view angleText, LineSet& lines);

// Reads lines.lineFile; a file that cannot be opened gives no segments. No
// message in any case.
void ReadLineFile(std::string_view angleText, LineSet& lines);

}  // namespace core
