// How every back end shows the program alike: its one face's size, the focus outline and the
// least target a finger is given. A back end reads these; none keeps a number of its own.
#pragma once

#include "canvas/canvas.h"

namespace surface {

// The face of every window (the program's own subset of Liberation Sans) at 10 logical pixels:
// the windows' boxes keep the sizes they were designed with for a small system font, and this is
// the largest size in which every caption and text shows whole (" A = 5000" in its narrow box).
inline constexpr int kFontPixels = 10;
// The same size in points, at the 96 logical pixels an inch that the twips assume.
inline constexpr double kFontPoints = kFontPixels * 72.0 / 96.0;

// Two logical pixels, so that the outline is still seen on a projector from the back of a room.
inline constexpr int kFocusOutlineWidth = 2;
// Dark blue: at least 5 to 1 against the light grey of the windows and controls, and against white.
inline constexpr Rgb kFocusOutlineColour{0x1a, 0x5f, 0xb4};

// The least target a finger is given, in logical pixels (the common touch guideline's 24 CSS px).
inline constexpr int kTouchTarget = 24;

}  // namespace surface
