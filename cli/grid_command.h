// zentu-cli grid: reads an input file and converts it exactly as the main
// window's Draw and Convert do, writing the ijz grid file.
#pragma once

#include <iosfwd>
#include <string>
#include <vector>

#include "core/data_read.h"
#include "core/lattice.h"

namespace cli {

// Exit codes of the grid and plot commands.
enum Exit : int {
  kOk = 0,
  kDataError = 1,   // a read, count or data error stopped the command
  kUsage = 2,       // wrong usage, or a refused region or node count
  kWarning = 3,     // the grid was written after a warning
};

// The options shared by every command that reads an input file.
struct ReadArgs {
  std::string input;
  core::ReadOptions read;
  bool regionGiven = false;  // --region: the boxes below replace the default
  std::string region[4];     // Text21, Text22, Text23, Text24
  std::string nx, ny;        // Text25, Text26 when given
  bool nxGiven = false, nyGiven = false;
};

// The parts of "a,b,c" between commas ("" gives one empty part).
std::vector<std::string> SplitCommas(const std::string& text);

// Takes one reading option at argv[i] (advancing i past its value). Returns
// false with `error` set for a malformed option; `handled` tells whether the
// option was a reading option at all.
bool ParseReadOption(const std::vector<std::string>& args, size_t& i, ReadArgs& out, bool& handled,
                     std::string& error);

// The Convert Region boxes of a conversion: the Draw's default texts, with
// the given region and node counts put in their place.
core::RegionTexts RegionBoxes(const ReadArgs& a, const core::DataState& s);

int RunGrid(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

extern const char* const kGridUsage;

}  // namespace cli
