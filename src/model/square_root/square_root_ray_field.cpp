// Draws the square-root medium's ray field: black dots at equal travel times joined by thin red segments.
#include "model/square_root/square_root_ray_field.h"

#include "model/shared/clipped_drawing.h"
#include "model/shared/colours.h"
#include "model/shared/module_values.h"
#include "model/square_root/square_root_rays.h"

namespace sorvel_kampyles {
namespace {

constexpr double kVerticalEndTime = 2;  // the vertical rays are followed for two time units
constexpr double kDotInterval = 0.25;   // one dot per quarter time unit
constexpr double kLastSample = 20;

}  // namespace

void DrawSquareRootRayField(surface::Canvas& SOURA1, double A)
{
    SOURA1.Scale(-100, 100, 100, -100);
    SOURA1.Line(-100, 0, 100, 0);
    SOURA1.Line(0, -100, 0, 100);
    SOURA1.SetDrawWidth(3);
    for (int degrees = 0; degrees <= 180; degrees += 5) {
        const double theta0 = degrees * PI_VALUE / 180;
        const bool vertical = degrees == 0 || degrees == 180;
        // The ray's constants serve every sample; the points are bit for bit those of the ray
        // functions, and its end time is 2·(π − θ0)/(β·a).
        const SquareRootRay ray = vertical ? SquareRootRay{} : MakeSquareRootRay(A, kBeta, theta0);
        const double tEnd = vertical ? kVerticalEndTime : ray.tEnd;
        double xp = 0, yp = 0;
        for (double t = 0; t <= kLastSample; t += kDotInterval) {
            if (t > tEnd)
                continue;
            double x = 0, y;
            if (vertical) {
                y = SquareRootVerticalY(A, kBeta, t, degrees == 0 ? 1 : -1);
            } else {
                y = SquareRootRayYWith(ray, t);
                x = SquareRootRayXWith(ray, y, t).value_or(0);
            }
            SOURA1.SetDrawWidth(3);
            ClippedPSet(SOURA1, x, y);
            ClippedPSet(SOURA1, -x, y);
            SOURA1.SetDrawWidth(1);
            ClippedLine(SOURA1, xp, yp, x, y, kRayRed);
            ClippedLine(SOURA1, -xp, yp, -x, y, kRayRed);
            xp = x;
            yp = y;
        }
    }
}

}  // namespace sorvel_kampyles

namespace sorvel_kampyles {

void SquareRootRayField::Draw(surface::Canvas& SOURA1, double A)
{
    const double inputs[] = {A};
    // Its segments are red, its dots in the picture's ForeColor.
    SOURA1.DrawStamped(stamp_, inputs, kRayRed,
                       [A](surface::Canvas& canvas, surface::Rgb) { DrawSquareRootRayField(canvas, A); });
}

}  // namespace sorvel_kampyles
