// The train of linear wavefronts: one front every 0.02 s since time 0, moved from one time to another.
#pragma once

#include "canvas/canvas.h"

namespace sorvel_kampyles {

// A new wavefront leaves the source every 0.02 s.
inline constexpr double kLinearFrontSpacing = 0.02;

// Fades every front of the train at its age for time `previous` and draws it at its age for
// `now`; the fronts counted are those emitted by `now` (i = 0 to Int(now / 0.02)).
void MoveLinearTrain(surface::Canvas& eikona, double previous, double now, double v0, double k);

}  // namespace sorvel_kampyles
