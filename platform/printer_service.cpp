#include "platform/printer_service.h"

#include <QDir>
#include <QPrinter>
#include <QPrinterInfo>
#include <QTemporaryFile>

#include "platform/text.h"

#ifdef ZENTU_WITH_CUPS
#include <cups/cups.h>
#endif

namespace platform {

PrintStatus SystemPrinter::Print(const render::ScreenMetrics& screen, const core::DataState& d,
                                 const core::LineSet& lines, const render::PlotControls& c,
                                 render::PageLayout* layout) {
  const QPrinterInfo info =
      queue_.isEmpty() ? QPrinterInfo::defaultPrinter() : QPrinterInfo::printerInfo(queue_);
  if (info.isNull()) return PrintStatus::NoPrinter;
#ifdef ZENTU_WITH_CUPS
  // Qt's own CUPS printing does not tell whether the scheduler took the job.
  // So the page is drawn into the PDF that Qt would send, at the printer's
  // resolution, and handed to CUPS here, where a refusal is seen.
  const int dpi = QPrinter(info, QPrinter::HighResolution).resolution();
  QTemporaryFile file(QDir::tempPath() + QStringLiteral("/zentu-print-XXXXXX.pdf"));
  if (!file.open()) return PrintStatus::CannotStart;
  file.close();
  const std::string path = ToPath(file.fileName());
  {
    QPrinter pdf(QPrinter::HighResolution);
    SetUpPdfPrinter(pdf, path, dpi);
    const PrintStatus drawn = PrintPage(pdf, screen, d, lines, c, layout);
    if (drawn != PrintStatus::Printed) return drawn;
  }
  // CUPS takes the queue's name without the instance that may follow "/".
  const QByteArray queue = info.printerName().section(QLatin1Char('/'), 0, 0).toLocal8Bit();
  cups_option_t* options = nullptr;
  const int count = cupsAddOption("media", "A4", 0, &options);
  const int job = cupsPrintFile(queue.constData(), path.c_str(), "Zentu", count, options);
  cupsFreeOptions(count, options);
  return job > 0 ? PrintStatus::Printed : PrintStatus::CannotFinish;
#else
  QPrinter printer(info, QPrinter::HighResolution);
  printer.setDocName(QStringLiteral("Zentu"));
  SetUpA4Page(printer);
  return PrintPage(printer, screen, d, lines, c, layout);
#endif
}

PrintStatus PdfFilePrinter::Print(const render::ScreenMetrics& screen, const core::DataState& d,
                                  const core::LineSet& lines, const render::PlotControls& c,
                                  render::PageLayout* layout) {
  QPrinter printer(QPrinter::HighResolution);
  SetUpPdfPrinter(printer, path_, dpi_);
  return PrintPage(printer, screen, d, lines, c, layout);
}

}  // namespace platform
