// The main window as the window tests start it: a program folder with the
// samples, a recording reporter, and recorders for the other windows and
// the desktop's services.
#pragma once

#include <gtest/gtest.h>

#include <QApplication>
#include <QMouseEvent>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "app/main_window.h"
#include "tests/support/fixtures.h"
#include "tests/ui/fake_desktop.h"

namespace testing_support {

class RecordingLinks : public platform::WindowLinks {
 public:
  void OpenChecker(int caller, QLineEdit* box) override {
    calls.push_back("checker " + std::to_string(caller) + (box ? " box" : ""));
  }
  void ShowCalculation() override { calls.push_back("calculation"); }
  void ShowLineChooser() override { calls.push_back("chooser"); }
  void ShowHelp() override { calls.push_back("help"); }
  void OpenWebPage() override { calls.push_back("web"); }
  void Quit() override { calls.push_back("quit"); }
  std::vector<std::string> calls;
};

// A program folder with the samples, and a main window started on it.
struct Started {
  Started() {
    for (const char* name : {"g01.dat", "line1.dat"})
      std::filesystem::copy_file(SamplePath(name), folder.path() + "/" + name);
  }
  app::MainWindow& Start() {
    window = std::make_unique<app::MainWindow>(folder.path(), report, settings, shared, links,
                                               *useClipboard, *usePrinter);
    return *window;
  }
  template <class W>
  W* Find(const char* name) {
    W* w = window->findChild<W*>(QString::fromLatin1(name));
    EXPECT_NE(w, nullptr) << name;
    return w;
  }
  QString Caption(const char* name) { return Find<QPushButton>(name)->text(); }
  QString Text(const char* name) { return Find<QLineEdit>(name)->text(); }
  void Click(const char* name) { Find<QPushButton>(name)->click(); }
  std::string Path(const char* name) const { return folder.path() + "/" + name; }

  TempFolder folder;
  core::RecordingReporter report;
  core::MemorySettings settings;
  platform::ProgramWide shared;
  RecordingLinks links;
  RecordingClipboard clipboard;
  RecordingPrinter printer{folder.path() + "/printed.pdf"};
  // The services the window gets: the recorders unless a test sets others.
  platform::ClipboardService* useClipboard = &clipboard;
  platform::PrinterService* usePrinter = &printer;
  std::unique_ptr<app::MainWindow> window;
};

inline void Mouse(QWidget* w, QEvent::Type type, Qt::MouseButton button, Qt::MouseButtons held,
                  QPointF at) {
  QMouseEvent e(type, at, w->mapToGlobal(at), button, held, Qt::NoModifier);
  QApplication::sendEvent(w, &e);
}

}  // namespace testing_support
