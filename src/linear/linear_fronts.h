// Wavefronts of the linear medium: the curves through the points all rays reach after equal times.
#pragma once

#include "surface/canvas.h"

#include <array>

namespace sorvel_kampyles {

// Draws the wavefront of time t1 in RGB(red, green, blue), then that of t2 in RGB(5, 5, 5), each
// a 5-pixel polyline through the ray points at 5° steps with a red dot at every segment start.
// Times may be negative (a front of −τ is the front of τ). Leaves DrawWidth at 1.
void DrawLinearFronts(surface::Canvas& eikona, double t1, double t2, double v0, double k, int red,
                      int green, int blue);

// The points of one front, computed apart from its drawing so that a whole train can be computed
// first (on two threads) and drawn after. Four sweeps of 18 start angles each.
struct LinearFront {
    struct Point {
        double Z = 0;        // abscissa
        double T = 0;        // height; meaningless where the point is invalid
        bool valid = false;  // false: the ray cannot be evaluated there (beyond rounding)
    };
    double yUp = 0, yDown = 0;  // where the rays sent straight up and straight down are
    std::array<std::array<Point, 18>, 4> sweeps;
};

// Makes the per-angle constants of this medium, so that fronts can then be computed on other threads.
void PrepareLinearFronts(double v0, double k);

void ComputeLinearFront(double tau, double v0, double k, LinearFront& front);

// Draws one pass. lastHeight carries the height of the last point computed in the call, which
// the messages for invalid points report; the two passes of a call share it.
void DrawLinearFront(surface::Canvas& eikona, const LinearFront& front, surface::Rgb colour, double& lastHeight);

}  // namespace sorvel_kampyles
