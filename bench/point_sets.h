// Point sets for the benchmarks: uniform and clustered points over the
// square 0..1000, made from a fixed seed so that every run and every machine
// sees the same points, and their text in the n/xyz and xyz formats.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace bench {

enum class Spread { Uniform, Clustered, Repeated };

struct Point {
  double x, y, z;
};

// `count` points over [0, 1000] x [0, 1000]. Clustered sets put nine in ten
// points into 25 round clusters of radius 5 to 60, the rest uniform.
// Repeated sets put all points but 30 (uniform, at random places in the
// file) at one position, (500.1234, 499.8765), as a logger left in one place
// writes them. z is a smooth surface plus a little noise. Coordinates are
// held to 1E-4, as a file written with four decimals holds them.
std::vector<Point> MakePoints(Spread spread, int32_t count, uint64_t seed);

// The text of a data file: "n/xyz" starts with the count line; "xyz" has
// none. One "x y z" line per point, CR LF line ends.
std::string PointsText(const std::vector<Point>& pts, bool withCount);

}  // namespace bench
