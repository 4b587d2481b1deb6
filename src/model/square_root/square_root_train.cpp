// Moves the train of square-root wavefronts, as the timer and the time bar both do.
#include "model/square_root/square_root_train.h"

#include "model/shared/colours.h"
#include "model/shared/module_values.h"
#include "model/square_root/square_root_front_sight.h"

namespace sorvel_kampyles {

void SquareRootTrain::Move(surface::Canvas& SOURA1, double previous, double now, double A, double beta)
{
    PI_VALUE = ComputedPi();
    if (!rays_ || rays_->A != A || rays_->beta != beta || rays_->pi != PI_VALUE)
        rays_ = MakeSquareRootRays(A, beta);
    const SquareRootRayTable& rays = *rays_;
    const double lastAge =
        outOfSight_.For(SOURA1, kSquareRootFrontWidth, {A, beta, PI_VALUE},
                        [&](const surface::UserBox& reach) { return SquareRootFrontsOutOfSight(A, beta, reach); });
    SquareRootFront front;
    const auto drawPass = [&](std::optional<double> age, surface::Rgb colour) {
        if (!age)
            return;
        ComputeSquareRootFront(rays, *age, front);
        DrawSquareRootFront(SOURA1, front, colour);
    };
    MoveTrain(SOURA1, previous, now, kSquareRootFrontSpacing, lastAge,
              [&](std::optional<double> fading, std::optional<double> drawn) {
                  drawPass(fading, kFadeGrey);
                  drawPass(drawn, kFrontBlack);
              });
}

}  // namespace sorvel_kampyles
