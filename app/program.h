// The program: its windows, the services they share, and the calls by which
// they reach each other (platform::WindowLinks). Closing the main window or
// "終了" in any window ends the program, closing every window.
#pragma once

#include <memory>
#include <string>

#include "app/main_window.h"
#include "platform/box_reporter.h"
#include "platform/clipboard.h"
#include "platform/help.h"
#include "platform/printer_service.h"
#include "platform/settings_store.h"
#include "platform/window_links.h"

namespace app {

class Program : public platform::WindowLinks {
 public:
  // `shell` reaches the help viewer and the browser; the desktop's own
  // when none is given.
  explicit Program(const std::string& programFolder, std::unique_ptr<platform::DesktopShell> shell = nullptr);
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
  platform::DesktopClipboard clipboard_;
  platform::SystemPrinter printer_;
  std::unique_ptr<platform::DesktopShell> shell_;
  bool quitting_ = false;
  std::unique_ptr<MainWindow> main_;
};

}  // namespace app
