// zentu-bench-points: writes a generated point set as a data file.
//
//   zentu-bench-points uniform|clustered|repeated COUNT nxyz|xyz OUTPUT [SEED]
//
// The same arguments give the same file on every run and every machine.
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "bench/point_sets.h"
#include "core/text_file.h"

int main(int argc, char** argv) {
  if (argc != 5 && argc != 6) {
    std::fprintf(
        stderr,
        "usage: zentu-bench-points uniform|clustered|repeated COUNT nxyz|xyz OUTPUT [SEED]\n");
    return 2;
  }
  const bool clustered = std::strcmp(argv[1], "clustered") == 0;
  const bool repeated = std::strcmp(argv[1], "repeated") == 0;
  const long count = std::atol(argv[2]);
  const bool withCount = std::strcmp(argv[3], "nxyz") == 0;
  if ((!clustered && !repeated && std::strcmp(argv[1], "uniform") != 0) || count < 1 ||
      count > 100000000 || (!withCount && std::strcmp(argv[3], "xyz") != 0)) {
    std::fprintf(stderr, "zentu-bench-points: bad arguments\n");
    return 2;
  }
  const uint64_t seed = argc == 6 ? std::strtoull(argv[5], nullptr, 10) : 20240601;
  const bench::Spread spread = clustered  ? bench::Spread::Clustered
                               : repeated ? bench::Spread::Repeated
                                          : bench::Spread::Uniform;
  const auto pts = bench::MakePoints(spread, static_cast<int32_t>(count), seed);
  if (!core::WriteFileReplacing(argv[4], bench::PointsText(pts, withCount))) {
    std::fprintf(stderr, "zentu-bench-points: cannot write %s\n", argv[4]);
    return 1;
  }
  return 0;
}
