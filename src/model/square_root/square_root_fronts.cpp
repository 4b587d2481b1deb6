// Draws a square-root-medium wavefront as two mirrored polylines, with red dots on the lower branch.
#include "model/square_root/square_root_fronts.h"

#include "model/shared/clipped_drawing.h"
#include "model/shared/colours.h"
#include "model/shared/module_values.h"

#include <cmath>

namespace sorvel_kampyles {
namespace {

using Point = SquareRootFront::Point;

// The point of the ray of this many degrees at time T, or nothing once that ray has reached the zero-speed line.
std::optional<Point> rayPoint(const SquareRootRayTable& rays, int degrees, double T)
{
    const SquareRootRay& ray = rays.rays[degrees];
    if (T > ray.tEnd)
        return std::nullopt;
    const double y = SquareRootRayYWith(ray, T);
    return Point{SquareRootRayXWith(ray, y, T).value_or(0), y};
}

}  // namespace

SquareRootRayTable MakeSquareRootRays(double A, double beta)
{
    SquareRootRayTable table;
    table.A = A;
    table.beta = beta;
    for (int degrees = 1; degrees < 180; ++degrees)
        table.rays[degrees] = MakeSquareRootRay(A, beta, degrees * PI_VALUE / 180);
    return table;
}

void ComputeSquareRootFront(const SquareRootRayTable& rays, double T, SquareRootFront& front)
{
    const double A = rays.A;
    const double beta = rays.beta;
    front.top = SquareRootVerticalY(A, beta, T, 1);
    // The straight-down ray has arrived on the zero-speed line once T > 2·√A/β and stays there.
    front.bottom = T > 2 * std::sqrt(A) / beta ? -A / beta : SquareRootVerticalY(A, beta, T, -1);
    for (int degrees = 1; degrees <= 90; ++degrees)
        front.upper[degrees - 1] = rayPoint(rays, degrees, T);
    for (int degrees = 179; degrees >= 91; --degrees)
        front.lower[179 - degrees] = rayPoint(rays, degrees, T);
}

void DrawSquareRootFront(surface::Canvas& SOURA1, const SquareRootFront& front, surface::Rgb colour)
{
    SOURA1.SetDrawWidth(kSquareRootFrontWidth);
    Point P{0, front.top};
    Point Q = P;
    for (const auto& point : front.upper) {
        if (!point)
            continue;
        ClippedLine(SOURA1, P.x, P.y, point->x, point->y, colour);
        P = *point;
        ClippedLine(SOURA1, Q.x, Q.y, -point->x, point->y, colour);
        Q = {-point->x, point->y};
    }

    P = Q = {0, front.bottom};
    for (const auto& point : front.lower) {
        if (!point)
            continue;
        ClippedLine(SOURA1, P.x, P.y, point->x, point->y, colour);
        ClippedLine(SOURA1, Q.x, Q.y, -point->x, point->y, colour);
        SOURA1.SetDrawWidth(2);
        ClippedPSet(SOURA1, P.x, P.y, kRayRed);
        SOURA1.SetDrawWidth(kSquareRootFrontWidth);
        P = *point;
        Q = {-point->x, point->y};
    }
}

void DrawSquareRootFronts(surface::Canvas& SOURA1, double t1, double t2, double A, double beta, int red, int green,
                          int blue)
{
    const SquareRootRayTable rays = MakeSquareRootRays(A, beta);
    SquareRootFront front;
    ComputeSquareRootFront(rays, t1, front);
    DrawSquareRootFront(SOURA1, front, surface::Rgb{red, green, blue});
    ComputeSquareRootFront(rays, t2, front);
    DrawSquareRootFront(SOURA1, front, kFrontBlack);
    SOURA1.SetDrawWidth(1);
}

}  // namespace sorvel_kampyles
