// Classical fourth-order Runge–Kutta on the Hamiltonian ray equations; no closed form is used.
#include "ray_oracle.h"

#include <array>
#include <cmath>

namespace oracle {
namespace {

using State = std::array<double, 4>;  // x, y, px, py

State derivative(const Medium& medium, const State& s)
{
    const double v = medium.speed(s[1]);
    const double v2 = v * v;
    // H = v·|p| = 1 along the ray: dr/dt = v²·p, dp/dt = −∇v / v.
    return {v2 * s[2], v2 * s[3], 0.0, -medium.slope(s[1]) / v};
}

State step(const Medium& medium, const State& s, double h)
{
    auto add = [](const State& a, const State& b, double f) {
        return State{a[0] + f * b[0], a[1] + f * b[1], a[2] + f * b[2], a[3] + f * b[3]};
    };
    const State k1 = derivative(medium, s);
    const State k2 = derivative(medium, add(s, k1, h / 2));
    const State k3 = derivative(medium, add(s, k2, h / 2));
    const State k4 = derivative(medium, add(s, k3, h));
    State next;
    for (int i = 0; i < 4; ++i)
        next[i] = s[i] + h / 6 * (k1[i] + 2 * k2[i] + 2 * k3[i] + k4[i]);
    return next;
}

State start(const Medium& medium, double theta)
{
    const double v0 = medium.speed(0);
    return {0, 0, std::sin(theta) / v0, std::cos(theta) / v0};
}

}  // namespace

Medium LinearMedium(double v0, double k)
{
    return {[=](double y) { return v0 - k * y; }, [=](double) { return -k; }};
}

Medium SquareRootMedium(double A, double beta)
{
    return {[=](double y) { return std::sqrt(A + beta * y); },
            [=](double y) { return beta / (2 * std::sqrt(A + beta * y)); }};
}

RayPoint TravelRay(const Medium& medium, double theta, double t, int steps)
{
    State s = start(medium, theta);
    const double h = t / steps;
    for (int i = 0; i < steps; ++i)
        s = step(medium, s, h);
    return {s[0], s[1]};
}

std::vector<RayPoint> RayPath(const Medium& medium, double theta, double tEnd, int steps)
{
    std::vector<RayPoint> path;
    State s = start(medium, theta);
    const double h = tEnd / steps;
    path.push_back({s[0], s[1]});
    for (int i = 0; i < steps; ++i) {
        s = step(medium, s, h);
        path.push_back({s[0], s[1]});
    }
    return path;
}

double HeightAtAbscissa(const std::vector<RayPoint>& path, double x)
{
    for (std::size_t i = 1; i < path.size(); ++i) {
        const RayPoint a = path[i - 1];
        const RayPoint b = path[i];
        if ((a.x - x) * (b.x - x) <= 0 && a.x != b.x)
            return a.y + (b.y - a.y) * (x - a.x) / (b.x - a.x);
    }
    return std::nan("");
}

}  // namespace oracle
