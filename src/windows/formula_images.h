// The two formula images of the speed laws, drawn as text at their fixed pixel sizes.
#pragma once

#include <QImage>

namespace assets {

// υ = Α + βψ, 128 × 22 pixels: the linear law.
QImage LinearLawImage();

// υ = √(Α + βψ) with the equation number (1) at the right, 152 × 28 pixels: the square-root law.
QImage SquareRootLawImage();

}  // namespace assets
