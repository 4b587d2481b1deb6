// Draws a square-root-medium wavefront as two mirrored polylines, with red dots on the lower branch.
#include "square_root/square_root_fronts.h"

#include "shared/clipped_drawing.h"
#include "shared/module_values.h"
#include "square_root/square_root_rays.h"

#include <cmath>

namespace sorvel_kampyles {
namespace {

constexpr surface::Rgb kDotRed{255, 0, 0};
constexpr surface::Rgb kNearBlack{5, 5, 5};

struct Point {
    double x, y;
};

// The point of the ray of k degrees at time T, or nothing once that ray has reached the zero-speed line.
std::optional<Point> rayPoint(int k, double T, double A, double beta)
{
    const double theta0 = k * PI_VALUE / 180;
    if (T > SquareRootEndTime(A, beta, theta0))
        return std::nullopt;
    const double y = SquareRootRayY(A, beta, theta0, T);
    return Point{SquareRootRayX(A, beta, theta0, y, T).value_or(0), y};
}

void drawFront(surface::Canvas& SOURA1, double T, double A, double beta, surface::Rgb colour)
{
    SOURA1.SetDrawWidth(5);
    Point P{0, SquareRootVerticalY(A, beta, T, 1)};
    Point Q = P;
    for (int k = 1; k <= 90; ++k) {
        const auto point = rayPoint(k, T, A, beta);
        if (!point)
            continue;
        ClippedLine(SOURA1, P.x, P.y, point->x, point->y, colour);
        P = *point;
        ClippedLine(SOURA1, Q.x, Q.y, -point->x, point->y, colour);
        Q = {-point->x, point->y};
    }

    // The straight-down ray has arrived on the zero-speed line once T > 2·√A/β and stays there.
    const double bottom = T > 2 * std::sqrt(A) / beta ? -A / beta : SquareRootVerticalY(A, beta, T, -1);
    P = Q = {0, bottom};
    for (int k = 179; k >= 91; --k) {
        const auto point = rayPoint(k, T, A, beta);
        if (!point)
            continue;
        ClippedLine(SOURA1, P.x, P.y, point->x, point->y, colour);
        ClippedLine(SOURA1, Q.x, Q.y, -point->x, point->y, colour);
        SOURA1.SetDrawWidth(2);
        ClippedPSet(SOURA1, P.x, P.y, kDotRed);
        SOURA1.SetDrawWidth(5);
        P = *point;
        Q = {-point->x, point->y};
    }
}

}  // namespace

void DrawSquareRootFronts(surface::Canvas& SOURA1, double t1, double t2, double A, double beta, int red,
                          int green, int blue)
{
    PI_VALUE = ComputedPi();
    drawFront(SOURA1, t1, A, beta, surface::Rgb{red, green, blue});
    drawFront(SOURA1, t2, A, beta, kNearBlack);
    SOURA1.SetDrawWidth(1);
}

}  // namespace sorvel_kampyles
