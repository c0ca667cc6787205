// The ring search of Msh, node by node: every node takes its offers of ring
// k from the cells on its own ring (CellIndex) instead of every point being
// offered to every node. Used by Msh (gridding/msh.cpp).
#pragma once

#include <cstdint>

#include "core/data_state.h"
#include "gridding/cell_index.h"
#include "gridding/msh.h"

namespace gridding {

// Runs the ring searches of one conversion on tables that InitNodes has
// prepared and leaves every node's slots 1..3 exactly as the literal
// schedule (MshLiteral) leaves them; returns the rings run and whether every
// node is full. Nodes are shared among `threads` threads (at least 1); the
// result does not depend on their number.
// `layout` chooses the cell lookup (tests try both). `watch`, when given,
// counts the rows done and stops the searches on request.
MshResult RingSearches(core::DataState& s, int32_t threads, CellLayout layout = CellLayout::Auto,
                       MshWatch* watch = nullptr);

// The thread count a caller's request stands for: the request when it is
// positive, else the cores available (at least 1).
int32_t ThreadsFor(int32_t requested);

}  // namespace gridding
