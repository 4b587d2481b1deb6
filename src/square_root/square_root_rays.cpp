// The ray of the square-root medium turns steadily: its direction θ(t) = θ0 + β·a·t/2 grows
// linearly, and height and abscissa follow from θ. The abscissa is taken from the height and
// the ray's time windows, using the symmetry of the path about its turning point.
#include "square_root/square_root_rays.h"

#include "shared/module_values.h"

#include <cmath>

namespace sorvel_kampyles {

double ArcSin(double p)
{
    if (p >= 1)
        return PI_VALUE != 0 ? PI_VALUE / 2 : ComputedPi() / 2;
    if (p <= -1)
        return -(PI_VALUE != 0 ? PI_VALUE / 2 : ComputedPi() / 2);
    return std::atan(p / std::sqrt(1 - p * p));
}

double SquareRootRayY(double A, double beta, double theta0, double t)
{
    PI_VALUE = ComputedPi();
    const double a = std::sin(theta0) / std::sqrt(A);
    const double s = std::sin(((beta * a) * t) / 2 + theta0);
    return (s * s) / (beta * a * a) - A / beta;
}

std::optional<double> SquareRootRayX(double A, double beta, double theta0, double y, double t)
{
    PI_VALUE = ComputedPi();
    const double pi = PI_VALUE;
    const double a = std::sin(theta0) / std::sqrt(A);
    const double K = 1 / (beta * a * a);
    const double cos0 = std::cos(theta0);
    const double sin0 = std::sin(theta0);
    const double tTurn = 2 * (pi / 2 - theta0) / (beta * a);
    const double tBack = 2 * (pi - 2 * theta0) / (beta * a);
    const double tEnd = 2 * (pi - theta0) / (beta * a);
    const double xTurn = -K * ((-cos0 * sin0 - pi / 2) + theta0);

    // Both cosines are |cos θ| at the current point; their radicands equal cos²θ and fall below
    // 0 (or 1 − c² below 0) only by rounding at a turning or end point, where 0 is the true value.
    const double radicand1 = 1 - a * a * (A + y * beta);
    const double c1 = radicand1 < 0 ? 0 : std::sqrt(radicand1);
    double c;
    if (theta0 == pi / 2) {
        c = std::sqrt(std::fabs(y) * beta * a * a);
    } else {
        const double radicand = cos0 * cos0 - y * beta * a * a;
        c = std::fabs(std::sqrt(radicand < 0 ? 0 : radicand));
    }
    if (c == 1)
        return -K * (theta0 - cos0 * sin0);
    const auto side = [](double cosine) { return std::sqrt(std::fmax(0.0, 1 - cosine * cosine)); };

    if (theta0 > pi / 2) {
        if (t > tEnd)
            return std::nullopt;
        return K * (c1 * side(c1) + (pi / 2 + ArcSin(c1)) - std::fabs(cos0) * sin0 - theta0);
    }
    const double B = c * side(c) - cos0 * sin0 + ArcSin(c) - pi / 2 + theta0;
    const double F = -K * B;
    if (t >= tTurn && t < tBack)
        return xTurn + (xTurn - F);
    if (t >= tBack && t < tEnd)
        return 2 * xTurn + K * B;
    if (t >= tEnd)
        return std::nullopt;
    return F;
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

}  // namespace sorvel_kampyles
