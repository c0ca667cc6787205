// A host for the main window's commands in tests: records the captions and
// visibility each Show puts on the screen, paints on a RecordingTarget, and
// answers messages through a RecordingReporter.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "app/driver.h"
#include "tests/render/recording_target.h"

namespace testing_support {

class FakeHost : public app::Host {
 public:
  core::Reporter& reporter() override { return report; }
  void Show(const app::Controls& c) override { shown.push_back(c); }
  void ClearPicture() override {
    ++clears;
    painted.clear();
  }
  bool HasPicture() const override { return picture; }
  void Paint(const render::PageLayout& page,
             const std::function<void(render::Target&)>& paint) override {
    if (!picture) return;
    RecordingTarget t(page);
    paint(t);
    for (const Call& c : t.calls) painted.push_back(c);
  }
  void SetBusy(bool busy) override { busyChanges.push_back(busy); }
  std::string ProgramFolder() const override { return folder; }
  void RunLong(const std::function<void()>& work, gridding::MshWatch* watch) override {
    ++longRuns;
    if (watch && stopConvert) watch->stop = true;  // Esc before the first row
    work();
  }

  // Captions of Command1 in the order they were shown.
  std::vector<std::string> Captions() const {
    std::vector<std::string> out;
    for (const auto& c : shown) out.push_back(c.command1);
    return out;
  }
  std::vector<Call> Inverted() const {
    std::vector<Call> out;
    for (const Call& c : painted)
      if (c.kind == Call::InvertRectangle) out.push_back(c);
    return out;
  }

  core::RecordingReporter report;
  std::vector<app::Controls> shown;
  std::vector<Call> painted;
  std::vector<bool> busyChanges;
  int clears = 0;
  int longRuns = 0;
  bool picture = true;
  bool stopConvert = false;
  std::string folder;
};

}  // namespace testing_support
