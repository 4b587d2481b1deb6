// Moves the train of square-root wavefronts, as the timer and the time bar both do.
#include "square_root/square_root_train.h"

#include "shared/drawing_shortcuts.h"
#include "shared/module_values.h"
#include "square_root/square_root_fronts.h"
#include "surface/format.h"

namespace sorvel_kampyles {

void MoveSquareRootTrain(surface::Canvas& SOURA1, double previous, double now, double A, double beta)
{
    // Each front k is one call of DrawSquareRootFronts: its faded old age, then its new age. The
    // points of all of them are computed first, then drawn in the calls' order.
    PI_VALUE = ComputedPi();
    const SquareRootRayTable* rays = SquareRootRaysFor(A, beta);
    const double n = surface::Int(now / kSquareRootFrontSpacing);
    if (n < 0)
        return;
    const auto count = static_cast<std::size_t>(n + 1);
    const auto timeOf = [&](std::size_t item) {
        const double k = static_cast<double>(item / 2);
        return (item % 2 == 0 ? previous : now) - kSquareRootFrontSpacing * k;
    };
    ComputeThenDrawInOrder<SquareRootFront>(
        2 * count, [&](std::size_t item, SquareRootFront& front) { ComputeSquareRootFront(rays, timeOf(item), A, beta, front); },
        [&](std::size_t item, const SquareRootFront& front) {
            DrawSquareRootFront(SOURA1, front, item % 2 == 0 ? surface::Rgb{250, 250, 250} : surface::Rgb{5, 5, 5});
            if (item % 2 == 1)
                SOURA1.SetDrawWidth(1);
        });
}

}  // namespace sorvel_kampyles
