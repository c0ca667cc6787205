// The reading rules of an ijz grid file, shared by the main window's
// "ijz→ijz" reading (DataRead1) and the calculation window's DataRead: the
// two sizes nx and ny, then nx·ny values, j = 1..ny outer, i = 1..nx inner.
#pragma once

#include <cstdint>
#include <string_view>
#include <vector>

namespace core {

enum class IjzStatus {
  Ok,
  SizeUnreadable,   // the first two fields are not both integers ("3.0" is not)
  SizeTooLarge,     // nx·ny beyond 32 bits
  SizeNotPositive,  // nx or ny below 1
  CountBelowThree,  // nx·ny below 3
  DataError,        // a value is missing or not a number
};

struct IjzGrid {
  IjzStatus status = IjzStatus::SizeUnreadable;
  bool sizeRead = false;  // nx and ny hold the two integers of the first line
  int32_t nx = 0, ny = 0;
  // The values in file order (element i + nx·(j−1), 0-based here), only
  // for Ok and DataError. After a data error: the values read, then zeros up
  // to nx·ny when the file's bytes could have held that many fields;
  // otherwise only the values read, so that a header announcing far more
  // values than the file holds costs no memory.
  std::vector<double> z;
  int64_t valuesRead = 0;  // values read before the end or the failing field

  int64_t Count() const { return static_cast<int64_t>(nx) * ny; }
};

// Reads the bytes of an ijz file. Anything after the last value is ignored.
IjzGrid ReadIjzGrid(std::string_view bytes);

}  // namespace core
