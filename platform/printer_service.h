// The printer of the print button: PrinterService prints the plot's page on
// a printer without a dialog. SystemPrinter is a queue of the desktop's
// print system (the default printer unless named); PdfFilePrinter writes
// the page to a PDF file.
#pragma once

#include <QString>
#include <string>

#include "core/data_state.h"
#include "core/line_file.h"
#include "platform/printed_page.h"
#include "render/page_layout.h"
#include "render/plot.h"

namespace platform {

class PrinterService {
 public:
  virtual ~PrinterService() = default;
  // PrnScl on this printer (into `layout` once the printer is there), then
  // the page (PrintPage) sent as one job.
  virtual PrintStatus Print(const render::ScreenMetrics& screen, const core::DataState& d,
                            const core::LineSet& lines, const render::PlotControls& c,
                            render::PageLayout* layout) = 0;
};

class SystemPrinter : public PrinterService {
 public:
  // `queue` empty: whatever printer is the default when Print is called.
  explicit SystemPrinter(QString queue = {}) : queue_(std::move(queue)) {}
  // NoPrinter without such a printer; CannotFinish when the print system
  // refuses the job.
  PrintStatus Print(const render::ScreenMetrics& screen, const core::DataState& d,
                    const core::LineSet& lines, const render::PlotControls& c,
                    render::PageLayout* layout) override;

 private:
  QString queue_;
};

class PdfFilePrinter : public PrinterService {
 public:
  PdfFilePrinter(std::string path, int dpi) : path_(std::move(path)), dpi_(dpi) {}
  PrintStatus Print(const render::ScreenMetrics& screen, const core::DataState& d,
                    const core::LineSet& lines, const render::PlotControls& c,
                    render::PageLayout* layout) override;

 private:
  std::string path_;
  int dpi_;
};

}  // namespace platform
