// zentu-bench-window: the main window's Draw and Convert of 1,000,000 xyz
// points, timed through the window itself (offscreen): the Draw reads the
// file, draws the colour squares, the frame and the region outline on the
// A4 page; the Convert grids the default region (500 x 500 nodes) and
// writes the grid. The baseline, measured in the same run, reads the file's
// bytes once.
//
//   zentu-bench-window [COUNT]
//
// Each figure is the best of three runs. Points are uniform over 0..1000
// from a fixed seed.
#include <QApplication>
#include <QPushButton>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>

#include "app/main_window.h"
#include "bench/point_sets.h"
#include "core/text_file.h"

namespace {

double Seconds(std::chrono::steady_clock::time_point since) {
  return std::chrono::duration<double>(std::chrono::steady_clock::now() - since).count();
}

class NoLinks : public platform::WindowLinks {};

}  // namespace

int main(int argc, char** argv) {
  const int32_t count = argc > 2 ? std::atoi(argv[2]) : argc > 1 ? std::atoi(argv[1]) : 1000000;
  setenv("QT_QPA_PLATFORM", "offscreen", 0);
  QApplication application(argc, argv);
  const std::filesystem::path folder =
      std::filesystem::temp_directory_path() / "zentu-bench-window";
  std::filesystem::create_directories(folder);
  const std::string data = (folder / "points.dat").string();
  if (!core::WriteFileReplacing(
          data,
          bench::PointsText(bench::MakePoints(bench::Spread::Uniform, count, 20240601), false)))
    return 1;
  // The settings of a Draw of the xyz file, lines on without a line file.
  const std::string settings = "/\r\n" + folder.string() + "\r\n*.dat\r\n" + data + "\r\n" +
                               (folder / "points#.dat").string() + "\r\n\r\n 2 \r\n";
  if (!core::WriteFileReplacing((folder / "Zentu1.pth").string(), settings)) return 1;

  core::RecordingReporter report;
  core::MemorySettings store;
  platform::ProgramWide shared;
  NoLinks links;
  double baseline = 1e300, draw = 1e300, convert = 1e300;
  for (int run = 0; run < 3; ++run) {
    auto t0 = std::chrono::steady_clock::now();
    const auto bytes = core::ReadFileBytes(data);
    baseline = std::min(baseline, Seconds(t0));
    if (!bytes) return 1;

    app::MainWindow w(folder.string(), report, store, shared, links);
    auto* command1 = w.findChild<QPushButton*>(QStringLiteral("Command1"));
    t0 = std::chrono::steady_clock::now();
    command1->click();  // Draw
    draw = std::min(draw, Seconds(t0));
    t0 = std::chrono::steady_clock::now();
    command1->click();  // Convert
    convert = std::min(convert, Seconds(t0));
    if (!report.shown.empty() || w.state().data.nData != count) {
      std::fprintf(stderr, "unexpected: %zu messages, %d points\n", report.shown.size(),
                   w.state().data.nData);
      return 1;
    }
  }
  std::printf("| step | %d points | seconds | ratio to reading the bytes |\n", count);
  std::printf("|---|---|---:|---:|\n");
  std::printf("| baseline: read %zu bytes | | %.3f | 1.0 |\n",
              static_cast<size_t>(std::filesystem::file_size(data)), baseline);
  std::printf("| Draw (read, squares, frame, outline) | | %.3f | %.1f |\n", draw, draw / baseline);
  std::printf("| Convert (500 x 500 nodes, grid written) | | %.3f | %.1f |\n", convert,
              convert / baseline);
  std::filesystem::remove_all(folder);
  return 0;
}
