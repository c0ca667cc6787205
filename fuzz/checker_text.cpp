// Fuzz target: a file opened in the checker (checker::LoadText). The text
// shown is valid UTF-8, and a text marked faithful gives back, when saved
// unedited, exactly the bytes of the lines it shows.
#include <cstdint>
#include <string>
#include <string_view>

#include "checker/encoding.h"
#include "checker/text_loader.h"
#include "fuzz/fuzz_check.h"

namespace {

bool ValidUtf8(std::string_view s) {
  size_t i = 0;
  while (i < s.size()) {
    const auto c = static_cast<unsigned char>(s[i]);
    const size_t n = c < 0x80 ? 1 : (c >> 5) == 6 ? 2 : (c >> 4) == 14 ? 3 : (c >> 3) == 30 ? 4 : 0;
    if (n == 0 || i + n > s.size()) return false;
    for (size_t k = 1; k < n; ++k)
      if ((static_cast<unsigned char>(s[i + k]) >> 6) != 2) return false;
    i += n;
  }
  return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  core::RecordingReporter report, again;
  const checker::LoadedText t = checker::LoadText(bytes, report);
  FUZZ_CHECK(ValidUtf8(t.text));
  if (!t.faithful) return 0;
  const std::string lines = checker::JoinLines(checker::ReadTextLines(bytes, again));
  const auto saved = checker::Encode(t.text, t.encoding);
  FUZZ_CHECK(saved && *saved == lines);
  return 0;
}
