// Twips, the program's unit of window and control geometry: 1440 to the inch, 15 to the logical pixel.
#pragma once

#include <algorithm>
#include <cmath>

namespace surface {

// 1440 twips to the inch at 96 logical pixels to the inch.
inline constexpr int kTwipsPerPixel = 15;

// The logical pixel nearest to a length or position in twips.
inline int ToPixels(double twips)
{
    return static_cast<int>(std::lround(twips / kTwipsPerPixel));
}

// The largest length of whole logical pixels, in twips, that is no longer than `twips` (at least one pixel).
inline float WholePixels(double twips)
{
    return static_cast<float>(std::max(1.0, std::floor(twips / kTwipsPerPixel)) * kTwipsPerPixel);
}

}  // namespace surface
