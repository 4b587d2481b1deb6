// Moves the train of square-root wavefronts, as the timer and the time bar both do.
#include "square_root/square_root_train.h"

#include "shared/front_train.h"
#include "shared/module_values.h"
#include "square_root/square_root_fronts.h"

namespace sorvel_kampyles {

void MoveSquareRootTrain(surface::Canvas& SOURA1, double previous, double now, double A, double beta)
{
    // Each front is one call of DrawSquareRootFronts: faded at its old age, then in near-black at its new one.
    PI_VALUE = ComputedPi();
    const SquareRootRayTable* rays = SquareRootRaysFor(A, beta);
    MoveTrain<SquareRootFront>(
        previous, now, kSquareRootFrontSpacing,
        [&](double T, SquareRootFront& front) { ComputeSquareRootFront(rays, T, A, beta, front); },
        [&](const SquareRootFront& front, bool isNew) {
            DrawSquareRootFront(SOURA1, front, isNew ? surface::Rgb{5, 5, 5} : surface::Rgb{250, 250, 250});
            if (isNew)
                SOURA1.SetDrawWidth(1);
        });
}

}  // namespace sorvel_kampyles
