// The train of square-root wavefronts: one front every quarter time unit since time 0.
#pragma once

#include "canvas/canvas.h"
#include "model/shared/front_train.h"
#include "model/square_root/square_root_fronts.h"

#include <optional>

namespace sorvel_kampyles {

inline constexpr double kSquareRootFrontSpacing = 0.25;

// The train of one picture. What it keeps between moves (the rays of the medium, and the age
// after which a front leaves the picture) depends only on the medium and the picture, and is
// made again when either changes.
class SquareRootTrain {
public:
    // Fades every front at its age for `previous` and draws it at its age for `now`, for the
    // fronts counted from the new time (k = 0 to Int(now / 0.25)). Each front is what one call of
    // DrawSquareRootFronts draws. Sets PI_VALUE, as that drawing does.
    void Move(surface::Canvas& SOURA1, double previous, double now, double A, double beta);

private:
    std::optional<SquareRootRayTable> rays_;
    OutOfSightAge outOfSight_;
};

}  // namespace sorvel_kampyles
