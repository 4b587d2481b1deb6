// Hands segments and dots to a canvas in single precision, clipped in double precision first,
// so that a far-away or overflowing model point never reaches the canvas as inf or garbage.
#pragma once

#include "canvas/canvas.h"

namespace sorvel_kampyles {

// Half-width of the region kept, in user units. Both picture areas show −100..100, so anything
// beyond 10^4 is at least fifty picture widths away; inside it a float still resolves 0.001 units.
inline constexpr double kDrawingLimit = 1e4;

// Draws the part of the segment that lies within ±kDrawingLimit; nothing if none does or if an
// end point is not finite.
void ClippedLine(surface::Canvas& canvas, double x1, double y1, double x2, double y2,
                 std::optional<surface::Rgb> colour = {});

// Sets the dot if the point lies within ±kDrawingLimit.
void ClippedPSet(surface::Canvas& canvas, double x, double y, std::optional<surface::Rgb> colour = {});

}  // namespace sorvel_kampyles
