// The Reporter of the windows: every message and question in a modal
// QMessageBox over the calling window, every input box a QInputDialog. A
// call from a worker thread is carried out on the window's thread, and the
// worker waits for the user's answer.
#pragma once

#include <QPointer>
#include <QWidget>

#include "core/report.h"

namespace platform {

class BoxReporter : public core::Reporter {
 public:
  explicit BoxReporter(QWidget* parent = nullptr) : parent_(parent) {}
  void SetParent(QWidget* parent) { parent_ = parent; }

  core::Answer Show(core::Msg m, const std::vector<std::string>& args = {}) override;
  std::optional<std::string> Input(core::Msg m, const std::string& proposal) override;

 private:
  core::Answer ShowHere(core::Msg m, const std::vector<std::string>& args);
  std::optional<std::string> InputHere(core::Msg m, const std::string& proposal);

  QPointer<QWidget> parent_;
};

// The title a box shows for m: its own, or the program's name.
QString BoxTitle(core::Msg m);

}  // namespace platform
