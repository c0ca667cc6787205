// zentu-bench-plot: times PntDrw drawing 1,000,000 points on the screen
// target (the A4 page image) against a baseline run in the same process that
// only walks the points, maps them onto the page and picks their colours.
//
//   zentu-bench-plot [COUNT]
//
// Each measurement is the best of five runs. Points are uniform over
// 0..1000 from a fixed seed; the point size is the default "5".
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>

#include "bench/point_sets.h"
#include "core/data_state.h"
#include "platform/gui_app.h"
#include "platform/screen_page.h"
#include "render/colour_scale.h"
#include "render/plot.h"

namespace {

double Seconds(std::chrono::steady_clock::time_point since) {
  return std::chrono::duration<double>(std::chrono::steady_clock::now() - since).count();
}

template <class F>
double Best(F&& run) {
  double best = 1e300;
  for (int k = 0; k < 5; ++k) {
    const auto t0 = std::chrono::steady_clock::now();
    run();
    best = std::min(best, Seconds(t0));
  }
  return best;
}

}  // namespace

int main(int argc, char** argv) {
  const int32_t count = argc > 1 ? std::atoi(argv[1]) : 1000000;
  platform::EnsureGuiApplication();
  const auto pts = bench::MakePoints(bench::Spread::Uniform, count, 20240601);
  core::DataState d;
  d.nData = count;
  d.xData.assign(count + 1, 0);
  d.yData.assign(count + 1, 0);
  d.zData.assign(count + 1, 0);
  d.xMin = d.yMin = d.zMin = d.zBottom = 1e300;
  d.xMax = d.yMax = d.zMax = d.zTop = -1e300;
  for (int32_t i = 1; i <= count; ++i) {
    const auto& p = pts[i - 1];
    d.xData[i] = p.x, d.yData[i] = p.y, d.zData[i] = p.z;
    d.xMin = std::min(d.xMin, p.x), d.xMax = std::max(d.xMax, p.x);
    d.yMin = std::min(d.yMin, p.y), d.yMax = std::max(d.yMax, p.y);
    d.zMin = d.zBottom = std::min(d.zMin, p.z);
    d.zMax = d.zTop = std::max(d.zMax, p.z);
  }

  const render::ScreenMetrics screen{15, 15};
  const render::PageLayout page = render::Scl(render::PlotSize::A, screen);
  const render::PlotControls controls;

  // Baseline: the loop of PntDrw without the drawing.
  volatile double sink = 0;
  const double mapping = Best([&] {
    double sum = 0;
    for (int32_t i = 1; i <= d.nData; ++i) {
      const double x = d.xData[i], y = d.yData[i];
      if (!(d.xMin <= x && x <= d.xMax && d.yMin <= y && y <= d.yMax)) continue;
      const render::Rgb c = render::PointColour(d, d.zData[i]);
      sum += render::PageX(page, d, x) + render::PageY(page, d, y) + c.r + c.g + c.b;
    }
    sink = sum;
  });

  platform::ScreenPage picture(screen);
  const double drawing = Best([&] {
    picture.Clear();
    platform::ScreenCanvas canvas(picture, page);
    render::PntDrw(page, d, controls, canvas.target());
  });

  std::printf("points          %d\n", count);
  std::printf("map and colour  %.4f s (baseline)\n", mapping);
  std::printf("PntDrw, screen  %.4f s  = %.1f x baseline\n", drawing, drawing / mapping);
  return drawing < 1.0 ? 0 : 1;
}
