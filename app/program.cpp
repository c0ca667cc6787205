#include "app/program.h"

#include <QApplication>
#include <QScreen>
#include <algorithm>

#include "platform/file_lists.h"

namespace app {

namespace {

// A window opened for `caller` goes beside it (to its right, top aligned),
// as far as the screen lets it.
void PlaceBeside(QWidget* window, const QWidget* caller) {
  if (!caller) return;
  const QRect c = caller->window()->frameGeometry();
  QPoint at(c.right() + 8, c.top());
  if (const QScreen* screen = caller->screen()) {
    const QRect room = screen->availableGeometry();
    at.setX(
        std::max(room.left(), std::min(at.x(), room.right() - window->frameGeometry().width())));
    at.setY(
        std::max(room.top(), std::min(at.y(), room.bottom() - window->frameGeometry().height())));
  }
  window->move(at);
}

}  // namespace

Program::Program(const std::string& programFolder, std::unique_ptr<platform::DesktopShell> shell)
    : folder_(programFolder),
      shell_(shell ? std::move(shell) : std::make_unique<platform::QtDesktopShell>()) {
  main_ = std::make_unique<MainWindow>(folder_, report_, settings_, shared_, *this, clipboard_,
                                       printer_);
  report_.SetParent(main_.get());
}

Program::~Program() {
  delete checker_.data();
  delete chooser_.data();
}

void Program::OpenChecker(int caller, QLineEdit* box) {
  shared_.checkerCaller = caller;
  if (!checker_) {
    checker_ = new checker::CheckerWindow(shared_, *this, checkerReport_, printers_);
    checkerReport_.SetParent(checker_);
    checker_->LoadTextFile(box, checker_->TextAreaWidthTwips() + 50);
    PlaceBeside(checker_, box);
    return;
  }
  checker_->LoadTextFile(box, checker_->TextAreaWidthTwips() + 50);
}

void Program::ShowCalculation() {
  if (!calc_) {
    calc_ = std::make_unique<calc::CalcWindow>(folder_, main_->state().data, calcReport_, shared_,
                                               *this);
    calcReport_.SetParent(calc_.get());
  }
  main_->hide();
  calc_->Open();
}

void Program::ShowMain() {
  if (quitting_) return;
  main_->show();
  main_->raise();
}

void Program::ShowLineChooser() {
  if (!chooser_) {
    chooser_ = new linechooser::LineChooserWindow(*this);
    PlaceBeside(chooser_, main_.get());
  }
  chooser_->ShowRefreshed();
}

void Program::SetLineFile(const std::string& path) { main_->SetLineFile(path); }

QLineEdit* Program::PathBox(int caller) {
  if (QLineEdit* box = main_->PathBox(caller)) return box;
  const char* names[] = {"Text11", "Text12", "Text13"};
  if (calc_ && caller >= platform::kCalcA && caller <= platform::kCalcC)
    return calc_->findChild<QLineEdit*>(QString::fromLatin1(names[caller - platform::kCalcA]));
  return nullptr;
}

void Program::RefreshFileLists() {
  main_->RefreshFileLists();
  if (!calc_) return;
  if (auto* dir = calc_->findChild<platform::FolderList*>(QStringLiteral("Dir1"))) dir->Refresh();
  if (auto* files = calc_->findChild<platform::FileList*>(QStringLiteral("File1")))
    files->Refresh();
}

void Program::ShowHelp() { platform::ShowHelp(folder_, *shell_); }
void Program::OpenWebPage() { platform::OpenWebPage(*shell_); }

void Program::Quit() {
  if (quitting_) return;  // the main window's close, set off below, asks again
  quitting_ = true;
  QApplication::closeAllWindows();
  QCoreApplication::quit();
}

}  // namespace app
