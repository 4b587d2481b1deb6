// Storage of the module-wide values; each is empty (0) until a window writes it.
#include "model/shared/module_values.h"

#include <cmath>

namespace sorvel_kampyles {

double PI_VALUE = 0;
std::int16_t SPEED_V0 = 0;
std::int16_t SPEED_K = 0;

double ComputedPi()
{
    return 4 * std::atan(1.0);
}

}  // namespace sorvel_kampyles
