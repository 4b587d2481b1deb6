// Moves the train of linear wavefronts, as the timer and the time bar both do.
#include "linear/linear_train.h"

#include "linear/linear_front_sight.h"
#include "linear/linear_fronts.h"
#include "shared/front_train.h"
#include "shared/module_values.h"

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
            DrawLinearFront(eikona, front, surface::Rgb{250, 250, 250}, lastHeight);
        }
        if (drawn) {
            ComputeLinearFront(*drawn, v0, k, front);
            DrawLinearFront(eikona, front, surface::Rgb{5, 5, 5}, lastHeight);
        }
    };
    static OutOfSightAge outOfSight;
    const double lastAge = outOfSight.For(eikona, kLinearFrontWidth, {v0, k, PI_VALUE}, [&](const surface::UserBox& reach) {
        return LinearFrontsOutOfSight(v0, k, reach);
    });
    MoveTrain(eikona, previous, now, kLinearFrontSpacing, lastAge, drawFront);
}

}  // namespace sorvel_kampyles
