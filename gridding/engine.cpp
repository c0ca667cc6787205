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
//
// Points at one place. An offer that directly follows an offer of a point at
// the same place (the same x and y, so the same distance d), with no offer
// between them that changed the table, is refused by Rpl: if the first was
// refused, the table and the offer are the same, so is the decision; if it
// was stored in some slot s with distance d, the second finds d equal to
// nearDist(s) and reaches either no branch or a branch whose triangle has two
// equal corners (area 0) or whose spacing test sees distance 0, which fail
// against areaTol >= 0 (or a NaN areaTol). So of a run of such offers only
// the first is made: a point set in which most points repeat one place costs
// about what its distinct places cost.
#include "gridding/engine.h"

#include <algorithm>
#include <atomic>
#include <climits>
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

struct Candidate {
  int32_t p;   // point index
  uint32_t k;  // position in CellIndex::points()
  double d;
};

// A run of points at one place (BinnedPoint::runEnd) offered to a node: the
// members k..end-1 of CellIndex::points() not offered yet, all at distance d.
struct Run {
  uint32_t k, end;
  double d;
};

// Runs shorter than this are offered point by point, as any other points.
constexpr uint32_t kShortestRun = 8;

// Ascending point index. The few candidates of most rings go through an
// insertion sort; the thousands a ring can meet in a dense cluster through a
// radix sort on the bytes of the index, `scratch` being its second buffer.
void SortByIndex(std::vector<Candidate>& c, std::vector<Candidate>& scratch) {
  const size_t n = c.size();
  if (n <= 64) {
    for (size_t i = 1; i < n; ++i) {
      const Candidate x = c[i];
      size_t j = i;
      for (; j > 0 && c[j - 1].p > x.p; --j) c[j] = c[j - 1];
      c[j] = x;
    }
    return;
  }
  scratch.resize(n);
  uint32_t high = 0;
  for (const Candidate& x : c) high |= static_cast<uint32_t>(x.p);
  for (int shift = 0; shift < 32 && (high >> shift) != 0; shift += 8) {
    size_t count[257] = {};
    for (const Candidate& x : c) ++count[((static_cast<uint32_t>(x.p) >> shift) & 0xFF) + 1];
    for (int b = 1; b <= 256; ++b) count[b] += count[b - 1];
    for (const Candidate& x : c) scratch[count[(static_cast<uint32_t>(x.p) >> shift) & 0xFF]++] = x;
    c.swap(scratch);
  }
}

