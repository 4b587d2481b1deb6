// Draws a square-root-medium wavefront as two mirrored polylines, with red dots on the lower branch.
#include "square_root/square_root_fronts.h"

#include "shared/clipped_drawing.h"
#include "shared/module_values.h"

#include <cmath>

namespace sorvel_kampyles {
namespace {

constexpr surface::Rgb kDotRed{255, 0, 0};
constexpr surface::Rgb kNearBlack{5, 5, 5};

using Point = SquareRootFront::Point;

// The point of the ray of k degrees at time T, or nothing once that ray has reached the zero-speed line.
std::optional<Point> rayPoint(const SquareRootRayTable& rays, int k, double T)
{
    const SquareRootRay& ray = rays[k];
    if (T > ray.tEnd)
        return std::nullopt;
    const double y = SquareRootRayYWith(ray, T);
    return Point{SquareRootRayXWith(ray, y, T).value_or(0), y};
}

}  // namespace

const SquareRootRayTable& SquareRootRaysFor(double A, double beta)
{
    static SquareRootRayTable table;
    static double keyA = std::nan(""), keyBeta = std::nan(""), keyPi = std::nan("");
    if (A != keyA || beta != keyBeta || PI_VALUE != keyPi) {
        for (int k = 1; k < 180; ++k)
            table[k] = MakeSquareRootRay(A, beta, k * PI_VALUE / 180);
        keyA = A;
        keyBeta = beta;
        keyPi = PI_VALUE;
    }
    return table;
}

void ComputeSquareRootFront(const SquareRootRayTable& rays, double T, double A, double beta, SquareRootFront& front)
{
    front.top = SquareRootVerticalY(A, beta, T, 1);
    // The straight-down ray has arrived on the zero-speed line once T > 2·√A/β and stays there.
    front.bottom = T > 2 * std::sqrt(A) / beta ? -A / beta : SquareRootVerticalY(A, beta, T, -1);
    for (int k = 1; k <= 90; ++k)
        front.upper[k - 1] = rayPoint(rays, k, T);
    for (int k = 179; k >= 91; --k)
        front.lower[179 - k] = rayPoint(rays, k, T);
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
        ClippedPSet(SOURA1, P.x, P.y, kDotRed);
        SOURA1.SetDrawWidth(kSquareRootFrontWidth);
        P = *point;
        Q = {-point->x, point->y};
    }
}

void DrawSquareRootFronts(surface::Canvas& SOURA1, double t1, double t2, double A, double beta, int red,
                          int green, int blue)
{
    PI_VALUE = ComputedPi();
    const SquareRootRayTable& rays = SquareRootRaysFor(A, beta);
    SquareRootFront front;
    ComputeSquareRootFront(rays, t1, A, beta, front);
    DrawSquareRootFront(SOURA1, front, surface::Rgb{red, green, blue});
    ComputeSquareRootFront(rays, t2, A, beta, front);
    DrawSquareRootFront(SOURA1, front, kNearBlack);
    SOURA1.SetDrawWidth(1);
}

}  // namespace sorvel_kampyles
