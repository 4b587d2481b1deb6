// The age after which a square-root wavefront can no longer change a pixel of the picture.
#pragma once

#include "canvas/canvas.h"

namespace sorvel_kampyles {

// An age after which DrawSquareRootFronts draws nothing within `reach` for a front of that age
// or older.
double SquareRootFrontsOutOfSight(double A, double beta, const surface::UserBox& reach);

}  // namespace sorvel_kampyles
