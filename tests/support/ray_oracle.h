// An independent oracle for ray points: RK4 integration of the ray equations of a layered medium.
#pragma once

#include <functional>
#include <vector>

namespace oracle {

struct Medium {
    std::function<double(double y)> speed;
    std::function<double(double y)> slope;  // dv/dy
};

Medium LinearMedium(double v0, double k);        // v = v0 − k·y
Medium SquareRootMedium(double A, double beta);  // v = √(A + β·y)

struct RayPoint {
    double x, y;
};

// The point reached after travel time t by the ray leaving the origin at angle theta from the
// upward vertical (positive toward +x); negative t integrates backward along the same ray.
// dr/dt = v²·p, dp/dt = −∇v/v, with |p| = 1/v at the start.
RayPoint TravelRay(const Medium& medium, double theta, double t, int steps = 4000);

// The path of that ray sampled at every step, for finding where it crosses an abscissa.
std::vector<RayPoint> RayPath(const Medium& medium, double theta, double tEnd, int steps);

// The height at which the sampled path first reaches abscissa x (linear interpolation), or NaN.
double HeightAtAbscissa(const std::vector<RayPoint>& path, double x);

}  // namespace oracle
