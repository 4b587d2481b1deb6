// Draws the time marks and the ray fan of the linear medium from the circular-arc form of its rays.
#include "model/linear/linear_ray_field.h"

#include "canvas/format.h"
#include "model/shared/clipped_drawing.h"
#include "model/shared/colours.h"
#include "model/shared/module_values.h"

#include <cmath>

namespace sorvel_kampyles {
namespace {

constexpr surface::Rgb kMarkPurple{150, 55, 150};

// One ray as y over the whole abscissas 0..100 and its mirror image: where the arc has turned
// vertical (1 − c² no longer positive) nothing is drawn and the polyline waits at its last point.
void drawRayPair(surface::Canvas& eikona, double P, double C0, bool startsUp, double v0, double k)
{
    double rightX = 0, rightY = 0, leftX = 0, leftY = 0;
    for (int x = 0; x <= 100; ++x) {
        const double c = C0 + k * P * x;
        if (!(1 - c * c > 0))
            continue;
        const double S = std::sqrt(1 - c * c);
        const double y = startsUp ? (1 / k) * (v0 - S / P) : (1 / k) * (v0 + S / P);
        ClippedLine(eikona, rightX, rightY, x, y, kRayRed);
        ClippedLine(eikona, leftX, leftY, -x, y, kRayRed);
        rightX = x;
        rightY = y;
        leftX = -x;
        leftY = y;
    }
}

}  // namespace

void DrawAxisTimeMarks(surface::Canvas& eikona, double v0, double k)
{
    // 20 marks: the counter is accumulated, so after 0.38 it reads 0.4000000000000001 and stops.
    for (double t = 0; t <= 0.4; t += 0.02) {
        const double up = (v0 / k) * (1 - std::exp(-k * t));
        const double down = (v0 / k) * (1 - std::exp(k * t));
        eikona.SetDrawWidth(10);
        ClippedPSet(eikona, 0, up, kMarkPurple);
        ClippedPSet(eikona, 0, down, kMarkPurple);
        const std::string label = surface::Format(t, "0.00");
        eikona.SetCurrentX(0);
        eikona.SetCurrentY(static_cast<float>(up));
        eikona.Print(label);
        eikona.SetCurrentX(0);
        eikona.SetCurrentY(static_cast<float>(down));
        eikona.Print(label);
    }
}

void DrawLinearRays(surface::Canvas& eikona, double v0, double k)
{
    eikona.SetDrawWidth(3);
    // The 18 rays starting upward, then the 18 starting downward.
    for (const int sign : {1, -1})
        for (int F = 5; F <= 90; F += 5) {
            const double rad = sign * F * PI_VALUE / 180;
            const double P = std::sin(rad) / v0;
            drawRayPair(eikona, P, std::sqrt(1 - (v0 * P) * (v0 * P)), sign > 0, v0, k);
        }
}

void DrawLinearSingleRay(surface::Canvas& eikona, double F, double v0, double k)
{
    eikona.SetDrawWidth(3);
    // Angle to the vertical: from the upward vertical for a ray starting upward, and the negative
    // of the angle from the downward vertical for one starting downward, as the fan reads it.
    const double degrees = F >= 0 ? 90 - F : -F - 90;
    const double A = degrees * PI_VALUE / 180;
    const double P = std::sin(A) / v0;
    const double C0 = std::sqrt(1 - (P * v0) * (P * v0));
    // A vertical start (P = 0) has 1 − u² = 0 everywhere, so no point is drawn and P never divides.
    drawRayPair(eikona, P, C0, F >= 0, v0, k);
}

}  // namespace sorvel_kampyles
