// The ijz grid file: line 1 the node counts "nx ny", then one value per line,
// j = 1..ny outer, i = 1..nx inner, CR LF line ends. DataWrite writes the
// result of a conversion in it.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "core/data_state.h"
#include "core/text_file.h"

namespace core {

// The pieces of the ijz writer, for writers that compute the values as they
// go (the calculation window): the header line "nx ny", and one value line
// in the general number format with `digits` significant digits.
void AppendGridHeader(std::string& out, int32_t nx, int32_t ny);
void AppendGridValue(std::string& out, double v, int digits = 15);
// A line holding a count alone (a profile block's number of points).
void AppendCountLine(std::string& out, int64_t count);
// Two numbers on one line, separated as nx and ny are on the header line,
// each in the general number format (the profile lines of the calculation
// window).
void AppendGridPair(std::string& out, double first, double second, int digits = 15);
// Bytes per value line to reserve for `digits` significant digits.
inline size_t GridValueBytes(int digits) { return static_cast<size_t>(digits) + 8; }

// The bytes of an ijz file for values given in file order (x index fastest),
// each in the general number format with `digits` significant digits.
std::string GridFileText(int32_t nx, int32_t ny, const std::vector<double>& values,
                         int digits = 15);

// Writes the node values of s.nodes (nearZ slot 0) to s.gridFile through
// WriteFileReplacing, replacing any earlier file only once the new one is
// complete; a gridFile that is the input file s.dataFile is refused. On
// failure the old file stays as it was and the status tells why
// (FailureMessage gives the message).
WriteResult DataWrite(const DataState& s, int digits = 15);

}  // namespace core
