// A picture's pixel store as a PNG file: the device pixels as they are, bit for bit.
#pragma once

#include "canvas/pixel_image.h"

#include <cstdint>
#include <vector>

namespace surface {

// The image as 8-bit RGB, one PNG row a row of the store; the store's pixels are always opaque,
// so no alpha channel is written. Empty for an empty image.
std::vector<std::uint8_t> EncodePng(const PixelImage& image);

}  // namespace surface
