// The colour scale of the height map and the height meter: a normalised
// height t (0 at the top of the scale, 1 at its bottom) becomes red, yellow,
// green, cyan or blue along four linear segments.
#pragma once

#include "core/data_state.h"
#include "render/target.h"

namespace render {

// Colour of t for the meter bands: bounds 2/6, 0.5, 4/6, 1 in double
// precision; t below 0 is red and above 1 blue.
Rgb ScaleColour(double t);

// Colour of a data point: t = (zTop - z) / (zTop - zBottom) held at single
// precision and compared with the bounds rounded to single precision; 0.5
// (pure green) when zTop is not above zBottom.
Rgb PointColour(const core::DataState& d, double z);

// Band b = 1..25 of the height meter: t = (b - 1) / 24, red at the top.
Rgb BandColour(int b);

}  // namespace render
