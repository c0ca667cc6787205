// Fuzz target: "Zentu1.pth", the main window's settings (app::ApplySettings
// on the design's controls). Every list keeps an index of its own, and the
// settings taken are written (SettingsText) and taken again unchanged.
#include <cstdint>
#include <iterator>
#include <string_view>

#include "app/settings_file.h"
#include "fuzz/fuzz_check.h"

namespace {

class QuietHost : public app::Host {
 public:
  core::Reporter& reporter() override { return report; }
  core::RecordingReporter report;
};

struct Applied {
  app::Controls c;
  app::MainState m;
  QuietHost host;
  bool Apply(std::string_view bytes) { return app::ApplySettings(bytes, c, m, host); }
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  Applied a;
  FUZZ_CHECK(a.Apply(bytes) == !bytes.empty());
  const app::Controls& c = a.c;
  FUZZ_CHECK(c.combo1 >= 0 && c.combo1 < static_cast<int>(std::size(app::kFormats)));
  FUZZ_CHECK(c.combo2 >= 0 && c.combo2 <= 1 && c.combo8 >= 0 && c.combo8 <= 1);
  FUZZ_CHECK(c.combo3 >= 0 && c.combo3 < static_cast<int>(std::size(render::kHeaderFaces)));
  FUZZ_CHECK(c.combo4 >= 0 && c.combo4 < app::kHeaderSizes &&
             c.combo4Text == std::to_string(c.combo4 + 1));
  FUZZ_CHECK(c.combo5 >= 0 && c.combo5 < static_cast<int>(std::size(app::kAlignments)));
  FUZZ_CHECK(!c.text1.empty());
  FUZZ_CHECK(a.host.report.shown.empty());
  const std::string text = app::SettingsText(a.c, a.m);
  Applied again;
  FUZZ_CHECK(again.Apply(text));
  FUZZ_CHECK(app::SettingsText(again.c, again.m) == text);
  return 0;
}
