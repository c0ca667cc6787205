// zentu-cli: the conversion of the main window without a window, for scripts
// and batch work.
#include <iostream>
#include <string>
#include <vector>

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
#ifdef ZENTU_WITH_PLOT
    "  plot INPUT [options]   write the plot as PNG, metafile or PDF\n"
#endif
    "\n"
    "zentu-cli COMMAND --help describes a command.\n";
}

int main(int argc, char** argv) {
  std::vector<std::string> args(argv + 1, argv + argc);
  if (args.empty() || args[0] == "--help" || args[0] == "-h") {
    (args.empty() ? std::cerr : std::cout) << kUsage;
    return args.empty() ? cli::kUsage : cli::kOk;
  }
  const std::string command = args[0];
  args.erase(args.begin());
  if (command == "grid") return cli::RunGrid(args, std::cout, std::cerr);
#ifdef ZENTU_WITH_PLOT
  if (command == "plot") return cli::RunPlot(args, std::cout, std::cerr);
#endif
  std::cerr << "zentu-cli: unknown command " << command << "\n" << kUsage;
  return cli::kUsage;
}
