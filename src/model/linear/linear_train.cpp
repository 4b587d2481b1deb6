// Moves the train of linear wavefronts, as the timer and the time bar both do.
#include "model/linear/linear_train.h"

#include "model/linear/linear_front_sight.h"
#include "model/shared/colours.h"

namespace sorvel_kampyles {

void LinearTrain::Move(surface::Canvas& eikona, double previous, double now, double v0, double k)
{
    if (!angles_ || angles_->v0 != v0 || angles_->k != k)
        angles_ = MakeLinearSweepAngles(v0, k);
    const LinearSweepAngles& angles = *angles_;
    LinearFront front;
    const auto drawFront = [&](std::optional<double> fading, std::optional<double> drawn) {
        double lastHeight = 0;  // the messages of one call report the last height computed in it
        if (fading) {
            ComputeLinearFront(angles, *fading, front);
            DrawLinearFront(eikona, front, kFadeGrey, lastHeight);
        }
        if (drawn) {
            ComputeLinearFront(angles, *drawn, front);
            DrawLinearFront(eikona, front, kFrontBlack, lastHeight);
        }
    };
    const double lastAge =
        outOfSight_.For(eikona, kLinearFrontWidth, {v0, k},
                        [&](const surface::UserBox& reach) { return LinearFrontsOutOfSight(v0, k, reach); });
    MoveTrain(eikona, previous, now, kLinearFrontSpacing, lastAge, drawFront);
}

}  // namespace sorvel_kampyles
