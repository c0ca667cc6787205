// Why node by node gives the same tables as the literal schedule: a node's
// table depends only on the offers it receives, in order, and on nothing
// else. The literal schedule offers a node, in ring k, exactly the points
// whose cell lies at Chebyshev distance k from it, in index order, and runs
// rings 0..R for every node, where R is the first ring after which no node
// has an empty slot (or kMaxRing). So each node can run its own rings from
// the cells around it, and R is known once every node has run until it is
// full. An offer that Rpl would refuse changes nothing and may be left out:
// Rpl refuses every d >= nearDist(3), and nearDist(3) never grows, so points
// at or beyond the node's third distance at the start of a ring are dropped,
// and once no cell of a ring can hold a point nearer than that distance, no
// later ring can change the node either.
#include "gridding/engine.h"

#include <algorithm>
#include <atomic>
#include <thread>
#include <vector>

#include "gridding/cell_index.h"
#include "gridding/cell_of.h"
#include "gridding/rpl.h"

namespace gridding {

namespace {

// Ring at which a node became full; kNever for a node that stays short of
// points whatever rings run.
constexpr int8_t kNever = -1;

// Offers the rings of one node at a time; one per thread.
class NodeSearch {
 public:
  NodeSearch(const core::DataState& s, const CellIndex& cells)
      : cells_(cells),
        rules_{core::AreaTol(s), core::EmptyDist(s)},
        dx_(s.gridDx),
        dy_(s.gridDy) {
    // bound_[gx][gy]: no point of a cell lying gx columns and gy rows of
    // whole cells away from a node is nearer to it. A point of cell ci seen
    // from node a: fx lies in [ci, ci + 1), so |a - fx| >= gx with gx =
    // a - ci - 1 for ci < a and ci - a otherwise; rounding is monotonic, so
    // the distance computed as OfferDistance does is at least the bound
    // computed the same way. The bound is lowered a little besides.
    for (int gx = 0; gx <= kMaxRing; ++gx)
      for (int gy = 0; gy <= kMaxRing; ++gy) {
        const double u = gx * dx_, v = gy * dy_;
        bound_[gx][gy] = std::sqrt(u * u + v * v) * (1 - 0x1p-30);
      }
    candidates_.reserve(1024);
  }

  // Offers node (a, b) the points of ring `ring`. False when the node is
  // settled: no offer of this ring or a later one can change its table.
  bool Ring(core::NodeSlots& n, int64_t a, int64_t b, int32_t ring) {
    const std::vector<BinnedPoint>& pts = cells_.points();
    if (ring == 0) {
      const auto [first, last] = cells_.Cell(a, b);
      for (uint32_t k = first; k < last; ++k) {
        const BinnedPoint& q = pts[k];
        Rpl(n, q.x, q.y, q.z, OfferDistance(a, b, q.fx, q.fy, dx_, dy_), rules_);
      }
      return true;
    }
    const double third = n.nearDist[2];
    const int r = ring;
    if (std::min(bound_[r - 1][0], bound_[0][r - 1]) >= third) return false;

    candidates_.clear();
    int cellsUsed = 0;
    auto takeCell = [&](int64_t ci, int64_t cj, int gx, int gy) {
      if (bound_[gx][gy] >= third) return;
      const auto [first, last] = cells_.Cell(ci, cj);
      if (first == last) return;
      const size_t before = candidates_.size();
      for (uint32_t k = first; k < last; ++k) {
        const double d = OfferDistance(a, b, pts[k].fx, pts[k].fy, dx_, dy_);
        if (d < third) candidates_.push_back({pts[k].p, k, d});
      }
      if (candidates_.size() > before) ++cellsUsed;
    };
    auto gap = [](int64_t c, int64_t node) {
      return static_cast<int>(c < node ? node - c - 1 : c - node);
    };
    // Lower and upper rows, whole width.
    for (const int64_t cj : {b - r, b + r}) {
      const auto [first, last] = cells_.Row(cj, a - r, a + r);
      if (first == last) continue;
      const int gy = gap(cj, b);
      for (int64_t ci = a - r; ci <= a + r; ++ci) takeCell(ci, cj, gap(ci, a), gy);
    }
    // Left and right columns between them.
    for (const int64_t ci : {a - r, a + r}) {
      if (cells_.ColumnEmpty(ci, b - r + 1, b + r - 1)) continue;
      const int gx = gap(ci, a);
      for (int64_t cj = b - r + 1; cj <= b + r - 1; ++cj) takeCell(ci, cj, gx, gap(cj, b));
    }
    // Within a ring the offers go in index order, whatever cell they lie in.
    if (cellsUsed > 1)
      std::sort(candidates_.begin(), candidates_.end(),
                [](const Candidate& l, const Candidate& r) { return l.p < r.p; });
    for (const Candidate& c : candidates_) {
      const BinnedPoint& q = pts[c.k];
      Rpl(n, q.x, q.y, q.z, c.d, rules_);
    }
    return true;
  }

