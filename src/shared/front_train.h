// The order in which a train of wavefronts is moved: each front faded at its old age, then drawn at its new one.
#pragma once

#include "shared/drawing_shortcuts.h"
#include "surface/format.h"

namespace sorvel_kampyles {

// Front i of a train left the source i·spacing after the first. For i = 0 to Int(now / spacing)
// it hands draw(front, false) the front at its age for `previous` and then draw(front, true) the
// one for `now`, after compute(time, front) has made each (possibly on another thread).
template <class Front, class Compute, class Draw>
void MoveTrain(double previous, double now, double spacing, Compute compute, Draw draw)
{
    const double n = surface::Int(now / spacing);
    if (n < 0)
        return;
    const auto count = static_cast<std::size_t>(n + 1);
    const auto timeOf = [&](std::size_t item) {
        const double i = static_cast<double>(item / 2);
        return (item % 2 == 0 ? previous : now) - i * spacing;
    };
    ComputeThenDrawInOrder<Front>(
        2 * count, [&](std::size_t item, Front& front) { compute(timeOf(item), front); },
        [&](std::size_t item, const Front& front) { draw(front, item % 2 == 1); });
}

}  // namespace sorvel_kampyles
