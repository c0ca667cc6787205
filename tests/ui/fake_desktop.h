// The desktop's services as the window tests give them: a clipboard and a
// printer that keep what the user would get, and a shell that records the
// help files and addresses it is asked to open.
#pragma once

#include <string>
#include <vector>

#include "platform/clipboard.h"
#include "platform/help.h"
#include "platform/printer_service.h"

namespace testing_support {

class RecordingClipboard : public platform::ClipboardService {
 public:
  void Clear() override { ++clears; }
  bool PutMetafile(const platform::MetafileClip& clip) override {
    if (!take) return false;
    metafiles.push_back(clip);
    return true;
  }
  bool PutImage(const QImage& image) override {
    if (!take) return false;
    images.push_back(image.copy());
    return true;
  }
  bool take = true;
  int clears = 0;
  std::vector<platform::MetafileClip> metafiles;
  std::vector<QImage> images;
};

// Prints each page into `pdf` (150 dpi), or answers `answer` without printing.
class RecordingPrinter : public platform::PrinterService {
 public:
  explicit RecordingPrinter(std::string pdf) : file_(std::move(pdf), 150) {}
  platform::PrintStatus Print(const render::ScreenMetrics& screen, const core::DataState& d,
                              const core::LineSet& lines, const render::PlotControls& c,
                              render::PageLayout* layout) override {
    ++jobs;
    if (answer != platform::PrintStatus::Printed) return answer;
    return file_.Print(screen, d, lines, c, layout);
  }
  platform::PrintStatus answer = platform::PrintStatus::Printed;
  int jobs = 0;

 private:
  platform::PdfFilePrinter file_;
};

class RecordingShell : public platform::DesktopShell {
 public:
  void ShowHelpFile(const QString& path) override { helpFiles.push_back(path.toStdString()); }
  bool OpenUrl(const QUrl& url) override {
    urls.push_back(url.toString().toStdString());
    return browser;
  }
  bool browser = true;
  std::vector<std::string> helpFiles, urls;
};

}  // namespace testing_support
