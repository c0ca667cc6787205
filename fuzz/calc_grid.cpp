// Fuzz target: an ijz grid as the calculation window reads A or B
// (calc::DataReadBytes). A grid is only ever replaced whole, by exactly
// nx·ny values, and the main window's count never exceeds the points it holds.
#include <cstdint>
#include <string_view>
#include <vector>

#include "calc/data_read.h"
#include "core/data_state.h"
#include "fuzz/fuzz_check.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  std::vector<double> grid = {7, 7, 7};  // a grid read before
  core::DataState main;
  main.nData = 3;
  main.xData = main.yData = main.zData = {0, 1, 2, 3};
  core::RecordingReporter report;
  const calc::ReadOutcome r = calc::DataReadBytes(bytes, grid, main, report);
  FUZZ_CHECK(main.nData <= 3);
  if (r.status == core::ReadStatus::Ok) {
    FUZZ_CHECK(report.shown.empty());
    FUZZ_CHECK(static_cast<int64_t>(grid.size()) == int64_t{main.inNx} * main.inNy);
  } else {
    FUZZ_CHECK(report.shown.size() == 1);
  }
  return 0;
}
