// The engine behind Msh against the literal schedule (MshLiteral): the same
// node tables bit for bit, the same rings run and the same warning, on many
// kinds of input, for any thread count and either cell layout.
#include "gridding/engine.h"

#include <gtest/gtest.h>

#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <random>
#include <string>
#include <vector>

#include "core/data_read.h"
#include "core/lattice.h"
#include "gridding/msh.h"

namespace {

struct Pt {
  double x, y, z;
};

// Uniform in [0, 1) from 53 random bits, so the sets are the same everywhere.
double Unit(std::mt19937_64& rng) { return static_cast<double>(rng() >> 11) * 0x1p-53; }

std::vector<Pt> Uniform(int n, double lo, double hi, uint64_t seed) {
  std::mt19937_64 rng(seed);
  std::vector<Pt> pts;
  for (int k = 0; k < n; ++k) {
    const double x = lo + (hi - lo) * Unit(rng), y = lo + (hi - lo) * Unit(rng);
    pts.push_back({x, y, std::sin(x / 7) + std::cos(y / 11)});
  }
  return pts;
}

// Tight clusters of very different sizes, most points inside a few cells.
std::vector<Pt> Clustered(int n, double lo, double hi, uint64_t seed) {
  std::mt19937_64 rng(seed);
  struct Cluster {
    double cx, cy, r;
  };
  std::vector<Cluster> cl;
  for (int c = 0; c < 6; ++c)
    cl.push_back({lo + (hi - lo) * Unit(rng), lo + (hi - lo) * Unit(rng),
                  (hi - lo) * 0.002 * (1 + 20 * Unit(rng))});
  std::vector<Pt> pts;
  for (int k = 0; k < n; ++k) {
    const Cluster& c = cl[static_cast<size_t>(rng() % cl.size())];
    const double a = 6.283185307179586 * Unit(rng), r = c.r * std::sqrt(Unit(rng));
    const double x = std::clamp(c.cx + r * std::cos(a), lo, hi);
    const double y = std::clamp(c.cy + r * std::sin(a), lo, hi);
    pts.push_back({x, y, x * 0.3 - y * 0.1 + Unit(rng)});
  }
  return pts;
}

void Append(std::string& out, double v) {
  char buf[40];
  out.append(buf, std::to_chars(buf, buf + sizeof buf, v).ptr);
}

std::string NXyzText(const std::vector<Pt>& pts) {
  std::string t = std::to_string(pts.size()) + "\r\n";
  for (const Pt& p : pts) {
    Append(t, p.x), t += ' ', Append(t, p.y), t += ' ', Append(t, p.z), t += "\r\n";
  }
  return t;
}

struct Case {
  const char* name;
  core::Format format;
  std::string text;
  const char* region;  // "x1,y1,x2,y2", "" for the Draw's default, "all"
  const char* nx;      // "" for the default count
  const char* ny;
  int warned;  // 1 the warning must come, 0 it must not, -1 either
};

core::DataState Prepare(const Case& c) {
  core::DataState s;
  core::RecordingReporter report;
  core::ReadOptions opt;
  opt.format = c.format;
  EXPECT_EQ(core::DataRead1Bytes(opt, c.text, s, report), core::ReadStatus::Ok) << c.name;
  const std::string region = c.region;
  // The Draw's proposal is only asked for when it is used.
  core::RegionTexts box;
  if (region.empty() || !*c.nx || !*c.ny) box = core::DefaultRegionTexts(c.format, s);
  if (region == "all") {
    box.text21 = box.text22 = box.text23 = box.text24 = "";
  } else if (!region.empty()) {
    std::vector<std::string> parts(1);
    for (char ch : region) {
      if (ch == ',')
        parts.emplace_back();
      else
        parts.back().push_back(ch);
    }
    box.text21 = parts.at(0), box.text22 = parts.at(1), box.text23 = parts.at(2),
    box.text24 = parts.at(3);
  }
  if (*c.nx) box.text25 = c.nx;
  if (*c.ny) box.text26 = c.ny;
  EXPECT_EQ(core::DataRead2(c.format, box, s, report), core::LatticeStatus::Ok) << c.name;
  return s;
}

struct Outcome {
  core::DataState s;
  gridding::MshResult r;
  std::vector<core::Msg> shown;
};

// Every field of every node, compared as bits.
void ExpectSame(const Outcome& want, const Outcome& got, const std::string& label) {
  EXPECT_EQ(got.r.ringsRun, want.r.ringsRun) << label;
  EXPECT_EQ(got.r.complete, want.r.complete) << label;
  EXPECT_EQ(got.shown, want.shown) << label;
  const auto& a = want.s.nodes.nodes();
  const auto& b = got.s.nodes.nodes();
  ASSERT_EQ(a.size(), b.size()) << label;
  size_t differing = 0, first = 0;
  for (size_t k = 0; k < a.size(); ++k)
    if (std::memcmp(&a[k], &b[k], sizeof(core::NodeSlots)) != 0) {
      if (differing++ == 0) first = k;
    }
  EXPECT_EQ(differing, 0u) << label << ": first differing node (i, j) = ("
                           << first % static_cast<size_t>(want.s.gridNx) + 1 << ", "
                           << first / static_cast<size_t>(want.s.gridNx) + 1 << ")";
}

void CheckCase(const Case& c) {
  const core::DataState prepared = Prepare(c);
  Outcome literal{prepared, {}, {}};
  {
    core::RecordingReporter report;
    literal.r = gridding::MshLiteral(literal.s, report);
    literal.shown = report.shown;
  }
  if (c.warned >= 0) {
    EXPECT_EQ(!literal.r.complete, c.warned == 1) << c.name;
  }
  for (int32_t threads : {1, 2, 3, 7}) {
    Outcome engine{prepared, {}, {}};
    core::RecordingReporter report;
    engine.r = gridding::Msh(engine.s, report, threads);
    engine.shown = report.shown;
    ExpectSame(literal, engine, std::string(c.name) + ", " + std::to_string(threads) + " threads");
  }
  for (auto layout : {gridding::CellLayout::Dense, gridding::CellLayout::Sparse}) {
    Outcome engine{prepared, {}, {}};
    gridding::InitNodes(engine.s);
    engine.r = gridding::RingSearches(engine.s, 2, layout);
    if (!engine.r.complete) engine.shown.push_back(core::Msg::RegionInvalid);
    gridding::Heights(engine.s);
    ExpectSame(
        literal, engine,
        std::string(c.name) + (layout == gridding::CellLayout::Dense ? ", dense" : ", sparse"));
  }
}

const core::Format kNXyz = core::Format::NXyz;

TEST(Engine, SameTablesAsTheLiteralScheduleOnScatteredData) {
  const auto uniform = NXyzText(Uniform(2000, 0, 100, 1));
  const auto clustered = NXyzText(Clustered(3000, 0, 100, 2));
  const Case cases[] = {
      {"uniform, default region", kNXyz, uniform, "", "", "", 0},
      {"uniform, whole region, 25 x 31", kNXyz, uniform, "all", "25", "31", -1},
      {"uniform, coarse 7 x 5", kNXyz, uniform, "all", "7", "5", 0},
      {"clustered, default region", kNXyz, clustered, "", "", "", -1},
      {"clustered, whole region 40 x 40", kNXyz, clustered, "all", "40", "40", -1},
      {"clustered, region half beside", kNXyz, clustered, "80,80,120,120", "20", "20", -1},
      {"uniform, region half beside", kNXyz, uniform, "120,120,80,80", "30", "30", -1},
      {"region beside, within reach", kNXyz, uniform, "105,0,125,100", "10", "10", 0},
      {"region beyond every ring", kNXyz, uniform, "1000,1000,1010,1010", "5", "5", 1},
      {"region at the edge of ring 50", kNXyz, uniform, "150,0,160,100", "10", "10", -1},
      {"tiny lattice 2 x 2", kNXyz, NXyzText(Uniform(50, 0, 10, 3)), "all", "2", "2", -1},
      {"non-square 17 x 3", kNXyz, uniform, "all", "17", "3", -1},
      {"thin 60 x 2, data far above and below", kNXyz, uniform, "0,45,100,55", "60", "2", -1},
      {"thin 2 x 60", kNXyz, uniform, "45,0,55,100", "2", "60", -1},
      {"three points", core::Format::Xyz, "0 0 1\r\n10 0 2\r\n0 10 3\r\n", "all", "4", "4", 0},
  };
  for (const Case& c : cases) CheckCase(c);
}

TEST(Engine, SameTablesOnDegenerateGeometry) {
  // Points on every node and on the cell edges between them (region 0..10
  // with 10 x 10 nodes: node i sits at x = i - 1).
  std::vector<Pt> onLattice;
  for (int j = 0; j <= 10; ++j)
    for (int i = 0; i <= 10; ++i) {
      onLattice.push_back({double(i), double(j), double(i * j)});
      onLattice.push_back({i + 0.5, double(j), double(i - j)});
      onLattice.push_back({double(i), j + 0.5, double(i + j)});
    }
  // Every point three times, once with another value.
  std::vector<Pt> dup;
  for (const Pt& p : Uniform(300, 0, 50, 4)) {
    dup.push_back(p), dup.push_back(p), dup.push_back({p.x, p.y, p.z + 1});
  }
  std::vector<Pt> diagonal, horizontal, vertical;
  for (int k = 0; k < 200; ++k) {
    diagonal.push_back({k * 0.5, k * 0.25 + 3, double(k % 7)});
    horizontal.push_back({k * 0.5, 5, double(k % 5)});
    vertical.push_back({5, k * 0.5, double(k % 3)});
  }
  const Case cases[] = {
      {"points on nodes and cell edges", kNXyz, NXyzText(onLattice), "0,0,10,10", "10", "10", 0},
      {"points on nodes, half cells", kNXyz, NXyzText(onLattice), "0,0,10,10", "20", "20", -1},
      {"duplicates", kNXyz, NXyzText(dup), "", "", "", -1},
      {"duplicates, whole region", kNXyz, NXyzText(dup), "all", "12", "9", -1},
      {"collinear, diagonal", kNXyz, NXyzText(diagonal), "all", "10", "10", 1},
      {"collinear, horizontal (no area tolerance)", kNXyz, NXyzText(horizontal), "0,0,100,10", "10",
       "4", 1},
      {"collinear, vertical", kNXyz, NXyzText(vertical), "0,0,10,100", "3", "12", 1},
  };
  for (const Case& c : cases) CheckCase(c);
}

// `n` points of which all but `others` (uniform in 0..100, at random places
// in the list) lie at the given places, taken in turn or at random; each
// with its own z.
std::vector<Pt> Repeated(int n, int others, const std::vector<Pt>& places, bool inTurn,
                         uint64_t seed) {
  std::mt19937_64 rng(seed);
  std::vector<Pt> spread = Uniform(others, 0, 100, seed + 1);
  std::vector<Pt> pts;
  for (int k = 0; k < n - others; ++k) {
    const Pt& at = places[inTurn ? static_cast<size_t>(k) % places.size() : rng() % places.size()];
    pts.push_back({at.x, at.y, at.z + Unit(rng)});
  }
  for (const Pt& p : spread)
    pts.insert(pts.begin() + static_cast<std::ptrdiff_t>(rng() % (pts.size() + 1)), p);
  return pts;
}

TEST(Engine, SameTablesWhenMostPointsRepeatOnePlace) {
  const auto one = NXyzText(Repeated(4000, 30, {{50.25, 49.75, 3}}, true, 7));
  const auto onNode =
      NXyzText(Repeated(3000, 20, {{50, 50, 1}}, true, 8));  // node (11, 11) of 0..100 by 20
  const auto twoInTurn = NXyzText(Repeated(3000, 25, {{30.5, 30.5, 1}, {31.5, 30.5, 2}}, true, 9));
  std::vector<Pt> many;
  for (int k = 0; k < 60; ++k)
    many.push_back({3.3 + 1.6 * k, 97 - 1.55 * k + (k % 3), double(k % 5)});
  const auto manyPlaces = NXyzText(Repeated(5000, 40, many, false, 10));
  const auto onLine =
      NXyzText(Repeated(2000, 0, {{10, 10, 1}, {20, 20, 2}, {30, 30, 3}}, false, 11));
  const Case cases[] = {
      {"one place, default region", kNXyz, one, "", "", "", -1},
      {"one place, whole region 40 x 40", kNXyz, one, "all", "40", "40", -1},
      {"one place, region half beside", kNXyz, one, "60,60,140,140", "25", "25", -1},
      {"one place on a node", kNXyz, onNode, "0,0,100,100", "20", "20", -1},
      {"two places in turn, in one cell", kNXyz, twoInTurn, "0,0,100,100", "30", "30", -1},
      {"two places in turn, in two cells", kNXyz, twoInTurn, "0,0,100,100", "90", "90", -1},
      {"sixty places at random", kNXyz, manyPlaces, "all", "35", "35", -1},
      {"three places on a line only", kNXyz, onLine, "0,0,40,40", "8", "8", 1},
  };
  for (const Case& c : cases) CheckCase(c);
}

TEST(Engine, SameTablesWithFarOutliersAndGridInput) {
  // Outliers whose cell indices lie far beyond 32 bits (and one whose
  // position overflows the lattice arithmetic), mixed into ordinary data.
  std::vector<Pt> outliers = Uniform(1000, 0, 100, 5);
  outliers.insert(outliers.begin() + 10, {1e12, 50, 9});
  outliers.insert(outliers.begin() + 500, {-3e15, -2e14, -9});
  outliers.push_back({50, 7e13, 4});
  std::vector<Pt> overflowing = Uniform(500, 0, 100, 6);
  overflowing.push_back({1.5e308, -1.5e308, 1});
  std::string ijz = "30 20\r\n";
  for (int j = 1; j <= 20; ++j)
    for (int i = 1; i <= 30; ++i) Append(ijz, std::sin(i * 0.3) * j + (i * j) % 3), ijz += "\r\n";
  const Case cases[] = {
      {"far outliers", kNXyz, NXyzText(outliers), "0,0,100,100", "20", "20", -1},
      {"far outliers, default region", kNXyz, NXyzText(outliers), "", "", "", -1},
      {"outliers at the largest doubles", kNXyz, NXyzText(overflowing), "0,0,100,100", "15", "15",
       -1},
      {"ijz, default region", core::Format::Ijz, ijz, "", "", "", -1},
      {"ijz, whole lattice, finer", core::Format::Ijz, ijz, "all", "45", "31", -1},
      {"ijz, region half beside", core::Format::Ijz, ijz, "20,10,50,40", "16", "16", -1},
  };
  for (const Case& c : cases) CheckCase(c);
}

}  // namespace
