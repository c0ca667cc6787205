// The program: its windows, the services they share, and the calls by which
// they reach each other (platform::WindowLinks). Closing the main window or
// "終了" in any window ends the program, closing every window.
#pragma once

#include <QPointer>
#include <memory>
#include <string>

#include "app/main_window.h"
#include "calc/calc_window.h"
#include "checker/checker_window.h"
#include "linechooser/line_chooser_window.h"
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
  explicit Program(const std::string& programFolder,
                   std::unique_ptr<platform::DesktopShell> shell = nullptr);
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
  platform::ProgramWide shared_;
  platform::QtSettingsStore settings_;
  // Each window shows its messages over itself.
  platform::BoxReporter report_, calcReport_, checkerReport_;
  platform::DesktopClipboard clipboard_;
  platform::SystemPrinter printer_;
  std::unique_ptr<platform::DesktopShell> shell_;
  bool quitting_ = false;
  std::unique_ptr<MainWindow> main_;
  // Made at their first opening. The calculation window is kept when
  // closed (it loads again at the next opening); the checker and the
  // chooser delete themselves when closed and are made anew.
  std::unique_ptr<calc::CalcWindow> calc_;
  checker::DialogPrinterChoice printers_;
  QPointer<checker::CheckerWindow> checker_;
  QPointer<linechooser::LineChooserWindow> chooser_;
};

}  // namespace app
