// Moves the train of linear wavefronts, as the timer and the time bar both do.
#include "linear/linear_train.h"

#include "linear/linear_fronts.h"
#include "shared/front_train.h"

namespace sorvel_kampyles {

void MoveLinearTrain(surface::Canvas& eikona, double previous, double now, double v0, double k)
{
    // Each front is one call of DrawLinearFronts: faded at its old age, then in near-black at its new one.
    PrepareLinearFronts(v0, k);
    double lastHeight = 0;
    MoveTrain<LinearFront>(
        previous, now, kLinearFrontSpacing, [&](double tau, LinearFront& front) { ComputeLinearFront(tau, v0, k, front); },
        [&](const LinearFront& front, bool isNew) {
            if (!isNew)
                lastHeight = 0;  // a new call
            DrawLinearFront(eikona, front, isNew ? surface::Rgb{5, 5, 5} : surface::Rgb{250, 250, 250}, lastHeight);
            if (isNew)
                eikona.SetDrawWidth(1);
        });
}

}  // namespace sorvel_kampyles
