// Module-wide values of sorvel_kampyles, shared by the linear and the square-root windows.
#pragma once

#include <cstdint>

namespace sorvel_kampyles {

// The circle constant, computed as 4·atan(1) by whoever draws first.
extern double PI_VALUE;
// Speed on the horizontal axis of the linear law v(y) = v0 − k·y.
extern std::int16_t SPEED_V0;
// k of the linear law (−8 or +8), or β = 40 after the square-root window has drawn.
extern std::int16_t SPEED_K;

// 4·atan(1), the value every writer of PI_VALUE stores.
double ComputedPi();

}  // namespace sorvel_kampyles
