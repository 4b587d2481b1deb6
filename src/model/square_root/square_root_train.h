// The train of square-root wavefronts: one front every quarter time unit since time 0.
#pragma once

#include "canvas/canvas.h"

namespace sorvel_kampyles {

inline constexpr double kSquareRootFrontSpacing = 0.25;

// Fades every front at its age for `previous` and draws it at its age for `now`, for the fronts
// counted from the new time (k = 0 to Int(now / 0.25)).
void MoveSquareRootTrain(surface::Canvas& SOURA1, double previous, double now, double A, double beta);

}  // namespace sorvel_kampyles
