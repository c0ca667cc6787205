#include "app/program.h"

#include <QApplication>

namespace app {

Program::Program(const std::string& programFolder, std::unique_ptr<platform::DesktopShell> shell)
    : folder_(programFolder), shell_(shell ? std::move(shell) : std::make_unique<platform::QtDesktopShell>()) {
  main_ = std::make_unique<MainWindow>(folder_, report_, settings_, shared_, *this, clipboard_, printer_);
  report_.SetParent(main_.get());
}

Program::~Program() = default;

void Program::OpenChecker(int caller, QLineEdit* box) { (void)caller, (void)box; }
void Program::ShowCalculation() {}
void Program::ShowMain() {
  main_->show();
  main_->raise();
}
void Program::ShowLineChooser() {}
void Program::SetLineFile(const std::string& path) { main_->SetLineFile(path); }
QLineEdit* Program::PathBox(int caller) { return main_->PathBox(caller); }
void Program::RefreshFileLists() { main_->RefreshFileLists(); }
void Program::ShowHelp() { platform::ShowHelp(folder_, *shell_); }
void Program::OpenWebPage() { platform::OpenWebPage(*shell_); }

void Program::Quit() {
  if (quitting_) return;  // the main window's close, set off below, asks again
  quitting_ = true;
  QApplication::closeAllWindows();
  QCoreApplication::quit();
}

}  // namespace app
