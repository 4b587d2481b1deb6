// The dotted ray field of the square-root medium: 37 rays with a dot every quarter time unit.
#pragma once

#include "canvas/canvas.h"
#include "canvas/stamp.h"

namespace sorvel_kampyles {

// The slope β of A + β·y for the basin the window shows.
inline constexpr int kBeta = 40;

// Sets the user scale, draws the axes and the fan of rays of 0° to 180° in 5° steps for this A
// (β = 40), mirrored about the vertical axis. Leaves DrawWidth at 1.
void DrawSquareRootRayField(surface::Canvas& SOURA1, double A);

// The ray field of one picture. Between two ticks at the same A and picture the field's pixels
// are the same, and drawing it sets each pixel it covers whatever the pixel held: so it is drawn
// once for each A and picture, and put on the picture from what it covered every other time.
class SquareRootRayField {
public:
    // Leaves the picture, DrawWidth and the scale as DrawSquareRootRayField does.
    void Draw(surface::Canvas& SOURA1, double A);

private:
    surface::Stamp stamp_;
};

}  // namespace sorvel_kampyles
