// Fuzz target: "Zentu2.pth", the calculation window's settings
// (calc::ParseCalcSettings). Whatever it holds, the settings it gives are
// written back as the same settings.
#include <cstdint>
#include <string_view>

#include "calc/settings_file.h"
#include "fuzz/fuzz_check.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  const auto s = calc::ParseCalcSettings(bytes);
  FUZZ_CHECK(s.has_value() == !bytes.empty());
  if (!s || !s->drive || !s->folder || !s->pattern || !s->operation) return 0;
  for (const std::string* line : {&*s->drive, &*s->folder, &*s->pattern})
    if (line->find_first_of("\r\n") != std::string::npos) return 0;  // cannot be one line
  const std::string text =
      calc::CalcSettingsText(*s->drive, *s->folder, *s->pattern, *s->operation);
  const auto again = calc::ParseCalcSettings(text);
  FUZZ_CHECK(again && again->drive == s->drive && again->folder == s->folder &&
             again->pattern == s->pattern && again->operation == s->operation);
  return 0;
}
