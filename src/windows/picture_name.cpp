// Picture names from what the picture shows, numbers written with a point whatever the locale.
#include "windows/picture_name.h"

#include <cmath>

namespace picture_name {

std::string Decimals(double value, int places)
{
    long long scale = 1;
    for (int i = 0; i < places; ++i)
        scale *= 10;
    // The times and angles named are small: far inside what a long long holds once scaled.
    const long long scaled = std::llround(std::fabs(value) * static_cast<double>(scale));
    // Appended piece by piece: GCC 12 warns falsely of overlapping copies in `"-" + std::string`.
    std::string text;
    if (value < 0 && scaled != 0)
        text += '-';
    text += std::to_string(scaled / scale);
    if (places > 0) {
        const std::string fraction = std::to_string(scaled % scale);
        text += '.';
        text.append(static_cast<std::size_t>(places) - fraction.size(), '0');
        text += fraction;
    }
    return text;
}

std::string Linear(bool increasesUpwards, std::optional<double> singleRayAngle, std::optional<double> newestFront)
{
    std::string name = increasesUpwards ? "linear-k-up" : "linear-k-down";
    if (singleRayAngle)
        name += "-angle" + Decimals(*singleRayAngle, 1);
    else if (newestFront)
        name += "-t" + Decimals(*newestFront, 3);
    return name + ".png";
}

std::string SquareRoot(int A, std::optional<double> newestFront)
{
    std::string name = "square-root-A" + std::to_string(A);
    if (newestFront)
        name += "-T" + Decimals(*newestFront, 3);
    return name + ".png";
}

}  // namespace picture_name
