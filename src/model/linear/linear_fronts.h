// Wavefronts of the linear medium: the curves through the points all rays reach after equal times.
#pragma once

#include "canvas/canvas.h"
#include "model/linear/linear_rays.h"

#include <array>

namespace sorvel_kampyles {

// Width of a front's polyline in pixels; its red dots are narrower.
inline constexpr int kLinearFrontWidth = 5;

// Draws the wavefront of time t1 in RGB(red, green, blue), then that of t2 in RGB(5, 5, 5), each
// a 5-pixel polyline through the ray points at 5° steps with a red dot at every segment start.
// Times may be negative (a front of −τ is the front of τ). Leaves DrawWidth at 1.
void DrawLinearFronts(surface::Canvas& eikona, double t1, double t2, double v0, double k, int red, int green, int blue);

// The points of one front, computed apart from its drawing so that the train can judge a front
// before it draws it. Four sweeps of 18 start angles each.
struct LinearFront {
    // Sweeps 1 and 2 start at the point of the ray sent straight up, 3 and 4 at the one sent down.
    static constexpr std::array<bool, 4> kStartsAtTop{true, true, false, false};
    struct Point {
        double Z = 0;        // abscissa
        double T = 0;        // height; meaningless where the point is invalid
        bool valid = false;  // false: the ray cannot be evaluated there (beyond rounding)
    };
    double yUp = 0, yDown = 0;  // where the rays sent straight up and straight down are
    std::array<std::array<Point, 18>, 4> sweeps;
};

// What the four sweeps need of each start angle; depends on the medium only, never on the
// time, so a train makes it once for all its fronts.
struct LinearSweepAngle {
    LinearRay ray;
    double kX = 0;  // k·X, where X = ±sin(A)/v0 as the sweep takes it
};
struct LinearSweepAngles {
    double v0 = 0, k = 0;  // the medium they were made for
    std::array<std::array<LinearSweepAngle, 18>, 4> sweeps;
};
LinearSweepAngles MakeLinearSweepAngles(double v0, double k);

void ComputeLinearFront(const LinearSweepAngles& angles, double tau, LinearFront& front);

// Draws one pass. lastHeight carries the height of the last point computed in the call, which
// the messages for invalid points report; the two passes of a call share it.
void DrawLinearFront(surface::Canvas& eikona, const LinearFront& front, surface::Rgb colour, double& lastHeight);

}  // namespace sorvel_kampyles
