#include "render/target.h"

#include <cmath>

#include "core/numbers.h"

namespace render {

int32_t DeviceCoord(double mm, double unitPerMm, int32_t limit) {
  const double v = core::RoundHalfEven(mm * unitPerMm);
  if (std::isnan(v)) return 0;
  if (v > limit) return limit;
  if (v < -static_cast<double>(limit)) return -limit;
  return static_cast<int32_t>(v);
}

}  // namespace render
