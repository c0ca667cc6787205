// zentu-bench-grid: times the literal ring-search schedule (MshLiteral) and
// the engine (Msh) on the same generated point sets, checks that their node
// tables are identical bit for bit, and prints one table row per case.
//
//   zentu-bench-grid [--quick] [--threads N]
//
// --quick leaves out the 1,000,000-point cases. The literal schedule runs
// once per case; the engine runs five times and its best time is shown.
// Peak memory is that of the case's whole process (Linux).
// Exit status 1 when any case differs.
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <string>
#include <vector>

#include "bench/point_sets.h"
#include "core/data_read.h"
#include "core/lattice.h"
#include "gridding/msh.h"

namespace {

struct Case {
  const char* name;
  bench::Spread spread;
  int32_t points;
  const char* region;  // "" for the Draw's default region and node counts
  const char* n;       // node count in x and y with an explicit region
};

double Seconds(std::chrono::steady_clock::time_point since) {
  return std::chrono::duration<double>(std::chrono::steady_clock::now() - since).count();
}

// Peak resident memory of this process in MB.
double PeakMb() {
  std::ifstream status("/proc/self/status");
  std::string line;
  while (std::getline(status, line))
    if (line.rfind("VmHWM:", 0) == 0) return std::stod(line.substr(6)) / 1024;
  return 0;
}

bool SameTables(const core::DataState& a, const core::DataState& b) {
  const auto& x = a.nodes.nodes();
  const auto& y = b.nodes.nodes();
  return x.size() == y.size() &&
         (x.empty() || std::memcmp(x.data(), y.data(), x.size() * sizeof(core::NodeSlots)) == 0);
}

}  // namespace

int main(int argc, char** argv) {
  bool quick = false;
  int32_t threads = 0;
  for (int k = 1; k < argc; ++k) {
    if (std::strcmp(argv[k], "--quick") == 0) {
      quick = true;
    } else if (std::strcmp(argv[k], "--threads") == 0 && k + 1 < argc) {
      threads = std::atoi(argv[++k]);
    } else {
      std::fprintf(stderr, "usage: zentu-bench-grid [--quick] [--threads N]\n");
      return 2;
    }
  }
  using bench::Spread;
  const Case cases[] = {
      {"uniform, default region", Spread::Uniform, 10000, "", ""},
      {"uniform, default region", Spread::Uniform, 100000, "", ""},
      {"uniform, default region", Spread::Uniform, 1000000, "", ""},
      {"clustered, default region", Spread::Clustered, 10000, "", ""},
      {"clustered, default region", Spread::Clustered, 100000, "", ""},
      {"clustered, default region", Spread::Clustered, 1000000, "", ""},
      {"uniform, region half beside", Spread::Uniform, 100000, "800,800,1200,1200", "100"},
      {"clustered, region half beside", Spread::Clustered, 10000, "800,800,1200,1200", "100"},
      {"clustered, region half beside", Spread::Clustered, 100000, "800,800,1200,1200", "100"},
      {"clustered, region half beside", Spread::Clustered, 1000000, "800,800,1200,1200", "100"},
      {"repeated, default region", Spread::Repeated, 100000, "", ""},
      {"repeated, default region", Spread::Repeated, 1000000, "", ""},
  };
  std::printf(
      "| case | points | lattice | rings | literal s | engine s | ratio | peak MB | identical |\n");
  std::printf("|---|---:|---|---:|---:|---:|---:|---:|---|\n");
  bool allSame = true;
  for (const Case& c : cases) {
    if (quick && c.points > 100000) continue;
    // Each case runs in a process of its own, so that its peak memory is
    // its own: the points, the node tables and the engine's working arrays
    // (and a second copy of the state for the engine, beside the literal's).
    std::fflush(stdout);
    const pid_t child = fork();
    if (child < 0) return 1;
    if (child > 0) {
      int status = 0;
      waitpid(child, &status, 0);
      allSame = allSame && WIFEXITED(status) && WEXITSTATUS(status) == 0;
      continue;
    }
    core::DataState base;
    core::RecordingReporter quiet;
    {
      const std::string text =
          bench::PointsText(bench::MakePoints(c.spread, c.points, 20240601), true);
      if (core::DataRead1Bytes(core::ReadOptions{}, text, base, quiet) != core::ReadStatus::Ok)
        return 1;
    }
    core::RegionTexts box = core::DefaultRegionTexts(core::Format::NXyz, base);
    if (*c.region) {
      std::string r = c.region;
      std::vector<std::string> part(1);
      for (char ch : r) {
        if (ch == ',')
          part.emplace_back();
        else
          part.back().push_back(ch);
      }
      box = {part[0], part[1], part[2], part[3], c.n, c.n};
    }
    if (core::DataRead2(core::Format::NXyz, box, base, quiet) != core::LatticeStatus::Ok) return 1;

    core::DataState engine = base;
    gridding::MshResult re;
    double engineSeconds = 1e300;
    for (int run = 0; run < 5; ++run) {
      const auto t0 = std::chrono::steady_clock::now();
      re = gridding::Msh(engine, quiet, threads);
      engineSeconds = std::min(engineSeconds, Seconds(t0));
    }
    const double peak = PeakMb();

    core::DataState literal = base;
    const auto t0 = std::chrono::steady_clock::now();
    const gridding::MshResult rl = gridding::MshLiteral(literal, quiet);
    const double literalSeconds = Seconds(t0);

    const bool same =
        rl.ringsRun == re.ringsRun && rl.complete == re.complete && SameTables(literal, engine);
    std::printf("| %s | %d | %d x %d | %d | %.3f | %.4f | %.0f | %.0f | %s |\n", c.name, c.points,
                base.gridNx, base.gridNy, rl.ringsRun, literalSeconds, engineSeconds,
                literalSeconds / engineSeconds, peak, same ? "yes" : "NO");
    std::fflush(stdout);
    _exit(same ? 0 : 1);
  }
  return allSame ? 0 : 1;
}
