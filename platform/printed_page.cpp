#include "platform/printed_page.h"

#include <QPageLayout>
#include <QPageSize>
#include <QString>

#include "platform/painter_target.h"

namespace platform {

render::PageLayout PrnSclFor(const QPrinter& printer, const render::ScreenMetrics& screen) {
  const double twipsX = 1440.0 / printer.logicalDpiX();
  const double twipsY = 1440.0 / printer.logicalDpiY();
  return render::PrnScl(screen, twipsX, twipsY);
}

void SetUpA4Page(QPrinter& printer) {
  printer.setFullPage(true);
  printer.setPageLayout(
      QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(0, 0, 0, 0)));
}

void SetUpPdfPrinter(QPrinter& printer, const std::string& path, int dpi) {
  printer.setOutputFormat(QPrinter::PdfFormat);
  printer.setOutputFileName(QString::fromUtf8(path.c_str()));
  printer.setResolution(dpi);
  SetUpA4Page(printer);
}

PrintStatus PrintPage(QPrinter& printer, const render::ScreenMetrics& screen,
                      const core::DataState& d, const core::LineSet& lines,
                      const render::PlotControls& c, render::PageLayout* layout) {
  const render::PageLayout page = PrnSclFor(printer, screen);
  if (layout) *layout = page;
  QPainter painter;
  if (!painter.begin(&printer)) return PrintStatus::CannotStart;  // opens the document and its page
  {
    PainterTarget target(painter, &printer, page.unitPerMmX, page.unitPerMmY);  // transparent text
    render::PrintPlot(page, d, lines, c, target);
  }
  return painter.end() ? PrintStatus::Printed : PrintStatus::CannotFinish;
}

}  // namespace platform
