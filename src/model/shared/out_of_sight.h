// How far what a drawing procedure hands a canvas stays from the region in which it could change a pixel.
#pragma once

#include "canvas/canvas.h"

namespace sorvel_kampyles {

// Distance in user units from the segment (x1, y1)-(x2, y2) to the box: 0 where they meet, and
// infinite where an end is not finite, since such a segment never reaches a canvas.
double DistanceToBox(const surface::UserBox& box, double x1, double y1, double x2, double y2);

}  // namespace sorvel_kampyles
