// Fuzz target: an overlay line file (core::ReadLines). The first byte picks
// the angle the segments are turned by; the rest is the file. At most 1000
// segments are kept, and turned by 0 degrees they are the numbers read.
#include "core/line_file.h"

#include <cmath>
#include <cstdint>
#include <string>
#include <string_view>

#include "core/fields.h"
#include "fuzz/fuzz_check.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size == 0) return 0;
  static const char* const kAngles[] = {"0", "30", "90", "-45.5", "360", "abc", "1e300", ""};
  const std::string angle = kAngles[data[0] % 8];
  const std::string_view bytes(reinterpret_cast<const char*>(data + 1), size - 1);
  core::LineSet lines;
  core::ReadLines(bytes, angle, lines);
  FUZZ_CHECK(lines.nLines >= 0 && lines.nLines <= core::kMaxLines);
  if (angle != "0") return 0;
  core::FieldReader in(bytes);
  for (int32_t i = 1; i <= lines.nLines; ++i) {
    for (const double got : {lines.lineX1[i], lines.lineY1[i], lines.lineX2[i], lines.lineY2[i]}) {
      double want = 0;
      FUZZ_CHECK(in.Next(want));
      FUZZ_CHECK(got == want);
    }
  }
  return 0;
}
