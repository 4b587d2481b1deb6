// Wavefronts of the linear medium: the curves through the points all rays reach after equal times.
#pragma once

#include "surface/canvas.h"

namespace sorvel_kampyles {

// Draws the wavefront of time t1 in RGB(red, green, blue), then that of t2 in RGB(5, 5, 5), each
// a 5-pixel polyline through the ray points at 5° steps with a red dot at every segment start.
// Times may be negative (a front of −τ is the front of τ). Leaves DrawWidth at 1.
void DrawLinearFronts(surface::Canvas& eikona, double t1, double t2, double v0, double k, int red,
                      int green, int blue);

}  // namespace sorvel_kampyles
