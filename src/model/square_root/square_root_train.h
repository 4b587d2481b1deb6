// The train of square-root wavefronts: one front every quarter time unit since time 0.
#pragma once

#include "canvas/canvas.h"
#include "canvas/stamp.h"
#include "model/shared/front_train.h"
#include "model/square_root/square_root_fronts.h"

#include <optional>
#include <vector>

namespace sorvel_kampyles {

inline constexpr double kSquareRootFrontSpacing = 0.25;

// The train of one picture. What it keeps between moves (the rays of the medium, the age after
// which a front leaves the picture, and what each front drawn on the last move filled) depends
// only on the medium, the picture and the times, and is made again when they change.
class SquareRootTrain {
public:
    // Fades every front at its age for `previous` and draws it at its age for `now`, for the
    // fronts counted from the new time (k = 0 to Int(now / 0.25)). Each front is what one call of
    // DrawSquareRootFronts draws.
    void Move(surface::Canvas& SOURA1, double previous, double now, double A, double beta);

private:
    // A front drawn on a move, as what it filled: on the next tick the same front is faded at
    // this age, which fills the same pixels in the fading grey.
    struct DrawnFront {
        double age = 0;
        surface::Stamp stamp;
    };

    std::optional<SquareRootRayTable> rays_;
    OutOfSightAge outOfSight_;
    std::vector<DrawnFront> lastMove_, thisMove_;
    surface::Stamp unmatched_;  // for a front faded at an age the last move did not draw
};

}  // namespace sorvel_kampyles
