// In the linear medium the wave that leaves the source toward the zero-speed line crowds against
// it, while only the ray sent straight away from it escapes. Seen with that line below (the picture
// turned over for k > 0), a front of age τ is out of sight once
//   1. the far vertical point is above the reach and the near one below it;
//   2. every ray point is below the reach;
//   3. the two segments from the far vertical point to the first ray points of its sweeps pass the
//      reach at its top edge on the outer side.
// Each of these, once true, stays true as τ grows: the far point climbs and the near one sinks;
// a ray point below the source is past any turning point and only sinks; and the first ray
// points of the far sweeps only move outward. So the first age at which all hold is found by
// bisection and holds for every older front. Every point is computed exactly as the drawing does.
#include "model/linear/linear_front_sight.h"

#include "model/linear/linear_fronts.h"

#include <cmath>
#include <limits>

namespace sorvel_kampyles {
namespace {

constexpr double kFirstGuess = 0.25;  // seconds; fronts of 768-pixel pictures leave sight near 1 s
constexpr double kGiveUp = 64;        // past this no finite bound is worth having (exp(16·64) overflows)
constexpr int kBisections = 60;       // enough to pin a double between 0 and kGiveUp

bool outOfSight(const LinearSweepAngles& angles, double tau, const surface::UserBox& reach)
{
    const double v0 = angles.v0;
    const double k = angles.k;
    LinearFront front;
    ComputeLinearFront(angles, tau, front);
    // Turn the picture over for k > 0, so that the zero-speed line y = v0/k lies below.
    const double flip = k < 0 ? 1 : -1;
    const double top = k < 0 ? reach.top : -reach.bottom;
    const double bottom = k < 0 ? reach.bottom : -reach.top;
    const double zeroSpeedDepth = v0 / std::fabs(k);  // no ray point lies below −v0/|k|
    const bool farIsTop = k < 0;
    const double far = flip * (farIsTop ? front.yUp : front.yDown);
    const double near = flip * (farIsTop ? front.yDown : front.yUp);
    if (!(far > top) || !(near < bottom))
        return false;
    for (const auto& sweep : front.sweeps)
        for (const LinearFront::Point& point : sweep)
            if (!point.valid || !(flip * point.T < bottom))
                return false;
    if (!std::isfinite(far))
        return true;  // the segments from an overflowed point are never drawn
    // Where a far segment crosses the top edge, its abscissa is at least this share of its end's.
    const double share = (far - top) / (far + zeroSpeedDepth);
    for (std::size_t s = 0; s < front.sweeps.size(); ++s) {
        if (LinearFront::kStartsAtTop[s] != farIsTop)
            continue;
        const double x = front.sweeps[s].front().Z * share;
        if (!(x > reach.right || x < reach.left))
            return false;
    }
    return true;
}

}  // namespace

double LinearFrontsOutOfSight(double v0, double k, const surface::UserBox& reach)
{
    const LinearSweepAngles angles = MakeLinearSweepAngles(v0, k);
    double visible = 0;
    double hidden = kFirstGuess;
    while (!outOfSight(angles, hidden, reach)) {
        visible = hidden;
        hidden *= 2;
        if (hidden > kGiveUp)
            return std::numeric_limits<double>::infinity();
    }
    for (int i = 0; i < kBisections; ++i) {
        const double middle = (visible + hidden) / 2;
        (outOfSight(angles, middle, reach) ? hidden : visible) = middle;
    }
    return hidden;
}

}  // namespace sorvel_kampyles
