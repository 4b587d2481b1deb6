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

// The zero-speed line y = −A/β, on which every ray ends at right angles.
double SquareRootZeroSpeedHeight(double A, double beta);

// Abscissa at which the ray of start angle θ0 (0 < θ0 < π) ends on the zero-speed line, from
// the closed form x(θ) at θ = π.
double SquareRootEndX(double A, double beta, double theta0);

// What the two ray functions compute from the start angle alone, for callers that evaluate the
// same ray at many times. Every field is formed exactly as the functions form it, so the values
// along the ray are bit for bit the same.
struct SquareRootRay {
    double A = 0, beta = 0, theta0 = 0;
    double a = 0;   // ray parameter sin θ0 / √A
    double sin0 = 0, cos0 = 0;
    double K = 0;  // 1 / (β·a²)
    double tTurn = 0, tBack = 0, tEnd = 0;
    double xTurn = 0;  // horizontal distance to the turning point
};
SquareRootRay MakeSquareRootRay(double A, double beta, double theta0);
double SquareRootRayYWith(const SquareRootRay& ray, double t);
std::optional<double> SquareRootRayXWith(const SquareRootRay& ray, double y, double t);

}  // namespace sorvel_kampyles
