// How every back end outlines the control that has the keyboard focus.
#pragma once

#include "canvas/canvas.h"

namespace surface {

// Two logical pixels, so that the outline is still seen on a projector from the back of a room.
inline constexpr int kFocusOutlineWidth = 2;
// Dark blue: at least 5 to 1 against the light grey of the windows and controls, and against white.
inline constexpr Rgb kFocusOutlineColour{0x1a, 0x5f, 0xb4};

}  // namespace surface
