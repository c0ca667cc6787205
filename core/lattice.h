// DataRead2: node counts, convert region and node spacing of a conversion,
// and the node tables; DefaultRegionTexts: the Convert Region a Draw proposes.
#pragma once

#include <string>

#include "core/data_read.h"
#include "core/data_state.h"
#include "core/report.h"

namespace core {

// The Convert Region boxes: Text21 x from, Text22 y from, Text23 x to,
// Text24 y to; Text25 and Text26 the node counts in x and y.
struct RegionTexts {
  std::string text21, text22, text23, text24;
  std::string text25, text26;
};

enum class [[nodiscard]] LatticeStatus{
    Ok,       // lattice set, tables allocated (possibly after an nx/ny warning)
    Refused,  // a message was shown; nothing allocated, nothing to convert
};

// Fixes gridNx, gridNy, the region gridX1..gridY2 and gridDx, gridDy from the
// boxes, and allocates fresh node tables. Writes corrected or defaulted node
// counts back into box.text25 / box.text26, as the window shows them.
// Refuses, with a message, a data state without points, a count or region
// box that is not a number, a lattice too large to hold, and a region of zero
// width or height.
LatticeStatus DataRead2(Format format, RegionTexts& box, DataState& s, Reporter& report);

// The boxes a Draw writes: the middle half of the axis region ("as R" for the
// scattered formats: the value at single precision through "######0.#######";
// "as I" for ijz: rounded half to even), and the default node counts (at
// least "2").
RegionTexts DefaultRegionTexts(Format format, const DataState& s);

// A proposed node count as a box shows it: rounded half to even, and "2"
// when that is 1 or less or no number at all.
std::string CountText(double v);

}  // namespace core
