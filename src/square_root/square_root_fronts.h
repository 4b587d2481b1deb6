// Wavefronts of the square-root medium, from the ray points of whole-degree start angles.
#pragma once

#include "surface/canvas.h"

namespace sorvel_kampyles {

// Draws the front of time t1 in RGB(red, green, blue), then that of t2 in RGB(5, 5, 5): an
// upper branch through the rays of 1° to 90° and a lower one through 179° to 91°, mirrored,
// leaving out rays that have already ended. Leaves DrawWidth at 1.
void DrawSquareRootFronts(surface::Canvas& SOURA1, double t1, double t2, double A, double beta, int red,
                          int green, int blue);

}  // namespace sorvel_kampyles
