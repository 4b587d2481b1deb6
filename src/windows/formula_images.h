// The two formula images of the speed laws, at their fixed pixel sizes.
#pragma once

#include "canvas/pixel_image.h"

namespace assets {

// υ = Α + βψ, 128 × 22 pixels: the linear law.
surface::PixelImage LinearLawImage();

// υ = √(Α + βψ) with the equation number (1) at the right, 152 × 28 pixels: the square-root law.
surface::PixelImage SquareRootLawImage();

}  // namespace assets
