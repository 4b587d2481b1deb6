// Moves the train of linear wavefronts, as the timer and the time bar both do.
#include "model/linear/linear_train.h"

#include "model/linear/linear_front_sight.h"
#include "model/linear/linear_fronts.h"
#include "model/shared/colours.h"
#include "model/shared/front_train.h"
#include "model/shared/module_values.h"

#include <optional>

namespace sorvel_kampyles {

void MoveLinearTrain(surface::Canvas& eikona, double previous, double now, double v0, double k)
{
    // Each front is one call of DrawLinearFronts: faded at its old age, then in near-black at its new one.
    LinearFront front;
    const auto drawFront = [&](std::optional<double> fading, std::optional<double> drawn) {
        double lastHeight = 0;  // the messages of one call report the last height computed in it
        if (fading) {
            ComputeLinearFront(*fading, v0, k, front);
            DrawLinearFront(eikona, front, kFadeGrey, lastHeight);
        }
        if (drawn) {
            ComputeLinearFront(*drawn, v0, k, front);
            DrawLinearFront(eikona, front, kFrontBlack, lastHeight);
        }
    };
    static OutOfSightAge outOfSight;
    const double lastAge =
        outOfSight.For(eikona, kLinearFrontWidth, {v0, k, PI_VALUE},
                       [&](const surface::UserBox& reach) { return LinearFrontsOutOfSight(v0, k, reach); });
    MoveTrain(eikona, previous, now, kLinearFrontSpacing, lastAge, drawFront);
}

}  // namespace sorvel_kampyles
