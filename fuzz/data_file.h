// The data file reader (DataRead1 on bytes) in one format, and what follows a
// successful read: the points are whole and finite, and a small data set
// goes on through the lattice set-up and the gridding to a grid file whose
// text reads back as the same lattice. Shared by the three data targets.
#pragma once

#include <cmath>
#include <cstdint>
#include <string_view>

#include "core/data_read.h"
#include "core/grid_file.h"
#include "core/lattice.h"
#include "fuzz/fuzz_check.h"
#include "gridding/msh.h"

namespace fuzz {

// Points up to which a read goes on to a conversion, to keep each run short.
inline constexpr int32_t kMostPointsConverted = 400;

inline void ReadDataFile(core::Format format, const uint8_t* data, size_t size) {
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  core::ReadOptions opt;
  opt.format = format;
  core::DataState s;
  core::RecordingReporter report;
  if (core::DataRead1Bytes(opt, bytes, s, report) != core::ReadStatus::Ok) {
    FUZZ_CHECK(!report.shown.empty());  // every failure is told
    return;
  }
  FUZZ_CHECK(s.nData >= 0);
  FUZZ_CHECK(s.xData.size() == static_cast<size_t>(s.nData) + 1);
  FUZZ_CHECK(s.yData.size() == s.xData.size() && s.zData.size() == s.xData.size());
  for (int32_t i = 1; i <= s.nData; ++i)
    FUZZ_CHECK(std::isfinite(s.xData[i]) && std::isfinite(s.yData[i]) && std::isfinite(s.zData[i]));
  if (s.nData >= 1) FUZZ_CHECK(s.xMin <= s.xMax && s.yMin <= s.yMax && s.zMin <= s.zMax);
  if (format == core::Format::Ijz) FUZZ_CHECK(static_cast<int64_t>(s.inNx) * s.inNy == s.nData);
  if (s.nData < 1 || s.nData > kMostPointsConverted) return;

  core::RegionTexts box = core::DefaultRegionTexts(format, s);
  if (core::DataRead2(format, box, s, report) != core::LatticeStatus::Ok) return;
  if (static_cast<int64_t>(s.gridNx) * s.gridNy > 10000) return;
  const gridding::MshResult r = gridding::Msh(s, report, 1);
  FUZZ_CHECK(!r.stopped && r.ringsRun >= 1 && r.ringsRun <= gridding::kMaxRing + 1);
  std::vector<double> values;
  for (int32_t j = 1; j <= s.gridNy; ++j)
    for (int32_t i = 1; i <= s.gridNx; ++i) {
      FUZZ_CHECK(std::isfinite(s.nodes.Node(i, j).value));
      values.push_back(s.nodes.Node(i, j).value);
    }
  // Whatever was written reads back: the same lattice, values within the
  // rounding of 15 digits.
  const std::string grid = core::GridFileText(s.gridNx, s.gridNy, values);
  core::ReadOptions ijz;
  ijz.format = core::Format::Ijz;
  core::DataState back;
  core::RecordingReporter quiet;
  FUZZ_CHECK(core::DataRead1Bytes(ijz, grid, back, quiet) == core::ReadStatus::Ok);
  FUZZ_CHECK(back.inNx == s.gridNx && back.inNy == s.gridNy);
  for (size_t k = 0; k < values.size(); ++k)
    FUZZ_CHECK(std::fabs(back.zData[k + 1] - values[k]) <= std::fabs(values[k]) * 1e-14);
}

}  // namespace fuzz
