// DataRead: reads an ijz grid file into grid A or B of the calculation
// window, by the main window's ijz reading rules (core/ijz_grid.h) and with
// its messages.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "calc/calc.h"
#include "core/data_read.h"
#include "core/data_state.h"
#include "core/report.h"

namespace calc {

enum class Target { A = 1, B = 2 };

struct ReadOutcome {
  core::ReadStatus status = core::ReadStatus::Ok;
  // The texts for the size fields (Text2/Text3 for A, Text4/Text5 for B):
  // nx and ny as read, also after a count or data error; empty when the
  // file gave no size (it cannot be opened, or its first two fields are not
  // integers).
  std::string nxText, nyText;
};

// Reads the bytes of an ijz file into `grid`. With sizes read, main.inNx and
// main.inNy take them and main.nData takes nx·ny (never beyond the points
// main holds). Then, shown through `report`:
// - sizes unreadable, not both at least 1, a product beyond 32 bits or
//   below 3: DataCountInvalid; the grid is kept as it was;
// - a value missing or not a number: DataInvalid; the grid holds the values
//   read, then zeros up to nx·ny (only the values read when the file is too
//   short to hold nx·ny fields at all);
// - otherwise the grid holds the nx·ny values in file order.
ReadOutcome DataReadBytes(std::string_view bytes, std::vector<double>& grid, core::DataState& main,
                          core::Reporter& report);

// DataRead(target, path): the grid of `target` from the file `path`. An
// empty path shows FileNotSpecified and a file that cannot be read
// FileCannotOpen; both leave the grid and main as they were.
ReadOutcome DataRead(Target target, const std::string& path, Grids& grids, core::DataState& main,
                     core::Reporter& report);

}  // namespace calc
