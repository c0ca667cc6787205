// The ijz grid file: line 1 the node counts "nx ny", then one value per line,
// j = 1..ny outer, i = 1..nx inner, CR LF line ends. DataWrite writes the
// result of a conversion in it.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "core/data_state.h"

namespace core {

// The bytes of an ijz file for values given in file order (x index fastest),
// each in the general number format with `digits` significant digits.
std::string GridFileText(int32_t nx, int32_t ny, const std::vector<double>& values, int digits = 15);

// Writes the node values of s.nodes (nearZ slot 0) to s.gridFile, replacing
// any earlier file only once the new one is complete. False when the file
// cannot be written; the old file then stays as it was.
bool DataWrite(const DataState& s, int digits = 15);

}  // namespace core
