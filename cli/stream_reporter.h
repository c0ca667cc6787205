// A Reporter for the command line: every message goes to a stream as one
// line "TITLE: MESSAGE", and is remembered. Questions take their default
// answer; nothing is ever typed into an input box.
#pragma once

#include <algorithm>
#include <ostream>

#include "core/report.h"

namespace cli {

class StreamReporter : public core::RecordingReporter {
 public:
  explicit StreamReporter(std::ostream& out) : out_(out) {}
  core::Answer Show(core::Msg m, const std::vector<std::string>& args = {}) override {
    RecordingReporter::Show(m, args);
    out_ << core::MessageLine(m, args) << "\n" << std::flush;
    return core::DefaultAnswer(m);
  }
  std::optional<std::string> Input(core::Msg m, const std::string&) override {
    RecordingReporter::Show(m, {});
    return std::nullopt;
  }
  bool Saw(core::Msg m) const { return std::find(shown.begin(), shown.end(), m) != shown.end(); }

 private:
  std::ostream& out_;
};

}  // namespace cli
