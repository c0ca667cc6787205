// zentu-cli grid: reads an input file and converts it exactly as the main
// window's Draw and Convert do, writing the ijz grid file.
#pragma once

#include <iosfwd>
#include <string>
#include <vector>

#include "app/driver.h"
#include "cli/stream_reporter.h"

namespace cli {

// Exit codes of the grid and plot commands.
enum Exit : int {
  kOk = 0,
  kDataError = 1,  // a read, count or data error stopped the command
  kUsage = 2,      // wrong usage, or a refused region or node count
  kWarning = 3,    // the grid was written after a warning
};

// The options shared by every command that reads an input file, as the
// main window's controls hold them, and the boxes typed over the Draw's
// proposal.
struct ReadArgs {
  std::string input;
  app::Controls controls;
  app::TypedRegion typed;
};

// The parts of "a,b,c" between commas ("" gives one empty part).
std::vector<std::string> SplitCommas(const std::string& text);

// Takes one reading option at argv[i] (advancing i past its value). Returns
// false with `error` set for a malformed option; `handled` tells whether the
// option was a reading option at all.
bool ParseReadOption(const std::vector<std::string>& args, size_t& i, ReadArgs& out, bool& handled,
                     std::string& error);

// The host of a command without a window: messages to the stream of
// `report`, no picture, no settings file.
class CliHost : public app::Host {
 public:
  explicit CliHost(StreamReporter& report) : report_(report) {}
  core::Reporter& reporter() override { return report_; }
  int32_t Threads() const override { return threads; }
  int Digits() const override { return digits; }
  bool LiteralSchedule() const override { return literal; }
  int32_t threads = 0;
  int digits = 15;
  bool literal = false;

 private:
  StreamReporter& report_;
};

int RunGrid(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

extern const char* const kGridUsage;

}  // namespace cli
