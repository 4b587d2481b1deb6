// The dotted ray field of the square-root medium: 37 rays with a dot every quarter time unit.
#pragma once

#include "canvas/canvas.h"

namespace sorvel_kampyles {

// The slope β of A + β·y for the basin the window shows.
inline constexpr int kBeta = 40;

// Sets the user scale, draws the axes and the fan of rays of 0° to 180° in 5° steps for this A
// (β = 40), mirrored about the vertical axis. Leaves DrawWidth at 1.
void DrawSquareRootRayField(surface::Canvas& SOURA1, double A);

}  // namespace sorvel_kampyles
