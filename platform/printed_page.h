// The printed page: PrnScl on a QPrinter (device units are printer pixels)
// and the print sequence of the print button from PrnScl to the end of the
// document. The printer is the default printer or a PDF file.
#pragma once

#include <QPainter>
#include <QPrinter>
#include <string>

#include "core/data_state.h"
#include "core/line_file.h"
#include "render/page_layout.h"
#include "render/plot.h"

namespace platform {

// PrnScl for this printer: its twips per pixel are 1440 / its resolution.
render::PageLayout PrnSclFor(const QPrinter& printer, const render::ScreenMetrics& screen);

// An A4 portrait page, full page: the origin of the printed plot is the
// page's corner, as the page layout places it.
void SetUpA4Page(QPrinter& printer);

// A QPrinter writing a one-page A4 PDF at `dpi` to `path`, full page.
void SetUpPdfPrinter(QPrinter& printer, const std::string& path, int dpi);

// NoPrinter: no printer to print on. CannotStart: the document could not be
// opened. CannotFinish: the page was drawn but not completed or not taken.
enum class [[nodiscard]] PrintStatus{Printed, NoPrinter, CannotStart, CannotFinish};

// Steps 2 to 7 of a print: PrnScl, open the document and its page, transparent
// text background, PrnPntDrw, PrnFrmDrw (with the header), PrnLinDrw when lines
// are on, end the document. `layout` receives the page used.
PrintStatus PrintPage(QPrinter& printer, const render::ScreenMetrics& screen,
                      const core::DataState& d, const core::LineSet& lines,
                      const render::PlotControls& c, render::PageLayout* layout = nullptr);

}  // namespace platform
