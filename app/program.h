// The program: its windows, the services they share, and the calls by which
// they reach each other (platform::WindowLinks). Closing the main window or
// "終了" in any window ends the program, closing every window.
#pragma once

#include <memory>
#include <string>

#include "app/main_window.h"
#include "calc/calc_window.h"
#include "platform/box_reporter.h"
#include "platform/settings_store.h"
#include "platform/window_links.h"

namespace app {

class Program : public platform::WindowLinks {
 public:
  explicit Program(const std::string& programFolder);
  ~Program() override;
  MainWindow& main() { return *main_; }

  void OpenChecker(int caller, QLineEdit* box) override;
  void ShowCalculation() override;
  void ShowMain() override;
  void ShowLineChooser() override;
  void SetLineFile(const std::string& path) override;
  QLineEdit* PathBox(int caller) override;
  void RefreshFileLists() override;
  void ShowHelp() override;
  void OpenWebPage() override;
  void Quit() override;

 private:
  std::string folder_;
  platform::BoxReporter report_;
  platform::QtSettingsStore settings_;
  platform::ProgramWide shared_;
  std::unique_ptr<MainWindow> main_;
  // The calculation window, made at its first opening; each window shows its
  // messages over itself.
  platform::BoxReporter calcReport_;
  std::unique_ptr<calc::CalcWindow> calc_;
};

}  // namespace app
