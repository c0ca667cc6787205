#include "core/data_read.h"

#include <algorithm>
#include <new>
#include <optional>
#include <string>
#include <tuple>
#include <utility>

#include "core/fields.h"
#include "core/ijz_grid.h"
#include "core/numbers.h"
#include "core/text_file.h"

namespace core {

Format FormatFromIndex(int index) {
  return index == 1 ? Format::Ijz : index == 2 ? Format::Xyz : Format::NXyz;
}
AxisMode AxisModeFromIndex(int index) {
  return index == 1 ? AxisMode::Manual : index == 2 ? AxisMode::Dragged : AxisMode::Auto;
}
ColourMode ColourModeFromIndex(int index) {
  return index == 1 ? ColourMode::Manual : ColourMode::Auto;
}

namespace {

// A count error keeps the old arrays; nData takes the new count, but never
// more than the arrays hold.
ReadStatus CountError(int64_t count, DataState& s, Reporter& report) {
  SetDataCount(s, count);
  report.Show(Msg::DataCountInvalid);
  return ReadStatus::CountError;
}

// New arrays for up to `count` points: room is reserved only for as many as
// the remaining bytes could hold, so an announced count far beyond the file
// costs no memory.
void StartArrays(DataState& s, int64_t count, size_t fieldsPossible) {
  const size_t reserve = static_cast<size_t>(std::min<int64_t>(count, fieldsPossible)) + 1;
  for (auto* a : {&s.xData, &s.yData, &s.zData}) {
    std::vector<double> fresh;
    fresh.reserve(reserve);
    fresh.push_back(0.0);  // index 0, never used
    *a = std::move(fresh);
  }
}

// A data error after some of `count` points: zeros after the points read, up
// to the announced count when the file could have held that many points
// (`pointsPossible`); otherwise only the points read are kept.
ReadStatus DataError(DataState& s, int32_t count, size_t pointsPossible, Reporter& report) {
  const size_t held = s.xData.size() - 1;
  if (static_cast<size_t>(count) <= pointsPossible) {
    for (auto* a : {&s.xData, &s.yData, &s.zData}) a->resize(static_cast<size_t>(count) + 1, 0.0);
    s.nData = count;
  } else {
    s.nData = static_cast<int32_t>(held);
  }
  report.Show(Msg::DataInvalid);
  return ReadStatus::DataError;
}

// Room reserved at first for the points of an xyz file.
constexpr int32_t kXyzStartRoom = 1000000;

// An xyz file holds a field that is not a number at byte `at`: the points
// before it are kept, and the user is told on which line the reading stopped
// and how many points were read.
void XyzStopped(std::string_view bytes, size_t at, int32_t points, Reporter& report) {
  const auto line =
      std::count(bytes.begin(), bytes.begin() + static_cast<std::ptrdiff_t>(at), '\n') + 1;
  report.Show(Msg::XyzReadStopped, {std::to_string(line), std::to_string(points)});
}

void SetDataRange(DataState& s) {
  if (s.nData < 1) return;
  s.xMin = s.xMax = s.xData[1];
  s.yMin = s.yMax = s.yData[1];
  s.zMin = s.zMax = s.zData[1];
  for (int32_t i = 2; i <= s.nData; ++i) {
    const double x = s.xData[i], y = s.yData[i], z = s.zData[i];
    if (x > s.xMax) s.xMax = x;
    if (x < s.xMin) s.xMin = x;
    if (y > s.yMax) s.yMax = y;
    if (y < s.yMin) s.yMin = y;
    if (z > s.zMax) s.zMax = z;
    if (z < s.zMin) s.zMin = z;
  }
}

// The smaller of two values first.
std::pair<double, double> Sorted(double a, double b) {
  return a <= b ? std::pair{a, b} : std::pair{b, a};
}

// z range over the points inside the axis region, bounds included; starts
// from the swapped overall range, so a region without points keeps an
// inverted range.
void SetZRangeInside(DataState& s) {
  std::swap(s.zMin, s.zMax);
  for (int32_t i = 1; i <= s.nData; ++i) {
    const double x = s.xData[i], y = s.yData[i], z = s.zData[i];
    if (s.xMin <= x && x <= s.xMax && s.yMin <= y && y <= s.yMax) {
      if (z > s.zMax) s.zMax = z;
      if (z < s.zMin) s.zMin = z;
    }
  }
}

ReadStatus ReadPoints(const ReadOptions& opt, std::string_view bytes, DataState& s,
                      Reporter& report) {
  FieldReader in(bytes);
  // Every field takes at least one byte and one separator.
  const size_t fieldsInFile = bytes.size() / 2 + 1;

  switch (opt.format) {
    case Format::NXyz: {
      int32_t n = 0;
      if (!in.NextCount(n)) return CountError(s.nData, s, report);
      if (n < 3) return CountError(n, s, report);
      StartArrays(s, n, fieldsInFile / 3);
      for (int32_t i = 1; i <= n; ++i) {
        double x, y, z;
        if (!in.Next(x) || !in.Next(y) || !in.Next(z))
          return DataError(s, n, fieldsInFile / 3, report);
        s.xData.push_back(x);
        s.yData.push_back(y);
        s.zData.push_back(z);
      }
      s.nData = n;
      break;
    }
    case Format::Ijz: {
      const IjzGrid g = ReadIjzGrid(bytes);
      switch (g.status) {
        case IjzStatus::SizeUnreadable:
        case IjzStatus::SizeTooLarge:
          return CountError(s.nData, s, report);
        case IjzStatus::SizeNotPositive:
          return CountError(std::min<int64_t>(g.Count(), 0), s, report);
        case IjzStatus::CountBelowThree:
          s.inNx = g.nx;
          s.inNy = g.ny;
          return CountError(g.Count(), s, report);
        case IjzStatus::Ok:
        case IjzStatus::DataError:
          break;
      }
      s.inNx = g.nx;
      s.inNy = g.ny;
      // Node k (1-based) lies at lattice position i, j; the failing node's
      // position was set before its value was read, later ones stay 0.
      const size_t held = g.z.size();
      const size_t placed = std::min<size_t>(static_cast<size_t>(g.valuesRead) + 1, held);
      for (auto* a : {&s.xData, &s.yData, &s.zData}) a->assign(held + 1, 0.0);
      for (size_t k = 1; k <= placed; ++k) {
        s.xData[k] = static_cast<double>((k - 1) % static_cast<size_t>(g.nx) + 1);
        s.yData[k] = static_cast<double>((k - 1) / static_cast<size_t>(g.nx) + 1);
      }
      std::copy(g.z.begin(), g.z.end(), s.zData.begin() + 1);
      s.nData = static_cast<int32_t>(held);
      if (g.status == IjzStatus::DataError) {
        report.Show(Msg::DataInvalid);
        return ReadStatus::DataError;
      }
      break;
    }
    case Format::Xyz: {
      // The count is known only at the end: the arrays grow as the triples
      // come, from room for as many as a file of this size could hold, up to
      // a million (a triple takes at least six bytes).
      StartArrays(s, kXyzStartRoom, bytes.size() / 6);
      int32_t n = 0;
      while (n < INT32_MAX - 1) {
        double x, y, z;
        if (!in.Next(x) || !in.Next(y) || !in.Next(z)) {
          // The end of the file, also within a triple, ends the reading
          // normally; a field that is not a number ends it with a warning.
          if (!in.AtEnd()) XyzStopped(bytes, in.FieldStart(), n, report);
          break;
        }
        s.xData.push_back(x);
        s.yData.push_back(y);
        s.zData.push_back(z);
        ++n;
      }
      s.nData = n;
      break;
    }
  }

  SetDataRange(s);

  if (opt.axisMode != AxisMode::Auto) {
    if (opt.axisMode == AxisMode::Manual) {
      const auto y1 = ParseNumber(opt.text5), y2 = ParseNumber(opt.text6);
      const auto x1 = ParseNumber(opt.text7), x2 = ParseNumber(opt.text8);
      if (!y1 || !y2 || !x1 || !x2) {
        report.Show(Msg::DataInvalid);
        return ReadStatus::DataError;
      }
      std::tie(s.yMin, s.yMax) = Sorted(*y1, *y2);
      std::tie(s.xMin, s.xMax) = Sorted(*x1, *x2);
    } else {
      std::tie(s.xMin, s.xMax) = Sorted(s.dragX1, s.dragX2);
      std::tie(s.yMin, s.yMax) = Sorted(s.dragY2, s.dragY1);
    }
    SetZRangeInside(s);
  }

  if (opt.colourMode == ColourMode::Manual) {
    const auto top = ParseNumber(opt.text2), bottom = ParseNumber(opt.text3);
    if (!top || !bottom) {
      report.Show(Msg::DataInvalid);
      return ReadStatus::DataError;
    }
    std::tie(s.zBottom, s.zTop) = Sorted(*top, *bottom);
  } else {
    s.zTop = s.zMax;
    s.zBottom = s.zMin;
  }
  return ReadStatus::Ok;
}

}  // namespace

ReadStatus DataRead1Bytes(const ReadOptions& opt, std::string_view bytes, DataState& s,
                          Reporter& report) {
  try {
    return ReadPoints(opt, bytes, s, report);
  } catch (const std::bad_alloc&) {
    // The points do not fit in memory: none are kept.
    for (auto* a : {&s.xData, &s.yData, &s.zData}) *a = std::vector<double>(1, 0.0);
    s.nData = 0;
    report.Show(Msg::OutOfMemory);
    return ReadStatus::DataError;
  }
}

ReadStatus DataRead1(const ReadOptions& opt, DataState& s, Reporter& report) {
  if (s.dataFile.empty()) {
    report.Show(Msg::FileNotSpecified);
    return ReadStatus::FileNotSpecified;
  }
  std::string bytes;
  if (const ReadFileStatus read = ReadFileBytes(s.dataFile, bytes); read != ReadFileStatus::Read) {
    report.Show(FailureMessage(read));
    return ReadStatus::CannotOpen;
  }
  return DataRead1Bytes(opt, bytes, s, report);
}

}  // namespace core
