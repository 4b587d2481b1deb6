// Moves the train of square-root wavefronts, as the timer and the time bar both do.
#include "square_root/square_root_train.h"

#include "square_root/square_root_fronts.h"
#include "surface/format.h"

namespace sorvel_kampyles {

void MoveSquareRootTrain(surface::Canvas& SOURA1, double previous, double now, double A, double beta)
{
    const double n = surface::Int(now / kSquareRootFrontSpacing);
    for (double k = 0; k <= n; ++k)
        DrawSquareRootFronts(SOURA1, previous - kSquareRootFrontSpacing * k, now - kSquareRootFrontSpacing * k, A, beta,
                             250, 250, 250);
}

}  // namespace sorvel_kampyles
