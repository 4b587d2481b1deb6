// Closed-form rays of the linear medium v(y) = v0 − k·y: where a ray is at a time, and its height at an abscissa.
#pragma once

#include <optional>

namespace sorvel_kampyles {

// Abscissa reached at time t by the ray leaving the origin at start angle A (radians from the
// upward vertical, positive toward +x). Finite for every finite t; sin A must not be 0.
double LinearRayX(double t, double v0, double k, double A);

// Height of that ray where its abscissa is x; no value for A = 0 or where x lies beyond the
// point at which the ray turns vertical on the zero-speed line.
std::optional<double> LinearRayY(double x, double v0, double k, double A);

// A radicand 1 − u² above this is negative only through rounding (the ray has just turned
// vertical on the zero-speed line) and counts as 0; genuine overshoots are far larger.
inline constexpr double kRoundingRadicand = -1e-12;

// What the procedures above compute from the start angle alone, for callers that evaluate
// many times along the same ray. Every field is formed exactly as the two functions form it.
struct LinearRay {
    enum class Branch { RisingRight, RisingLeft, FallingRight, FallingLeft, Vertical };
    double A = 0;
    double P = 0;                      // ray parameter sin(A)/v0
    double C0 = 0;                     // √(1 − (P·v0)²) = |cos A|
    bool downward = false;             // |A| > π/2: LinearRayX takes its downward branch
    Branch branch = Branch::Vertical;  // the row LinearRayY takes
};
LinearRay MakeLinearRay(double v0, double A);

// exp(−|2k·t|): the one exponential that every ray of a wavefront of time t shares.
double LinearDecay(double t, double k);

double LinearRayXWith(const LinearRay& ray, double t, double k, double decay);

// u, the cosine of the ray's direction at abscissa x, whose 1 − u² LinearRayY takes the root of.
double LinearRayCosine(const LinearRay& ray, double x, double k);
std::optional<double> LinearRayYWith(const LinearRay& ray, double x, double v0, double k);

// Two points every pupil can find on the single ray whose start is F degrees above the horizontal
// (below when negative), as its bar gives it. The ray is an arc of a circle centred on the
// zero-speed line, so both follow from the ray parameter in closed form.
struct LinearRayLandmarks {
    struct Point {
        double x, y;
    };
    // Where a ray that leaves toward higher speed runs level and turns back: its highest point
    // when the speed increases upwards, its lowest when it decreases.
    std::optional<Point> turn;
    // Where it meets the zero-speed line y = v0/k, at right angles; none for a vertical start.
    std::optional<Point> zeroSpeed;
};
LinearRayLandmarks LinearSingleRayLandmarks(double F, double v0, double k);

}  // namespace sorvel_kampyles
