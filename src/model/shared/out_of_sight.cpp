// Segment-to-box distance for the proofs that a wavefront is out of sight.
#include "model/shared/out_of_sight.h"

#include "canvas/segment_clip.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace sorvel_kampyles {
namespace {

double pointToBox(const surface::UserBox& box, double x, double y)
{
    const double dx = std::max({box.left - x, 0.0, x - box.right});
    const double dy = std::max({box.bottom - y, 0.0, y - box.top});
    return std::hypot(dx, dy);
}

double pointToSegment(double px, double py, double x1, double y1, double x2, double y2)
{
    const double dx = x2 - x1, dy = y2 - y1;
    const double length2 = dx * dx + dy * dy;
    double s = length2 > 0 ? ((px - x1) * dx + (py - y1) * dy) / length2 : 0;
    s = std::clamp(s, 0.0, 1.0);
    return std::hypot(x1 + s * dx - px, y1 + s * dy - py);
}

}  // namespace

double DistanceToBox(const surface::UserBox& box, double x1, double y1, double x2, double y2)
{
    if (!std::isfinite(x1) || !std::isfinite(y1) || !std::isfinite(x2) || !std::isfinite(y2))
        return std::numeric_limits<double>::infinity();
    double cx1 = x1, cy1 = y1, cx2 = x2, cy2 = y2;
    if (surface::ClipSegment(cx1, cy1, cx2, cy2, box.left, box.bottom, box.right, box.top))
        return 0;
    // Apart, the nearest pair is an end of the segment and the box, or a corner of the box and the segment.
    return std::min(
        {pointToBox(box, x1, y1), pointToBox(box, x2, y2), pointToSegment(box.left, box.bottom, x1, y1, x2, y2),
         pointToSegment(box.left, box.top, x1, y1, x2, y2), pointToSegment(box.right, box.bottom, x1, y1, x2, y2),
         pointToSegment(box.right, box.top, x1, y1, x2, y2)});
}

}  // namespace sorvel_kampyles
