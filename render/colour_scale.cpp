#include "render/colour_scale.h"

#include "core/numbers.h"

namespace render {

namespace {

uint8_t Channel(double v) { return static_cast<uint8_t>(core::RoundHalfEven(v)); }

// The four segments, first matching bound wins.
Rgb SegmentColour(double t, double twoSixths, double half, double fourSixths, double one) {
  if (t < 0) return {255, 0, 0};
  if (t <= twoSixths) return {255, Channel(t * 255 * 3), 0};
  if (t <= half) return {Channel((3 - 6 * t) * 255), 255, 0};
  if (t <= fourSixths) return {0, 255, Channel((6 * t - 3) * 255)};
  if (t <= one) return {0, Channel((3 - 3 * t) * 255), 255};
  return {0, 0, 255};
}

}  // namespace

Rgb ScaleColour(double t) { return SegmentColour(t, 2.0 / 6, 0.5, 4.0 / 6, 1); }

Rgb PointColour(const core::DataState& d, double z) {
  float t = 0.5f;
  if (d.zTop > d.zBottom) t = static_cast<float>((d.zTop - z) / (d.zTop - d.zBottom));
  // A z that is not a number compares false everywhere: drawn blue, as the
  // last row of the scale.
  return SegmentColour(t, core::ToSingle(2.0 / 6), 0.5, core::ToSingle(4.0 / 6), 1);
}

Rgb BandColour(int b) { return ScaleColour((b - 1) / 24.0); }

}  // namespace render
