// A square-root front has finitely many rays, each of which ends on the zero-speed line, so a
// front older than the longest-lived ray draws nothing. Before that the age is walked forward,
// certifying each stretch: no point of a front moves faster than the ray sent straight up
// (its speed √A + β·T/2 is the speed at the highest point any ray reaches by then), so if every
// segment and dot of the front at age T is a distance d from the reach, none can reach it before
// T + d / that speed. Where a ray ends the front loses a point, so each stretch stops short of an
// end time and the walk goes on just after it. The bound is the start of the last run of
// certified stretches. (At the very instant of a rising ray's end the ray has no abscissa and
// the drawing puts its point on the axis; train ages never fall on such an instant.)
#include "model/square_root/square_root_front_sight.h"

#include "model/shared/out_of_sight.h"
#include "model/square_root/square_root_fronts.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <vector>

namespace sorvel_kampyles {
namespace {

constexpr double kNearStep = 1.0 / 64;  // time units stepped while a front is within reach or nearly
constexpr double kLongestStep = 1;      // the speed bound is taken at the end of a stretch at most this long

// Distance from everything the front of age T draws (segments, mirror images, red dots) to the reach.
double distance(const SquareRootRayTable& rays, double T, const surface::UserBox& reach)
{
    SquareRootFront front;
    ComputeSquareRootFront(rays, T, front);
    double nearest = std::numeric_limits<double>::infinity();
    const auto branch = [&](double start, const auto& points, bool dotted) {
        double px = 0, py = start;
        for (const auto& point : points) {
            if (!point)
                continue;
            nearest = std::min({nearest, DistanceToBox(reach, px, py, point->x, point->y),
                                DistanceToBox(reach, -px, py, -point->x, point->y)});
            if (dotted)  // a red dot where each segment of the lower branch starts
                nearest = std::min(nearest, DistanceToBox(reach, px, py, px, py));
            px = point->x;
            py = point->y;
        }
    };
    branch(front.top, front.upper, false);
    branch(front.bottom, front.lower, true);
    return nearest;
}

}  // namespace

double SquareRootFrontsOutOfSight(double A, double beta, const surface::UserBox& reach)
{
    const SquareRootRayTable rays = MakeSquareRootRays(A, beta);
    std::vector<double> ends;
    for (int degrees = 1; degrees < 180; ++degrees)
        ends.push_back(rays.rays[degrees].tEnd);
    std::sort(ends.begin(), ends.end());
    const double lastEnd = ends.back();  // past it every ray has ended and nothing is drawn

    double bound = 0;
    double T = 0;
    auto nextEnd = ends.begin();
    while (T <= lastEnd) {
        while (nextEnd != ends.end() && *nextEnd < T)
            ++nextEnd;
        const double d = distance(rays, T, reach);
        const double fastest = std::sqrt(A) + beta * (T + kLongestStep) / 2;
        const double stretch = std::min(d / (2 * fastest), kLongestStep);  // half: a pixel of slack kept
        if (!(stretch >= kNearStep / 64)) {
            T += kNearStep;
            bound = T;
            continue;
        }
        if (nextEnd != ends.end() && T + stretch >= *nextEnd)
            T = std::nextafter(*nextEnd, lastEnd + 1);
        else
            T += stretch;
    }
    return bound;
}

}  // namespace sorvel_kampyles
