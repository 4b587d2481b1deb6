// The order in which a train of wavefronts is moved: each front faded at its old age, then drawn at its new one.
#pragma once

#include "canvas/canvas.h"
#include "canvas/int.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <limits>
#include <optional>

namespace sorvel_kampyles {

// The age after which a front can no longer change a pixel of a canvas: infinite where the
// canvas has no pixels and every operation counts; otherwise found by `find(reach)`, which takes
// a few milliseconds, and kept while the canvas's reach and the medium stay the same.
class OutOfSightAge {
public:
    template <class Find>
    double For(const surface::Canvas& canvas, int width, const std::array<double, 2>& medium, Find find)
    {
        const std::optional<surface::UserBox> reach = canvas.Reach(width);
        if (!reach)
            return std::numeric_limits<double>::infinity();
        if (reach != reach_ || medium != medium_) {
            age_ = find(*reach);
            reach_ = reach;
            medium_ = medium;
        }
        return age_;
    }

private:
    std::optional<surface::UserBox> reach_;
    std::array<double, 2> medium_{};
    double age_ = 0;
};

// Front i of a train left the source i·spacing after the first. For i = 0 to Int(now / spacing)
// it hands drawFront its age for `previous`, to fade, and its age for `now`, to draw. An age past
// outOfSight would draw nothing in the picture and is handed on empty; since the fronts come
// oldest first, the loop starts at the first front young enough. Leaves DrawWidth at 1, as the
// last front's drawing does.
template <class DrawFront>
void MoveTrain(surface::Canvas& canvas, double previous, double now, double spacing, double outOfSight,
               DrawFront drawFront)
{
    const double n = surface::Int(now / spacing);
    if (n < 0)
        return;
    const long last = static_cast<long>(n);
    // The youngest of a front's two ages decides whether it is drawn at all; one front early for rounding.
    const double oldestWanted = (std::min(previous, now) - outOfSight) / spacing - 1;
    const long first = std::isfinite(oldestWanted) ? static_cast<long>(std::clamp(oldestWanted, 0.0, n)) : 0;
    for (long i = first; i <= last; ++i) {
        const double fading = previous - static_cast<double>(i) * spacing;
        const double drawn = now - static_cast<double>(i) * spacing;
        const auto inSight = [&](double age) { return age <= outOfSight ? std::optional(age) : std::nullopt; };
        drawFront(inSight(fading), inSight(drawn));
    }
    canvas.SetDrawWidth(1);
}

}  // namespace sorvel_kampyles
