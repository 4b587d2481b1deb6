// The age after which a linear wavefront can no longer change a pixel of the picture.
#pragma once

#include "canvas/canvas.h"

namespace sorvel_kampyles {

// An age after which DrawLinearFronts draws nothing within `reach` for a front of that age or
// older; infinite if none is found.
double LinearFrontsOutOfSight(double v0, double k, const surface::UserBox& reach);

}  // namespace sorvel_kampyles
