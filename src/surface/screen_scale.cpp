// The program's scale: the design's 1024 × 768 screen grown to fill the real one, in whichever
// direction fills first.
#include "surface/screen_scale.h"

#include <algorithm>
#include <cmath>

namespace surface {

namespace {
constexpr double kDesignWidth = 1024;  // the landscape monitor the windows were laid out for
constexpr double kDesignHeight = 768;
}  // namespace

double ProgramScale(PixelSize screen)
{
    return std::max(1.0, std::min(screen.height / kDesignHeight, screen.width / kDesignWidth));
}

PixelSize ProgramScreen(PixelSize screen, double scale)
{
    return {static_cast<int>(std::lround(screen.width / scale)),
            std::max(kShortestScreen, static_cast<int>(std::lround(screen.height / scale)))};
}

}  // namespace surface
