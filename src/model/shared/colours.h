// The colours the drawing procedures name: red rays and dots, near-black fronts, the near-white fade.
#pragma once

#include "canvas/canvas.h"

namespace sorvel_kampyles {

inline constexpr surface::Rgb kRayRed{255, 0, 0};
// A front is drawn in near-black, and faded by drawing it again in a grey close to the white background.
inline constexpr surface::Rgb kFrontBlack{5, 5, 5};
inline constexpr surface::Rgb kFadeGrey{250, 250, 250};

}  // namespace sorvel_kampyles
