// What a screen reader says of the case windows: values with their units, and descriptions of
// the pictures that follow what they show, with one fact of the closed forms.
#pragma once

#include <optional>
#include <string>

namespace spoken {

// Values as a bar or a sentence says them: "0.420 s", "4.200 time units", "30.0 degrees", "1200".
std::string Seconds(double seconds);
std::string TimeUnits(double time);
std::string Degrees(double degrees);
std::string Whole(double value);

// What the linear case's picture holds since it was last cleared.
struct LinearPicture {
    double v0 = 0, k = 0;                 // the law v = v0 − k·y it was drawn for
    bool rayFan = false;                  // axes, time marks and the fan of rays
    std::optional<double> stillFrontsTo;  // the fronts of 0 to this time, s
    struct SingleRay {
        double angle;     // degrees above the horizontal
        double frontsTo;  // over the fronts of 0 to this time, s
    };
    std::optional<SingleRay> singleRay;
    std::optional<double> newestFront;  // the time of the newest front of the animation or the time bar, s
    bool running = false;               // the animation runs
    double selectedAngle = 0;           // the angle on the start-angle bar, degrees
};
std::string Describe(const LinearPicture& picture);

// What the square-root case's picture holds: always its dotted ray field.
struct SquareRootPicture {
    double A = 0, beta = 0;
    std::optional<double> stillFrontsTo;  // "WAVE FRONTS": the fronts of 0 to this time
    std::optional<double> newestFront;    // in the model's time units
    bool running = false;
    friend bool operator==(const SquareRootPicture&, const SquareRootPicture&) = default;
};
std::string Describe(const SquareRootPicture& picture);

// The formula images, in words that a screen reader speaks well.
inline constexpr const char* kLinearLaw = "v equals A plus beta times y";
inline constexpr const char* kSquareRootLaw = "v equals the square root of the sum A plus beta times y, equation 1";

}  // namespace spoken
