// Polylines cut to the square of coordinates a target can hold. A segment
// whose far end lies outside keeps its direction: the part inside the
// square is kept along the segment's own line, where clamping each end on
// its own would turn the segment.
#pragma once

#include <span>
#include <vector>

namespace render {

struct DevicePoint {
  double x = 0, y = 0;  // device units, before rounding
};

// The parts of the polyline through `points` that lie within lo..hi on both
// axes, each a run of joined points (a run ends where the line leaves the
// square). A segment with an end that is not a finite number is left out. A
// single point is kept when it lies inside.
std::vector<std::vector<DevicePoint>> ClipPolyline(std::span<const DevicePoint> points, double lo,
                                                   double hi);

}  // namespace render
