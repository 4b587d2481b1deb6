// Moves the train of square-root wavefronts, as the timer and the time bar both do.
#include "model/square_root/square_root_train.h"

#include "model/shared/colours.h"
#include "model/square_root/square_root_front_sight.h"

#include <algorithm>

namespace sorvel_kampyles {

void SquareRootTrain::Move(surface::Canvas& SOURA1, double previous, double now, double A, double beta)
{
    if (!rays_ || rays_->A != A || rays_->beta != beta)
        rays_ = MakeSquareRootRays(A, beta);
    const SquareRootRayTable& rays = *rays_;
    const double lastAge =
        outOfSight_.For(SOURA1, kSquareRootFrontWidth, {A, beta},
                        [&](const surface::UserBox& reach) { return SquareRootFrontsOutOfSight(A, beta, reach); });
    SquareRootFront front;
    const auto drawPass = [&](double age, surface::Rgb colour, surface::Stamp& stamp) {
        const double inputs[] = {age, A, beta};
        // The front's drawing starts with this width: so every pass starts from the same settings.
        SOURA1.SetDrawWidth(kSquareRootFrontWidth);
        SOURA1.DrawStamped(stamp, inputs, colour, [&](surface::Canvas& canvas, surface::Rgb inColour) {
            ComputeSquareRootFront(rays, age, front);
            DrawSquareRootFront(canvas, front, inColour);
        });
    };
    std::swap(lastMove_, thisMove_);
    std::size_t drawnFronts = 0;
    MoveTrain(SOURA1, previous, now, kSquareRootFrontSpacing, lastAge,
              [&](std::optional<double> fading, std::optional<double> drawn) {
                  if (fading) {
                      const auto last = std::find_if(lastMove_.begin(), lastMove_.end(),
                                                     [&](const DrawnFront& f) { return f.age == *fading; });
                      drawPass(*fading, kFadeGrey, last != lastMove_.end() ? last->stamp : unmatched_);
                  }
                  if (drawn) {
                      if (drawnFronts == thisMove_.size())
                          thisMove_.emplace_back();
                      DrawnFront& kept = thisMove_[drawnFronts++];
                      kept.age = *drawn;
                      drawPass(*drawn, kFrontBlack, kept.stamp);
                  }
              });
    thisMove_.resize(drawnFronts);
}

}  // namespace sorvel_kampyles
