// The name a picture is saved under: what it shows, written alike in every locale and edition.
#pragma once

#include <optional>
#include <string>

namespace picture_name {

// "linear-k-up-t0.300.png", "linear-k-down-angle-12.5.png": the law, then the single ray's
// angle or the newest front's time, when the picture holds one.
std::string Linear(bool increasesUpwards, std::optional<double> singleRayAngle, std::optional<double> newestFront);
// "square-root-A2000-T4.000.png": A, then the newest front's time when the picture holds one.
std::string SquareRoot(int A, std::optional<double> newestFront);

// A number with this many decimals and '.' as its point: a file name must not change with the
// decimal comma of the desk it was saved at.
std::string Decimals(double value, int places);

}  // namespace picture_name
