// Reading and writing speed: DataRead1 on 1,000,000-point xyz and n/xyz
// texts, and DataWrite of a 500 x 500 grid, each against a baseline measured
// in the same run: one pass over the same bytes that only counts the line
// ends (the least any reader must do).
//
//   zentu-bench-read
#include <algorithm>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <string>

#include "bench/best_of.h"
#include "bench/point_sets.h"
#include "core/data_read.h"
#include "core/grid_file.h"
#include "core/text_file.h"

using bench::BestOf;

int main() {
  const std::string folder = std::filesystem::temp_directory_path().string();
  const auto pts = bench::MakePoints(bench::Spread::Uniform, 1000000, 20261208);
  std::printf("| case | bytes | seconds | baseline s | ratio |\n|---|---:|---:|---:|---:|\n");
  for (const bool withCount : {false, true}) {
    const std::string path =
        folder + (withCount ? "/zentu_bench_read.nxyz" : "/zentu_bench_read.xyz");
    const std::string text = bench::PointsText(pts, withCount);
    if (!core::WriteFileReplacing(path, text)) return 1;
    core::ReadOptions opt;
    opt.format = withCount ? core::Format::NXyz : core::Format::Xyz;
    int32_t n = 0;
    const double read = BestOf(5, [&] {
      core::DataState s;
      s.dataFile = path;
      core::RecordingReporter r;
      n = core::DataRead1(opt, s, r) == core::ReadStatus::Ok ? s.nData : -1;
    });
    size_t lines = 0;
    const double base = BestOf(5, [&] {
      const auto bytes = core::ReadFileBytes(path);
      lines = static_cast<size_t>(std::count(bytes->begin(), bytes->end(), '\n'));
    });
    std::printf("| DataRead1 %s, %d points | %zu | %.3f | %.3f | %.1f |\n",
                withCount ? "n/xyz" : "xyz", n, text.size(), read, base, read / base);
    std::filesystem::remove(path);
    if (lines == 0) return 1;
  }

  core::DataState g;
  g.gridNx = g.gridNy = 500;
  g.nodes.Allocate(500, 500);
  for (size_t k = 0; k < g.nodes.nodes().size(); ++k) g.nodes.nodes()[k].value = pts[k].z;
  g.gridFile = folder + "/zentu_bench_write#.dat";
  bool written = true;
  const double write = BestOf(5, [&] { written = core::DataWrite(g) && written; });
  const std::string grid = core::ReadFileBytes(g.gridFile).value_or("");
  const double base =
      BestOf(5, [&] { written = core::WriteFileReplacing(g.gridFile, grid) && written; });
  std::printf("| DataWrite 500 x 500 | %zu | %.3f | %.3f | %.1f |\n", grid.size(), write, base,
              write / base);
  std::filesystem::remove(g.gridFile);
  return written ? 0 : 1;
}