// Offers the rings of one node at a time; one per thread.
class NodeSearch {
 public:
  NodeSearch(const core::DataState& s, const CellIndex& cells)
      : cells_(cells), rules_{core::AreaTol(s), core::EmptyDist(s)}, dx_(s.gridDx), dy_(s.gridDy) {
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
    const LargeVector<BinnedPoint>& pts = cells_.points();
    if (ring == 0) {
      // The offers are the cell's points in index order: of each run only
      // the first is made.
      const auto [first, last] = cells_.Cell(a, b);
      for (uint32_t k = first; k < last; k = pts[k].runEnd) {
        const BinnedPoint& q = pts[k];
        Rpl(n, q.x, q.y, q.z, OfferDistance(a, b, q.fx, q.fy, dx_, dy_), rules_);
      }
      return true;
    }
    const double third = n.nearDist[2];
    const int r = ring;
    if (std::min(bound_[r - 1][0], bound_[0][r - 1]) >= third) return false;

    candidates_.clear();
    runs_.clear();
    bool inOrder = true;  // candidates gathered so far ascend in index
    int32_t lastP = 0;
    auto take = [&](CellIndex::Range range) {
      for (uint32_t k = range.first; k < range.second;) {
        const double d = OfferDistance(a, b, pts[k].fx, pts[k].fy, dx_, dy_);
        const uint32_t end = pts[k].runEnd;
        if (end - k >= kShortestRun) {
          if (d < third) runs_.push_back({k, end, d});
          k = end;
          continue;
        }
        if (d < third) {
          inOrder = inOrder && pts[k].p > lastP;
          lastP = pts[k].p;
          candidates_.push_back({pts[k].p, k, d});
        }
        ++k;
      }
    };
    // The largest gap g (up to r) across the other axis with bound(g) below
    // the third distance: cells farther off hold no point that can matter.
    auto reach = [&](int fixedGap, bool alongX) {
      auto bound = [&](int g) { return alongX ? bound_[g][fixedGap] : bound_[fixedGap][g]; };
      if (bound(r) < third) return r;  // the whole side, as for a node still short of points
      int g = -1;
      while (bound(g + 1) < third) ++g;
      return g;
    };
    // Lower and upper rows: the cells within reach form one run of the row,
    // whose points lie together in the index.
    for (const int64_t cj : {b - r, b + r}) {
      const int gy = cj < b ? r - 1 : r;
      const int g = reach(gy, true);
      if (g >= 0) take(cells_.Row(cj, std::max(a - r, a - g - 1), std::min(a + r, a + g)));
    }
    // Left and right columns between them, cell by cell.
    for (const int64_t ci : {a - r, a + r}) {
      const int gx = ci < a ? r - 1 : r;
      const int g = reach(gx, false);
      if (g < 0) continue;
      const int64_t lo = std::max(b - r + 1, b - g - 1), hi = std::min(b + r - 1, b + g);
      // The column table lies apart from the rows read here, so it pays
      // only for long columns.
      if (hi - lo >= 6 && cells_.ColumnEmpty(ci, lo, hi)) continue;
      for (int64_t cj = lo; cj <= hi; ++cj) take(cells_.Cell(ci, cj));
    }
    // Within a ring the offers go in index order, whatever cell they lie in.
    if (!inOrder) SortByIndex(candidates_, scratch_);
    if (runs_.empty()) {
      for (const Candidate& c : candidates_) {
        const BinnedPoint& q = pts[c.k];
        Rpl(n, q.x, q.y, q.z, c.d, rules_);
      }
    } else {
      OfferWithRuns(n);
    }
    return true;
  }

  double EmptyDist() const { return rules_.emptyDist; }

 private:
  // Offers the candidates and the runs merged in index order. After a run's
  // member, the members that would come next, before any offer from
  // elsewhere, are skipped (see the top of this file).
  void OfferWithRuns(core::NodeSlots& n) {
    const LargeVector<BinnedPoint>& pts = cells_.points();
    auto head = [&](const Run& r) { return pts[r.k].p; };
    auto later = [&](const Run& l, const Run& r) { return head(l) > head(r); };
    std::make_heap(runs_.begin(), runs_.end(), later);  // the run with the lowest next index first
    size_t c = 0;
    while (!runs_.empty() || c < candidates_.size()) {
      const int32_t nextCandidate = c < candidates_.size() ? candidates_[c].p : INT32_MAX;
      if (runs_.empty() || nextCandidate < head(runs_.front())) {
        const BinnedPoint& q = pts[candidates_[c].k];
        Rpl(n, q.x, q.y, q.z, candidates_[c].d, rules_);
        ++c;
        continue;
      }
      std::pop_heap(runs_.begin(), runs_.end(), later);
      Run& r = runs_.back();
      const BinnedPoint& q = pts[r.k];
      Rpl(n, q.x, q.y, q.z, r.d, rules_);
      const int32_t nextElsewhere =
          runs_.size() > 1 ? std::min(nextCandidate, head(runs_.front())) : nextCandidate;
      const BinnedPoint* first = pts.data() + r.k + 1;
      const BinnedPoint* next =
          std::upper_bound(first, pts.data() + r.end, nextElsewhere,
                           [](int32_t p, const BinnedPoint& m) { return p < m.p; });
      r.k = static_cast<uint32_t>(next - pts.data());
      if (r.k == r.end) {
        runs_.pop_back();
      } else {
        std::push_heap(runs_.begin(), runs_.end(), later);
      }
    }
  }

