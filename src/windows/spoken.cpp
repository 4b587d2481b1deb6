// Descriptions are built from the picture's state and the model's closed forms; every number in
// them is computed, none is written here.
#include "windows/spoken.h"

#include "canvas/format.h"
#include "model/linear/linear_rays.h"
#include "model/linear/linear_train.h"
#include "model/shared/module_values.h"
#include "model/square_root/square_root_rays.h"
#include "model/square_root/square_root_train.h"

#include <cmath>
#include <vector>

namespace spoken {

using surface::Format;

namespace {

constexpr double kLevelStart = 90;  // degrees from the upward vertical: the ray that leaves level

// "a", "a; b", "a; b; c": the parts have commas of their own.
std::string listed(const std::vector<std::string>& parts)
{
    std::string text;
    for (const std::string& part : parts)
        text += (text.empty() ? "" : "; ") + part;
    return text;
}

std::string point(double x, double y)
{
    return "x = " + Format(x, "0.0") + ", y = " + Format(y, "0.0");
}

std::string running(bool runs)
{
    return runs ? "Animation running." : "Animation stopped.";
}

// One fact of the closed forms about the ray that leaves at the angle the start-angle bar holds.
std::string linearFact(const LinearPicture& p)
{
    const std::string ray = "The ray leaving at " + Degrees(p.selectedAngle);
    const sorvel_kampyles::LinearRayLandmarks marks =
        sorvel_kampyles::LinearSingleRayLandmarks(p.selectedAngle, p.v0, p.k);
    if (marks.turn) {
        const bool highest = p.k < 0;  // the speed increases upwards: the ray rises toward it
        return ray + (highest ? " rises to its highest point at " : " falls to its lowest point at ") +
               point(marks.turn->x, marks.turn->y) + ", and turns back.";
    }
    if (marks.zeroSpeed)
        return ray + " bends toward the zero-speed line y = " + Format(marks.zeroSpeed->y, "0.0") +
               " and meets it at right angles at x = " + Format(marks.zeroSpeed->x, "0.0") + ".";
    return ray + " runs straight along the vertical axis.";
}

}  // namespace

std::string Seconds(double seconds)
{
    return Format(seconds, "0.000") + " s";
}

std::string TimeUnits(double time)
{
    return Format(time, "0.000") + " time units";
}

std::string Degrees(double degrees)
{
    return Format(degrees, "0.0") + " degrees";
}

std::string Whole(double value)
{
    return Format(value, "0");
}

std::string Describe(const LinearPicture& p)
{
    // v = v0 − k·y: k < 0 is a speed that grows upwards.
    std::string text = "Linear case, speed " + Whole(p.v0) + (p.k < 0 ? " plus " : " minus ") + Whole(std::fabs(p.k)) +
                       " times y, " + (p.k < 0 ? "increasing" : "decreasing") + " upwards. ";
    std::vector<std::string> shown;
    if (p.rayFan)
        shown.push_back("the axes, time marks and fan of rays");
    if (p.singleRay)
        shown.push_back("a single ray at " + Degrees(p.singleRay->angle) + " over the wavefronts of 0 to " +
                        Seconds(p.singleRay->frontsTo));
    if (p.stillFrontsTo)
        shown.push_back("the wavefronts of 0 to " + Seconds(*p.stillFrontsTo));
    if (p.newestFront)
        shown.push_back("wavefronts every " + Seconds(sorvel_kampyles::kLinearFrontSpacing) + ", the newest at " +
                        Seconds(*p.newestFront));
    text += shown.empty() ? "The picture is empty. " : "Shows " + listed(shown) + ". ";
    return text + running(p.running) + " " + linearFact(p);
}

std::string Describe(const SquareRootPicture& p)
{
    std::string text =
        "Square-root case, speed the square root of " + Whole(p.A) + " plus " + Whole(p.beta) + " times y. ";
    std::vector<std::string> shown{"the axes and the dotted fan of rays"};
    if (p.stillFrontsTo)
        shown.push_back("the wavefronts of 0 to " + TimeUnits(*p.stillFrontsTo));
    if (p.newestFront)
        shown.push_back("wavefronts every " + Format(sorvel_kampyles::kSquareRootFrontSpacing, "0.00") +
                        " time units, the newest at " + TimeUnits(*p.newestFront));
    text += "Shows " + listed(shown) + ". " + running(p.running) + " ";
    const double level = kLevelStart * sorvel_kampyles::PI_VALUE / 180;
    const double zeroSpeed = sorvel_kampyles::SquareRootZeroSpeedHeight(p.A, p.beta);
    const double endX = sorvel_kampyles::SquareRootEndX(p.A, p.beta, level);
    const double endTime = sorvel_kampyles::SquareRootEndTime(p.A, p.beta, level);
    return text + "The rays meet the zero-speed line y = " + Format(zeroSpeed, "0.0") +
           " at right angles; the ray leaving level reaches it at x = " + Format(endX, "0.0") + " after " +
           Format(endTime, "0.00") + " time units.";
}

}  // namespace spoken
