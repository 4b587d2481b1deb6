// Twips, the program's unit of window and control geometry: 1440 to the inch, 15 to the logical pixel.
#pragma once

#include <cmath>

namespace surface {

// 1440 twips to the inch at 96 logical pixels to the inch.
inline constexpr int kTwipsPerPixel = 15;

// The logical pixel nearest to a length or position in twips.
inline int ToPixels(double twips)
{
    return static_cast<int>(std::lround(twips / kTwipsPerPixel));
}

}  // namespace surface
