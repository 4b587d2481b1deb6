// The train of linear wavefronts: one front every 0.02 s since time 0, moved from one time to another.
#pragma once

#include "canvas/canvas.h"
#include "model/linear/linear_fronts.h"
#include "model/shared/front_train.h"

#include <optional>

namespace sorvel_kampyles {

// A new wavefront leaves the source every 0.02 s.
inline constexpr double kLinearFrontSpacing = 0.02;

// The train of one picture. What it keeps between moves (the start angles of the medium, and
// the age after which a front leaves the picture) depends only on the medium and the picture,
// and is made again when either changes.
class LinearTrain {
public:
    // Fades every front of the train at its age for time `previous` and draws it at its age for
    // `now`; the fronts counted are those emitted by `now` (i = 0 to Int(now / 0.02)). Each front
    // is what one call of DrawLinearFronts draws.
    void Move(surface::Canvas& eikona, double previous, double now, double v0, double k);

private:
    std::optional<LinearSweepAngles> angles_;
    OutOfSightAge outOfSight_;
};

}  // namespace sorvel_kampyles
