// Wavefronts of the square-root medium, from the ray points of whole-degree start angles.
#pragma once

#include "canvas/canvas.h"
#include "model/square_root/square_root_rays.h"

#include <array>
#include <optional>

namespace sorvel_kampyles {

// Width of a front's polyline in pixels; its red dots are narrower.
inline constexpr int kSquareRootFrontWidth = 5;

// Draws the front of time t1 in RGB(red, green, blue), then that of t2 in RGB(5, 5, 5): an
// upper branch through the rays of 1° to 90° and a lower one through 179° to 91°, mirrored,
// leaving out rays that have already ended. Leaves DrawWidth at 1.
void DrawSquareRootFronts(surface::Canvas& SOURA1, double t1, double t2, double A, double beta, int red, int green,
                          int blue);

// The points of one front, computed apart from its drawing so that the train can judge a front
// before it draws it.
struct SquareRootFront {
    struct Point {
        double x, y;
    };
    double top = 0;                              // the ray sent straight up
    double bottom = 0;                           // the ray sent straight down, or the zero-speed line once it is there
    std::array<std::optional<Point>, 90> upper;  // 1° to 90°; empty where the ray has ended
    std::array<std::optional<Point>, 89> lower;  // 179° down to 91°
};

// The rays of 1° to 179° for one medium, index = degrees, with the medium and circle constant
// they were made for.
struct SquareRootRayTable {
    double A = 0, beta = 0;
    std::array<SquareRootRay, 180> rays;
};

// Makes the table for this medium.
SquareRootRayTable MakeSquareRootRays(double A, double beta);

void ComputeSquareRootFront(const SquareRootRayTable& rays, double T, SquareRootFront& front);

// Draws one front: two 5-pixel branches and their mirror images, red dots on the lower right.
void DrawSquareRootFront(surface::Canvas& SOURA1, const SquareRootFront& front, surface::Rgb colour);

}  // namespace sorvel_kampyles
