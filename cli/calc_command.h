// zentu-cli calc: the calculation window's run without a window. Reads A and
// B as picking them does, applies the run checks in the window's order, and
// writes C ("Cal#.dat" in A's folder, or -o) as the run button does.
#pragma once

#include <iosfwd>
#include <string>
#include <vector>

namespace cli {

int RunCalc(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

extern const char* const kCalcUsage;

}  // namespace cli
