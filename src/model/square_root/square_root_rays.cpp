// The ray of the square-root medium turns steadily: its direction θ(t) = θ0 + β·a·t/2 grows
// linearly, and height and abscissa follow from θ. The abscissa is taken from the height and
// the ray's time windows, using the symmetry of the path about its turning point.
#include "model/square_root/square_root_rays.h"

#include "model/shared/module_values.h"

#include <cmath>

namespace sorvel_kampyles {

double ArcSin(double p)
{
    if (p >= 1)
        return PI_VALUE / 2;
    if (p <= -1)
        return -PI_VALUE / 2;
    return std::atan(p / std::sqrt(1 - p * p));
}

SquareRootRay MakeSquareRootRay(double A, double beta, double theta0)
{
    SquareRootRay ray;
    ray.A = A;
    ray.beta = beta;
    ray.theta0 = theta0;
    constexpr double pi = PI_VALUE;
    ray.sin0 = std::sin(theta0);
    ray.cos0 = std::cos(theta0);
    ray.a = ray.sin0 / std::sqrt(A);
    ray.K = 1 / (beta * ray.a * ray.a);
    ray.tTurn = 2 * (pi / 2 - theta0) / (beta * ray.a);
    ray.tBack = 2 * (pi - 2 * theta0) / (beta * ray.a);
    ray.tEnd = 2 * (pi - theta0) / (beta * ray.a);
    ray.xTurn = -ray.K * ((-ray.cos0 * ray.sin0 - pi / 2) + theta0);
    return ray;
}

double SquareRootRayYWith(const SquareRootRay& ray, double t)
{
    const double s = std::sin(((ray.beta * ray.a) * t) / 2 + ray.theta0);
    return (s * s) / (ray.beta * ray.a * ray.a) - ray.A / ray.beta;
}

std::optional<double> SquareRootRayXWith(const SquareRootRay& ray, double y, double t)
{
    constexpr double pi = PI_VALUE;
    const double a = ray.a;
    const double beta = ray.beta;
    const double theta0 = ray.theta0;
    const double K = ray.K;

    // Both cosines are |cos θ| at the current point; their radicands equal cos²θ and fall below
    // 0 (or 1 − c² below 0) only by rounding at a turning or end point, where 0 is the true value.
    double c;
    if (theta0 == pi / 2) {
        c = std::sqrt(std::fabs(y) * beta * a * a);
    } else {
        const double radicand = ray.cos0 * ray.cos0 - y * beta * a * a;
        c = std::fabs(std::sqrt(radicand < 0 ? 0 : radicand));
    }
    if (c == 1)
        return -K * (theta0 - ray.cos0 * ray.sin0);
    const auto side = [](double cosine) { return std::sqrt(std::fmax(0.0, 1 - cosine * cosine)); };

    if (theta0 > pi / 2) {
        if (t > ray.tEnd)
            return std::nullopt;
        const double radicand1 = 1 - a * a * (ray.A + y * beta);
        const double c1 = radicand1 < 0 ? 0 : std::sqrt(radicand1);
        return K * (c1 * side(c1) + (pi / 2 + ArcSin(c1)) - std::fabs(ray.cos0) * ray.sin0 - theta0);
    }
    // The bracket of the closed form, and the abscissa of the mirrored point on the rising branch.
    const double bracket = c * side(c) - ray.cos0 * ray.sin0 + ArcSin(c) - pi / 2 + theta0;
    const double rising = -K * bracket;
    if (t >= ray.tTurn && t < ray.tBack)
        return ray.xTurn + (ray.xTurn - rising);
    if (t >= ray.tBack && t < ray.tEnd)
        return 2 * ray.xTurn + K * bracket;
    if (t >= ray.tEnd)
        return std::nullopt;
    return rising;
}

double SquareRootRayY(double A, double beta, double theta0, double t)
{
    return SquareRootRayYWith(MakeSquareRootRay(A, beta, theta0), t);
}

std::optional<double> SquareRootRayX(double A, double beta, double theta0, double y, double t)
{
    return SquareRootRayXWith(MakeSquareRootRay(A, beta, theta0), y, t);
}

double SquareRootVerticalY(double A, double beta, double t, int sign)
{
    const double r = sign * beta * t / 2 + std::sqrt(A);
    return (r * r - A) / beta;
}

double SquareRootEndTime(double A, double beta, double theta0)
{
    const double a = std::sin(theta0) / std::sqrt(A);
    return 2 * (PI_VALUE - theta0) / (beta * a);
}

double SquareRootZeroSpeedHeight(double A, double beta)
{
    return -A / beta;
}

double SquareRootEndX(double A, double beta, double theta0)
{
    const SquareRootRay ray = MakeSquareRootRay(A, beta, theta0);
    return ray.K * ((PI_VALUE - ray.theta0) + ray.sin0 * ray.cos0);
}

}  // namespace sorvel_kampyles
