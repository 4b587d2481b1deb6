// Int: the whole part of a number rounded down, as the handlers count the fronts of a train with it.
#pragma once

#include <cmath>

namespace surface {

// The largest whole number not above value.
inline double Int(double value)
{
    return std::floor(value);
}

}  // namespace surface
