// Moves the train of square-root wavefronts, as the timer and the time bar both do.
#include "model/square_root/square_root_train.h"

#include "model/shared/colours.h"
#include "model/shared/front_train.h"
#include "model/shared/module_values.h"
#include "model/square_root/square_root_front_sight.h"
#include "model/square_root/square_root_fronts.h"

#include <optional>

namespace sorvel_kampyles {

void MoveSquareRootTrain(surface::Canvas& SOURA1, double previous, double now, double A, double beta)
{
    // Each front is one call of DrawSquareRootFronts: faded at its old age, then in near-black at its new one.
    PI_VALUE = ComputedPi();
    static OutOfSightAge outOfSight;
    const double lastAge =
        outOfSight.For(SOURA1, kSquareRootFrontWidth, {A, beta, PI_VALUE},
                       [&](const surface::UserBox& reach) { return SquareRootFrontsOutOfSight(A, beta, reach); });
    const SquareRootRayTable& rays = SquareRootRaysFor(A, beta);
    SquareRootFront front;
    const auto drawPass = [&](std::optional<double> age, surface::Rgb colour) {
        if (!age)
            return;
        ComputeSquareRootFront(rays, *age, A, beta, front);
        DrawSquareRootFront(SOURA1, front, colour);
    };
    MoveTrain(SOURA1, previous, now, kSquareRootFrontSpacing, lastAge,
              [&](std::optional<double> fading, std::optional<double> drawn) {
                  drawPass(fading, kFadeGrey);
                  drawPass(drawn, kFrontBlack);
              });
}

}  // namespace sorvel_kampyles
