// The ray of the linear medium is an arc of a circle centred on the zero-speed line y = v0/k;
// these closed forms give its point after a travel time and its height at an abscissa.
#include "model/linear/linear_rays.h"

#include "model/shared/module_values.h"

#include <cmath>

namespace sorvel_kampyles {

LinearRay MakeLinearRay(double v0, double A)
{
    LinearRay ray;
    ray.A = A;
    ray.P = std::sin(A) / v0;
    ray.C0 = std::sqrt(1 - (ray.P * v0) * (ray.P * v0));
    const double half = PI_VALUE / 2;
    ray.downward = std::fabs(A) > half;
    if (A > 0 && A < half)
        ray.branch = LinearRay::Branch::RisingRight;
    else if (A > -half && A < 0)
        ray.branch = LinearRay::Branch::RisingLeft;
    else if (A >= half)
        ray.branch = LinearRay::Branch::FallingRight;
    else if (A <= -half)
        ray.branch = LinearRay::Branch::FallingLeft;
    else
        ray.branch = LinearRay::Branch::Vertical;
    return ray;
}

double LinearDecay(double t, double k)
{
    return std::exp(-std::fabs((2 * k) * t));
}

double LinearRayXWith(const LinearRay& ray, double t, double k, double decay)
{
    // The exponent is (−2k)·t for a downward ray and (2k)·t otherwise. While it is not positive
    // the exponential is the decay itself; once it is, numerator and denominator are divided by
    // the growing exponential, which keeps the quotient finite for every t (its limit is finite).
    const double exponent = ray.downward ? -((2 * k) * t) : (2 * k) * t;
    const double sine2 = 1 - ray.C0 * ray.C0;
    const double sign = ray.downward ? 1.0 : -1.0;
    double Q;
    if (exponent <= 0) {
        const double E = decay;
        Q = (sign * sine2 * (1 - E)) / ((((1 + ray.C0) * E) + 1) - ray.C0);
    } else {
        const double e = decay;  // 1/E
        Q = (sign * sine2 * (e - 1)) / ((1 + ray.C0) + (1 - ray.C0) * e);
    }
    return Q / (k * ray.P);
}

double LinearRayCosine(const LinearRay& ray, double x, double k)
{
    switch (ray.branch) {
    case LinearRay::Branch::RisingRight:
    case LinearRay::Branch::RisingLeft:
        return ray.C0 + (k * ray.P) * x;
    case LinearRay::Branch::FallingRight:
    case LinearRay::Branch::FallingLeft:
    case LinearRay::Branch::Vertical:
        break;
    }
    return ray.C0 - (k * ray.P) * x;
}

std::optional<double> LinearRayYWith(const LinearRay& ray, double x, double v0, double k)
{
    if (ray.branch == LinearRay::Branch::Vertical)
        return std::nullopt;
    const double u = LinearRayCosine(ray, x, k);
    double radicand = 1 - u * u;
    if (radicand < 0) {
        if (radicand <= kRoundingRadicand)
            return std::nullopt;
        radicand = 0;
    }
    const double S = (1 / ray.P) * std::sqrt(radicand);
    const bool right = ray.branch == LinearRay::Branch::RisingRight || ray.branch == LinearRay::Branch::FallingRight;
    return right ? (1 / k) * (v0 - S) : (1 / k) * (v0 + S);
}

double LinearRayX(double t, double v0, double k, double A)
{
    return LinearRayXWith(MakeLinearRay(v0, A), t, k, LinearDecay(t, k));
}

std::optional<double> LinearRayY(double x, double v0, double k, double A)
{
    return LinearRayYWith(MakeLinearRay(v0, A), x, v0, k);
}

LinearRayLandmarks LinearSingleRayLandmarks(double F, double v0, double k)
{
    // The single ray's own reading of its angle: to the vertical, negative for a downward start.
    const double degrees = F >= 0 ? 90 - F : -F - 90;
    const double P = std::sin(degrees * PI_VALUE / 180) / v0;
    const double C0 = std::sqrt(1 - (P * v0) * (P * v0));
    LinearRayLandmarks marks;
    const double slope = k * P;  // how fast the cosine u = C0 + k·P·x of its direction changes
    if (slope == 0)
        return marks;
    // u runs from C0 toward +1 when it heads toward lower speed; toward −1, through 0 where the
    // ray is level, when it heads toward higher speed. At u = ±1 it meets the zero-speed line.
    const double level = -C0 / slope;
    if (slope < 0 && level > 0)
        marks.turn = LinearRayLandmarks::Point{level, (F >= 0 ? v0 - 1 / P : v0 + 1 / P) / k};
    marks.zeroSpeed = LinearRayLandmarks::Point{((slope > 0 ? 1 : -1) - C0) / slope, v0 / k};
    return marks;
}

}  // namespace sorvel_kampyles
