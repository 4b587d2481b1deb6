// Moves the train of linear wavefronts, as the timer and the time bar both do.
#include "linear/linear_train.h"

#include "linear/linear_fronts.h"
#include "shared/drawing_shortcuts.h"
#include "surface/format.h"

namespace sorvel_kampyles {

void MoveLinearTrain(surface::Canvas& eikona, double previous, double now, double v0, double k)
{
    // Front i is one call of DrawLinearFronts: its faded old age, then its new age. The points of
    // all of them are computed first, then drawn in the calls' order.
    const double n = surface::Int(now / kLinearFrontSpacing);
    if (n < 0)
        return;
    const auto count = static_cast<std::size_t>(n + 1);
    const auto timeOf = [&](std::size_t item) {
        const double i = static_cast<double>(item / 2);
        return (item % 2 == 0 ? previous : now) - i * kLinearFrontSpacing;
    };
    PrepareLinearFronts(v0, k);
    double lastHeight = 0;
    ComputeThenDrawInOrder<LinearFront>(
        2 * count, [&](std::size_t item, LinearFront& front) { ComputeLinearFront(timeOf(item), v0, k, front); },
        [&](std::size_t item, const LinearFront& front) {
            if (item % 2 == 0) {
                lastHeight = 0;
                DrawLinearFront(eikona, front, surface::Rgb{250, 250, 250}, lastHeight);
            } else {
                DrawLinearFront(eikona, front, surface::Rgb{5, 5, 5}, lastHeight);
                eikona.SetDrawWidth(1);
            }
        });
}

}  // namespace sorvel_kampyles