  double EmptyDist() const { return rules_.emptyDist; }

 private:
  struct Candidate {
    int32_t p;   // point index
    uint32_t k;  // position in cells_.points()
    double d;
  };

  const CellIndex& cells_;
  const OfferRules rules_;
  const double dx_, dy_;
  double bound_[kMaxRing + 1][kMaxRing + 1];
  std::vector<Candidate> candidates_;
};

// Calls work(search, j) for every row j = 1..ny, rows handed out one at a
// time to `threads` threads, each with its own NodeSearch.
template <class Work>
void ForRows(const core::DataState& s, const CellIndex& cells, int32_t threads, Work work) {
  std::atomic<int32_t> nextRow{1};
  auto run = [&] {
    NodeSearch search(s, cells);
    for (int32_t j; (j = nextRow.fetch_add(1)) <= s.gridNy;) work(search, j);
  };
  const int32_t n = std::clamp<int32_t>(threads, 1, std::max<int32_t>(s.gridNy, 1));
  std::vector<std::thread> helpers;
  helpers.reserve(static_cast<size_t>(n - 1));
  for (int32_t t = 1; t < n; ++t) helpers.emplace_back(run);
  run();
  for (std::thread& t : helpers) t.join();
}

}  // namespace

int32_t ThreadsFor(int32_t requested) {
  if (requested > 0) return requested;
  const unsigned cores = std::thread::hardware_concurrency();
  return cores == 0 ? 1 : static_cast<int32_t>(std::min<unsigned>(cores, 256));
}

MshResult RingSearches(core::DataState& s, int32_t threads, CellLayout layout) {
  const CellIndex cells(s, layout);
  const int32_t nx = s.gridNx;
  // Per node: the ring after which it was full (kNever: not within kMaxRing
  // rings, or settled with a slot still empty), and whether it is settled.
  std::vector<int8_t> fullAt(s.nodes.nodes().size(), kNever);
  std::vector<uint8_t> settled(s.nodes.nodes().size(), 0);

  // First pass: every node runs its rings until it is full or settled.
  ForRows(s, cells, threads, [&](NodeSearch& search, int32_t j) {
    for (int32_t i = 1; i <= nx; ++i) {
      const size_t at = static_cast<size_t>(j - 1) * static_cast<size_t>(nx) + static_cast<size_t>(i - 1);
      core::NodeSlots& n = s.nodes.Node(i, j);
      for (int32_t ring = 0; ring <= kMaxRing; ++ring) {
        if (!search.Ring(n, i, j, ring)) {
          settled[at] = 1;  // short of points for good
          break;
        }
        if (!HasEmptySlot(n, search.EmptyDist())) {
          fullAt[at] = static_cast<int8_t>(ring);
          break;
        }
      }
    }
  });

  MshResult r;
  r.complete = std::find(fullAt.begin(), fullAt.end(), kNever) == fullAt.end();
  const int32_t last = r.complete ? (fullAt.empty() ? 0 : *std::max_element(fullAt.begin(), fullAt.end()))
                                  : kMaxRing;
  r.ringsRun = last + 1;

  // Second pass: the nodes full before the last ring still take its offers,
  // and those of the rings between, as long as one can change them.
  ForRows(s, cells, threads, [&](NodeSearch& search, int32_t j) {
    for (int32_t i = 1; i <= nx; ++i) {
      const size_t at = static_cast<size_t>(j - 1) * static_cast<size_t>(nx) + static_cast<size_t>(i - 1);
      if (settled[at] || fullAt[at] == kNever) continue;
      core::NodeSlots& n = s.nodes.Node(i, j);
      for (int32_t ring = fullAt[at] + 1; ring <= last; ++ring)
        if (!search.Ring(n, i, j, ring)) break;
    }
  });
  return r;
}

}  // namespace gridding
