// zentu-cli plot: reads an input file as a Draw does and writes the plot of
// each target to a file: the screen page as PNG, the metafile as .wmf, the
// printed page as a one-page A4 PDF.
#pragma once

#include <iosfwd>
#include <string>
#include <vector>

namespace cli {

int RunPlot(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

extern const char* const kPlotUsage;

}  // namespace cli
