// One scale for the whole program, chosen from the screen as a desktop chooses a scale factor for a
// dense screen, and the screen the windows are laid out on at that scale.
#pragma once

#include "surface/backend.h"

namespace surface {

// The windows were designed for a landscape screen of 1024 × 768 logical pixels. On a larger one
// everything grows by the factor that keeps that much of it on the screen; it never shrinks.
double ProgramScale(PixelSize screen);

// The screen the windows are laid out on when each of its logical pixels is shown as `scale` of the
// back end's: the back end's screen divided by the scale, and never shorter than the shortest
// screen the windows' columns were made for (a page scrolls to show the rest).
PixelSize ProgramScreen(PixelSize screen, double scale);

// The shortest screen the windows fit on, in logical pixels (800 × 600 is the smallest desktop).
inline constexpr int kShortestScreen = 600;

}  // namespace surface
