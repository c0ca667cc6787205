// A Reporter for the command line: every message goes to a stream as one
// line "TITLE: MESSAGE", and is remembered.
#pragma once

#include <algorithm>
#include <ostream>

#include "core/report.h"

namespace cli {

class StreamReporter : public core::RecordingReporter {
 public:
  explicit StreamReporter(std::ostream& out) : out_(out) {}
  void Show(core::Msg m) override {
    RecordingReporter::Show(m);
    out_ << core::MessageLine(m) << "\n" << std::flush;
  }
  bool Saw(core::Msg m) const { return std::find(shown.begin(), shown.end(), m) != shown.end(); }

 private:
  std::ostream& out_;
};

}  // namespace cli
