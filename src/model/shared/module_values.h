// The module-wide values of sorvel_kampyles: constants every procedure may read. What belongs to one
// case (k of the linear law, β of the square-root law) is that window's, and it hands it to the
// procedures it calls, so that one window can never change what the other draws.
#pragma once

#include <cstdint>
#include <numbers>

namespace sorvel_kampyles {

// The circle constant: the double nearest π, which is also what 4·atan(1) gives.
inline constexpr double PI_VALUE = std::numbers::pi;
// Speed on the horizontal axis of the linear law v(y) = v0 − k·y, in picture units per second.
inline constexpr std::int16_t SPEED_V0 = 1000;

}  // namespace sorvel_kampyles
