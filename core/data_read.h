// DataRead1: reads the input data file (n/xyz, ijz or xyz) into the point
// arrays and sets the axis region, the z range and the colour-scale ends.
#pragma once

#include <istream>
#include <string>

#include "core/data_state.h"
#include "core/report.h"

namespace core {

// The "変換形式" list, in its order: "n/xyz→ijz", "ijz→ijz", "xyz→ijz".
enum class Format { NXyz = 0, Ijz = 1, Xyz = 2 };
// Axis Region: "自動", "手動", "指定" (the dragged frame).
enum class AxisMode { Auto = 0, Manual = 1, Dragged = 2 };
// Height Meter: "自動", "手動".
enum class ColourMode { Auto = 0, Manual = 1 };

Format FormatFromIndex(int index);
AxisMode AxisModeFromIndex(int index);
ColourMode ColourModeFromIndex(int index);

// The control values DataRead1 reads.
struct ReadOptions {
  Format format = Format::NXyz;
  AxisMode axisMode = AxisMode::Auto;
  ColourMode colourMode = ColourMode::Auto;
  std::string text5, text6;  // y bounds of the manual axis region
  std::string text7, text8;  // x bounds of the manual axis region
  std::string text2, text3;  // colour-scale bounds of the manual meter
};

enum class [[nodiscard]] ReadStatus{
    Ok,
    FileNotSpecified,  // dataFile empty: shown, the program is to end
    CannotOpen,        // missing, not a regular file, too large: shown; nothing changed
    CountError,        // shown; previous points and ranges kept
    DataError,         // shown; see DataRead1
};

// Reads s.dataFile. On Ok the points are replaced and all ranges set.
// A count error keeps the previous points and ranges, with nData set to the
// new count (never beyond the points held). A data error while reading points
// leaves the points read so far followed by zeros up to the announced count
// (or only the points read, when the file could not hold that many fields)
// and the previous ranges. A range box that is not a number is a data error
// after the points and the data range have been taken. Points that do not
// fit in memory are a data error with Msg::OutOfMemory and no points.
// An xyz file is read whole, to its end; a field that is not a number ends
// it early: the points before it are kept, Msg::XyzReadStopped names the
// line and the number of points read, and the read is Ok.
ReadStatus DataRead1(const ReadOptions& opt, DataState& s, Reporter& report);

// The same on bytes already read; `s.dataFile` is not looked at.
ReadStatus DataRead1Bytes(const ReadOptions& opt, std::string_view bytes, DataState& s,
                          Reporter& report);

}  // namespace core
