// Closed-form rays of the square-root medium v(y) = √(A + β·y): height and abscissa after a time.
#pragma once

#include <optional>

namespace sorvel_kampyles {

// Height at time t of the ray leaving the origin at θ0 (radians from the upward vertical,
// toward +x), for 0 < θ0 < π.
double SquareRootRayY(double A, double beta, double theta0, double t);

// Abscissa of that ray at time t, given y = SquareRootRayY(A, beta, theta0, t); no value once
// the ray has ended on the zero-speed line.
std::optional<double> SquareRootRayX(double A, double beta, double theta0, double y, double t);

// The angle in −π/2..π/2 whose sine is p; ±π/2 at |p| ≥ 1.
double ArcSin(double p);

// Height of the ray sent straight up (sign +1) or straight down (sign −1) after time t.
double SquareRootVerticalY(double A, double beta, double t, int sign);

// Travel time until a ray of start angle θ0 reaches the zero-speed line.
double SquareRootEndTime(double A, double beta, double theta0);

}  // namespace sorvel_kampyles
