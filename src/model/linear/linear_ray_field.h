// The static picture of the linear case: time marks on the vertical axis and the fan of curved rays.
#pragma once

#include "canvas/canvas.h"

namespace sorvel_kampyles {

// Marks, every 0.02 s up to 0.38 s, how far the waves sent straight up and straight down have
// come, each with its time as label. Leaves DrawWidth at 10.
void DrawAxisTimeMarks(surface::Canvas& eikona, double v0, double k);

// Draws the 36 rays of 5° to 90° on either side of the vertical, and their mirror images, in red
// 3-pixel lines. Leaves DrawWidth at 3.
void DrawLinearRays(surface::Canvas& eikona, double v0, double k);

// Draws the single ray whose start is F degrees above the horizontal (below when negative),
// with its mirror image, in red 3-pixel lines. Leaves DrawWidth at 3.
void DrawLinearSingleRay(surface::Canvas& eikona, double F, double v0, double k);

}  // namespace sorvel_kampyles
