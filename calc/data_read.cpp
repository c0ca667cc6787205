#include "calc/data_read.h"

#include <optional>
#include <utility>

#include "core/ijz_grid.h"
#include "core/numbers.h"
#include "core/text_file.h"

namespace calc {

ReadOutcome DataReadBytes(std::string_view bytes, std::vector<double>& grid, core::DataState& main,
                          core::Reporter& report) {
  core::IjzGrid g = core::ReadIjzGrid(bytes);
  ReadOutcome r;
  if (g.sizeRead) {
    r.nxText = core::FormatInteger(g.nx);
    r.nyText = core::FormatInteger(g.ny);
    main.inNx = g.nx;
    main.inNy = g.ny;
    core::SetDataCount(main, g.Count());
  }
  switch (g.status) {
    case core::IjzStatus::Ok:
      grid = std::move(g.z);
      return r;
    case core::IjzStatus::DataError:
      grid = std::move(g.z);
      report.Show(core::Msg::DataInvalid);
      r.status = core::ReadStatus::DataError;
      return r;
    default:
      report.Show(core::Msg::DataCountInvalid);
      r.status = core::ReadStatus::CountError;
      return r;
  }
}

ReadOutcome DataRead(Target target, const std::string& path, Grids& grids, core::DataState& main,
                     core::Reporter& report) {
  ReadOutcome r;
  if (path.empty()) {
    report.Show(core::Msg::FileNotSpecified);
    r.status = core::ReadStatus::FileNotSpecified;
    return r;
  }
  const std::optional<std::string> bytes = core::ReadFileBytes(path);
  if (!bytes) {
    report.Show(core::Msg::FileCannotOpen);
    r.status = core::ReadStatus::CannotOpen;
    return r;
  }
  return DataReadBytes(*bytes, target == Target::A ? grids.gridA : grids.gridB, main, report);
}

}  // namespace calc
