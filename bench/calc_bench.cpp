// Operation 0 of the calculation window on two 2000 x 2000 grids, as a
// whole `zentu-cli calc 0 A B -o C` process, against a baseline measured in
// the same run: reading the two grid files (ReadFileBytes and the ijz
// reading) and writing one grid of the same size (GridFileText and
// WriteFileReplacing), in this process. The run itself is also timed
// in-process (DataRead twice, Calc). Best of five rounds each.
//
//   zentu-bench-calc [ZENTU_CLI]     (default: the zentu-cli of this build)
#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <random>
#include <string>
#include <vector>

#include "calc/calc.h"
#include "calc/data_read.h"
#include "core/grid_file.h"
#include "core/ijz_grid.h"
#include "core/text_file.h"

extern char** environ;

namespace {

using Clock = std::chrono::steady_clock;
constexpr int32_t kSide = 2000;

// Keeps the shortest of the times it is given.
struct Best {
  double seconds = 1e300;
  template <class F>
  void Time(F f) {
    const auto t0 = Clock::now();
    f();
    seconds = std::min(seconds, std::chrono::duration<double>(Clock::now() - t0).count());
  }
};

std::vector<double> Values(uint64_t seed) {
  std::mt19937_64 rng(seed);
  std::uniform_real_distribution<double> d(-1000.0, 1000.0);
  std::vector<double> v(static_cast<size_t>(kSide) * kSide);
  for (double& x : v) x = d(rng);
  return v;
}

// Runs the program with its arguments, its standard output to /dev/null,
// and waits; its exit code, or -1.
int Run(const std::vector<std::string>& argv) {
  std::vector<char*> args;
  for (const std::string& a : argv) args.push_back(const_cast<char*>(a.c_str()));
  args.push_back(nullptr);
  posix_spawn_file_actions_t quiet;
  posix_spawn_file_actions_init(&quiet);
  posix_spawn_file_actions_addopen(&quiet, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
  pid_t pid = 0;
  const int spawned = posix_spawn(&pid, args[0], &quiet, nullptr, args.data(), environ);
  posix_spawn_file_actions_destroy(&quiet);
  if (spawned != 0) return -1;
  int status = 0;
  if (waitpid(pid, &status, 0) != pid || !WIFEXITED(status)) return -1;
  return WEXITSTATUS(status);
}

}  // namespace

int main(int argc, char** argv) {
  const std::string cli = argc > 1 ? argv[1] : ZENTU_CLI;
  const std::string folder = (std::filesystem::temp_directory_path() / "zentu_bench_calc").string();
  std::filesystem::create_directories(folder);
  const std::string a = folder + "/a.dat", b = folder + "/b.dat", c = folder + "/Cal#.dat";
  const std::vector<double> valuesA = Values(20261208), valuesB = Values(20261209);
  if (!core::WriteFileReplacing(a, core::GridFileText(kSide, kSide, valuesA)) ||
      !core::WriteFileReplacing(b, core::GridFileText(kSide, kSide, valuesB))) {
    std::fprintf(stderr, "cannot write the grids into %s\n", folder.c_str());
    return 1;
  }

  // The three are timed in turn, five rounds, so that a change in the
  // machine's load falls on all of them alike.
  Best whole, base, inProcess;
  size_t held = 0;
  for (int round = 0; round < 5; ++round) {
    int code = 0;
    whole.Time([&] { code = Run({cli, "calc", "0", a, b, "-o", c}); });
    if (code != 0) {
      std::fprintf(stderr, "%s calc exited with %d\n", cli.c_str(), code);
      return 1;
    }
    base.Time([&] {
      for (const std::string* path : {&a, &b})
        held += core::ReadIjzGrid(*core::ReadFileBytes(*path)).z.size();
      core::WriteFileReplacing(c, core::GridFileText(kSide, kSide, valuesA));
    });
    inProcess.Time([&] {
      core::DataState main;
      core::RecordingReporter report;
      calc::Grids g;
      calc::RunInputs in;
      in.text11 = a;
      in.text12 = b;
      in.text2 = in.text3 = in.text4 = in.text5 = std::to_string(kSide);
      calc::DataRead(calc::Target::A, a, g, main, report);
      calc::DataRead(calc::Target::B, b, g, main, report);
      calc::Calc(in, g, c, 15, main, report);
    });
  }
  const uintmax_t bytesC = std::filesystem::file_size(c);

  std::printf(
      "| case | bytes A + B -> C | seconds | baseline s | ratio |\n|---|---:|---:|---:|---:|\n");
  const uintmax_t bytesIn = std::filesystem::file_size(a) + std::filesystem::file_size(b);
  std::printf(
      "| zentu-cli calc 0, 2000 x 2000, whole process | %ju -> %ju | %.3f | %.3f | %.2f |\n",
      bytesIn, bytesC, whole.seconds, base.seconds, whole.seconds / base.seconds);
  std::printf("| DataRead A, B and Calc, in-process | %ju -> %ju | %.3f | %.3f | %.2f |\n", bytesIn,
              bytesC, inProcess.seconds, base.seconds, inProcess.seconds / base.seconds);
  std::filesystem::remove_all(folder);
  return held > 0 ? 0 : 1;
}
