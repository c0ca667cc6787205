// Msh: the gridding of one conversion. Every node's table starts with three
// dummy points; the points are offered ring by ring (Sch) to the nodes around
// their cells through Rpl until every node holds three points or ring 50 has
// run; then every node gets its value from Hight. MshLiteral runs that
// schedule as written; Msh gives the same result bit for bit, much faster
// (gridding/engine.cpp).
#pragma once

#include <atomic>
#include <cstdint>

#include "core/data_state.h"
#include "core/report.h"

namespace gridding {

inline constexpr int32_t kMaxRing = 50;

struct [[nodiscard]] MshResult {
  int32_t ringsRun = 0;   // searches made: 1 (ring 0 only) .. 51
  bool complete = false;  // every node holds three points
  bool stopped = false;   // stopped on request: the node values were not computed
};

// A conversion watched from another thread: `stop` asks the ring searches to
// end at the next lattice row; `rowsDone` counts the rows searched, out of
// two passes over every row (2 × gridNy).
struct MshWatch {
  std::atomic<bool> stop{false};
  std::atomic<int64_t> rowsDone{0};
  std::atomic<int64_t> rowsTotal{0};  // 2 × gridNy, set when the searches start
};

// Slots 1..3 of every node set to the empty marker: distance emptyDist and
// the dummy point ((xMax - xMin)*10*k, (yMax - yMin)*10*k) with z = 0.
void InitNodes(core::DataState& s);

// One ring search: every point p = 1..nData, in index order, offered to the
// nodes at Chebyshev distance `ring` from its cell's node (ring 0: that node
// alone), lower row, upper row, then the side columns from the bottom up.
void Sch(int32_t ring, core::DataState& s);

// True when some node still has an empty slot.
bool AnyEmptySlot(const core::DataState& s);

// Node values from the three points each node holds (slot 0 of nearZ).
void Heights(core::DataState& s);

// The whole gridding. After ring 50 with a node still short of points, shows
// Msg::RegionInvalid and computes the values anyway. Preconditions:
// DataRead2 has succeeded on this state. The ring searches run on `threads`
// threads (0: as many as there are cores); the result is the same for any
// number.
// With `watch`, a stop request ends the searches early: the result says
// stopped, no message is shown and the tables are left half searched.
MshResult Msh(core::DataState& s, core::Reporter& report, int32_t threads = 0,
              MshWatch* watch = nullptr);

// The same gridding, each ring search offering every point to every node of
// its ring (Sch). The reference for tests and benchmarks, slow on regions
// that leave nodes unfilled.
MshResult MshLiteral(core::DataState& s, core::Reporter& report);

}  // namespace gridding
