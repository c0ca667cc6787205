// Fakes for the checker window's tests: the calls between windows, with the
// caller's path box, and the printer dialog.
#pragma once

#include <QLineEdit>
#include <QPrinter>
#include <memory>

#include "checker/checker_window.h"
#include "platform/window_links.h"

// Records the calls the checker makes; PathBox gives the test's box for the
// main window's input box code.
class RecordingLinks : public platform::WindowLinks {
 public:
  QLineEdit* PathBox(int caller) override {
    return caller == platform::kMainInput ? &box : nullptr;
  }
  void RefreshFileLists() override { ++refreshes; }
  void SetLineFile(const std::string& path) override { lineFiles.push_back(path); }

  QLineEdit box;
  int refreshes = 0;
  std::vector<std::string> lineFiles;
};

// The printer dialog answered with a PDF printer writing `pdf`, or with
// Cancel when `pdf` is empty.
class FakePrinters : public checker::PrinterChoice {
 public:
  QPrinter* Choose(QWidget*) override {
    ++shown;
    if (pdf.empty()) return nullptr;
    printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
    printer->setOutputFormat(QPrinter::PdfFormat);
    printer->setOutputFileName(QString::fromStdString(pdf));
    return printer.get();
  }

  std::string pdf;
  int shown = 0;
  std::unique_ptr<QPrinter> printer;
};
