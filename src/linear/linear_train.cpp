// Moves the train of linear wavefronts, as the timer and the time bar both do.
#include "linear/linear_train.h"

#include "linear/linear_fronts.h"
#include "surface/format.h"

namespace sorvel_kampyles {

void MoveLinearTrain(surface::Canvas& eikona, double previous, double now, double v0, double k)
{
    const double n = surface::Int(now / kLinearFrontSpacing);
    for (double i = 0; i <= n; ++i)
        DrawLinearFronts(eikona, previous - i * kLinearFrontSpacing, now - i * kLinearFrontSpacing, v0, k, 250, 250, 250);
}

}  // namespace sorvel_kampyles
