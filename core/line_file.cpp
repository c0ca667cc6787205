#include "core/line_file.h"

#include <cmath>
#include <optional>

#include "core/fields.h"
#include "core/numbers.h"
#include "core/text_file.h"

namespace core {

void ReadLines(std::string_view bytes, std::string_view angleText, LineSet& lines) {
  FieldReader in(bytes);
  int32_t n = 0;
  for (int32_t i = 1; i <= kMaxLines; ++i) {
    // Values are stored as read: a cut-short segment may leave some of its
    // numbers behind, but it is not counted.
    if (!in.Next(lines.lineX1[i]) || !in.Next(lines.lineY1[i]) || !in.Next(lines.lineX2[i]) ||
        !in.Next(lines.lineY2[i]))
      break;
    n = i;
  }
  lines.nLines = n;

  const double a = ParseNumber(angleText).value_or(0.0);
  const double theta = a * 3.1415927 / 180;
  const double c = std::cos(theta), s = std::sin(theta);
  for (int32_t i = 1; i <= n; ++i) {
    const double x1 = lines.lineX1[i], y1 = lines.lineY1[i];
    const double x2 = lines.lineX2[i], y2 = lines.lineY2[i];
    lines.lineX1[i] = c * x1 - s * y1;
    lines.lineY1[i] = s * x1 + c * y1;
    lines.lineX2[i] = c * x2 - s * y2;
    lines.lineY2[i] = s * x2 + c * y2;
  }
}

void ReadLineFile(std::string_view angleText, LineSet& lines) {
  const std::optional<std::string> bytes = ReadFileBytes(lines.lineFile);
  ReadLines(bytes ? std::string_view(*bytes) : std::string_view(), angleText, lines);
}

}  // namespace core