  const CellIndex& cells_;
  const OfferRules rules_;
  const double dx_, dy_;
  double bound_[kMaxRing + 1][kMaxRing + 1];
  std::vector<Candidate> candidates_, scratch_;
  std::vector<Run> runs_;
};

// Calls work(search, j) for every row j = 1..ny, rows handed out one at a
// time to `threads` threads, each with its own NodeSearch. With a watch, each
// row done is counted and a stop request ends the rows early: false.
template <class Work>
bool ForRows(const core::DataState& s, const CellIndex& cells, int32_t threads, MshWatch* watch,
             Work work) {
  std::atomic<int32_t> nextRow{1};
  auto run = [&] {
    NodeSearch search(s, cells);
    for (int32_t j; (j = nextRow.fetch_add(1)) <= s.gridNy;) {
      if (watch && watch->stop.load(std::memory_order_relaxed)) return;
      work(search, j);
      if (watch) watch->rowsDone.fetch_add(1, std::memory_order_relaxed);
    }
  };
  const int32_t n = std::clamp<int32_t>(threads, 1, std::max<int32_t>(s.gridNy, 1));
  std::vector<std::thread> helpers;
  helpers.reserve(static_cast<size_t>(n - 1));
  for (int32_t t = 1; t < n; ++t) helpers.emplace_back(run);
  run();
  for (std::thread& t : helpers) t.join();
  return !(watch && watch->stop.load());
}

}  // namespace

int32_t ThreadsFor(int32_t requested) {
  if (requested > 0) return requested;
  const unsigned cores = std::thread::hardware_concurrency();
  return cores == 0 ? 1 : static_cast<int32_t>(std::min<unsigned>(cores, 256));
}

MshResult RingSearches(core::DataState& s, int32_t threads, CellLayout layout, MshWatch* watch) {
  if (watch) watch->rowsTotal = 2 * static_cast<int64_t>(s.gridNy);
  const CellIndex cells(s, threads, layout);
  const int32_t nx = s.gridNx;
  // Per node: the ring after which it was full; kNever when it was not full
  // after kMaxRing, or was settled with a slot still empty.
  std::vector<int8_t> fullAt(s.nodes.nodes().size(), kNever);

  MshResult r;
  // First pass: every node runs its rings until it is full or settled.
  const bool firstDone = ForRows(s, cells, threads, watch, [&](NodeSearch& search, int32_t j) {
    for (int32_t i = 1; i <= nx; ++i) {
      const size_t at =
          static_cast<size_t>(j - 1) * static_cast<size_t>(nx) + static_cast<size_t>(i - 1);
      core::NodeSlots& n = s.nodes.Node(i, j);
      for (int32_t ring = 0; ring <= kMaxRing; ++ring) {
        if (!search.Ring(n, i, j, ring)) break;  // short of points for good
        if (!HasEmptySlot(n, search.EmptyDist())) {
          fullAt[at] = static_cast<int8_t>(ring);
          break;
        }
      }
    }
  });

  if (!firstDone) {
    r.stopped = true;
    return r;
  }
  r.complete = std::find(fullAt.begin(), fullAt.end(), kNever) == fullAt.end();
  const int32_t last = r.complete
                           ? (fullAt.empty() ? 0 : *std::max_element(fullAt.begin(), fullAt.end()))
                           : kMaxRing;
  r.ringsRun = last + 1;

  // Second pass: the nodes full before the last ring still take its offers,
  // and those of the rings between, as long as one can change them.
  r.stopped = !ForRows(s, cells, threads, watch, [&](NodeSearch& search, int32_t j) {
    for (int32_t i = 1; i <= nx; ++i) {
      const size_t at =
          static_cast<size_t>(j - 1) * static_cast<size_t>(nx) + static_cast<size_t>(i - 1);
      if (fullAt[at] == kNever) continue;
      core::NodeSlots& n = s.nodes.Node(i, j);
      for (int32_t ring = fullAt[at] + 1; ring <= last; ++ring)
        if (!search.Ring(n, i, j, ring)) break;
    }
  });
  return r;
}

}  // namespace gridding
