#include "app/program.h"

#include <QApplication>

namespace app {

Program::Program(const std::string& programFolder) : folder_(programFolder) {
  main_ = std::make_unique<MainWindow>(folder_, report_, settings_, shared_, *this);
  report_.SetParent(main_.get());
}

Program::~Program() = default;

void Program::OpenChecker(int caller, QLineEdit* box) {
  shared_.checkerCaller = caller;
  (void)box;
}

void Program::ShowCalculation() {
  if (!calc_) {
    calc_ = std::make_unique<calc::CalcWindow>(folder_, main_->state().data, calcReport_, shared_, *this);
    calcReport_.SetParent(calc_.get());
  }
  main_->hide();
  calc_->Open();
  calc_->raise();
}

void Program::ShowMain() {
  main_->show();
  main_->raise();
}
void Program::ShowLineChooser() {}
void Program::SetLineFile(const std::string& path) { main_->SetLineFile(path); }
QLineEdit* Program::PathBox(int caller) { return main_->PathBox(caller); }
void Program::RefreshFileLists() { main_->RefreshFileLists(); }
void Program::ShowHelp() {}
void Program::OpenWebPage() {}

void Program::Quit() { QCoreApplication::quit(); }

}  // namespace app
