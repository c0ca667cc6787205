// zentu-cli: the conversion of the main window and the grid arithmetic of
// the calculation window without a window, for scripts and batch work.
#include <iostream>
#include <string>
#include <vector>

#include "cli/calc_command.h"
#include "cli/grid_command.h"
#ifdef ZENTU_WITH_PLOT
#include "cli/plot_command.h"
#endif

namespace {
const char* const kUsage =
    "usage: zentu-cli COMMAND ...\n"
    "\n"
    "commands:\n"
    "  grid INPUT [options]   convert a data file into an ijz grid file\n"
    "  calc OP A [B] [options]\n"
    "                         combine ijz grids as the calculation window does\n"
#ifdef ZENTU_WITH_PLOT
    "  plot INPUT [options]   write the plot as PNG, metafile or PDF\n"
#endif
    "\n"
    "zentu-cli COMMAND --help describes a command.\n";
}  // namespace

int main(int argc, char** argv) {
  std::vector<std::string> args(argv + 1, argv + argc);
  if (args.empty() || args[0] == "--help" || args[0] == "-h") {
    (args.empty() ? std::cerr : std::cout) << kUsage;
    return args.empty() ? cli::kUsage : cli::kOk;
  }
  const std::string command = args[0];
  args.erase(args.begin());
  if (command == "grid") return cli::RunGrid(args, std::cout, std::cerr);
  if (command == "calc") return cli::RunCalc(args, std::cout, std::cerr);
#ifdef ZENTU_WITH_PLOT
  if (command == "plot") return cli::RunPlot(args, std::cout, std::cerr);
#endif
  std::cerr << "zentu-cli: unknown command " << command << "\n" << kUsage;
  return cli::kUsage;
}
