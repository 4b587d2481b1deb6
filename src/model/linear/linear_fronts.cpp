// Draws linear-medium wavefronts in four sweeps of start angles that close the right and left halves.
#include "model/linear/linear_fronts.h"

#include "canvas/format.h"
#include "canvas/message_box.h"
#include "model/linear/linear_rays.h"
#include "model/shared/clipped_drawing.h"
#include "model/shared/colours.h"
#include "model/shared/module_values.h"

#include <cmath>
#include <string>

namespace sorvel_kampyles {
namespace {

constexpr int kAnglesPerSweep = 18;

struct Sweep {
    int from;
    int step;
    bool startsAtTop;     // begins at the point of the ray sent straight up
    bool negateX;         // X = −sin(A)/v0 instead of sin(A)/v0
    bool subtract;        // u = C − (k·X)·Z instead of C + (k·X)·Z
    const char* message;  // nullptr: an invalid point is skipped silently
    bool withHeight;      // the message also gives the last height computed
};

// Sweeps 1 and 3 meet at the horizontal ray F = 90 and close the right half; 2 and 4 the left.
constexpr std::array<Sweep, 4> kSweeps{{
    {5, 5, LinearFront::kStartsAtTop[0], false, false, nullptr, false},
    {-5, -5, LinearFront::kStartsAtTop[1], false, false, "X= ", false},
    {175, -5, LinearFront::kStartsAtTop[2], true, false, " F>90 X= ", true},
    {-175, 5, LinearFront::kStartsAtTop[3], false, true, " F<-90 X= ", true},
}};

// F = 90 turns into exactly PI_VALUE / 2, so the horizontal ray lies on the boundary between the
// branches of the ray functions, each of which gives it the same point.
static_assert(90 * 3.141592653589793 / 180 == 3.141592653589793 / 2);

LinearSweepAngle makeAngle(const Sweep& sweep, int i, double v0, double k)
{
    const int F = sweep.from + i * sweep.step;
    LinearSweepAngle angle;
    angle.ray = MakeLinearRay(v0, (F * PI_VALUE) / 180);
    // X = ±sin(A)/v0 is ±P, and C = √(1 − (X·v0)²) is the ray's C0 whatever the sign.
    angle.kX = k * (sweep.negateX ? -angle.ray.P : angle.ray.P);
    return angle;
}

}  // namespace

LinearSweepAngles MakeLinearSweepAngles(double v0, double k)
{
    LinearSweepAngles angles;
    angles.v0 = v0;
    angles.k = k;
    for (std::size_t s = 0; s < kSweeps.size(); ++s)
        for (int i = 0; i < kAnglesPerSweep; ++i)
            angles.sweeps[s][i] = makeAngle(kSweeps[s], i, v0, k);
    return angles;
}

void ComputeLinearFront(const LinearSweepAngles& angles, double tau, LinearFront& front)
{
    const double v0 = angles.v0;
    const double k = angles.k;
    // Where the rays sent straight up and straight down are; the exponential that would overflow
    // belongs to a point far outside the picture, which the clipping drops.
    front.yUp = (v0 / k) * (1 - std::exp((-k) * tau));
    front.yDown = (v0 / k) * (1 - std::exp(k * tau));
    const double decay = LinearDecay(tau, k);
    for (std::size_t s = 0; s < kSweeps.size(); ++s) {
        const Sweep& sweep = kSweeps[s];
        for (int i = 0; i < kAnglesPerSweep; ++i) {
            const LinearSweepAngle& angle = angles.sweeps[s][i];
            LinearFront::Point& point = front.sweeps[s][i];
            point.Z = LinearRayXWith(angle.ray, tau, k, decay);
            const double C = angle.ray.C0;
            const double u = sweep.subtract ? C - angle.kX * point.Z : C + angle.kX * point.Z;
            // Once a ray has turned vertical on the zero-speed line rounding can make 1 − u² a hair
            // negative; that point is still good. Only a real overshoot is invalid.
            point.valid = 1 - u * u > kRoundingRadicand;
            if (point.valid)
                point.T = LinearRayYWith(angle.ray, point.Z, v0, k).value_or(0);
        }
    }
}

void DrawLinearFront(surface::Canvas& eikona, const LinearFront& front, surface::Rgb colour, double& lastHeight)
{
    eikona.SetDrawWidth(kLinearFrontWidth);
    for (std::size_t s = 0; s < kSweeps.size(); ++s) {
        const Sweep& sweep = kSweeps[s];
        // (R, S): the previous point of the polyline, where the next segment starts and its red dot sits.
        double R = 0;
        double S = sweep.startsAtTop ? front.yUp : front.yDown;
        for (const LinearFront::Point& point : front.sweeps[s]) {
            if (!point.valid) {
                if (sweep.message) {
                    std::string text = sweep.message + surface::Format(point.Z, "0.000");
                    if (sweep.withHeight)
                        text += " y = " + surface::Format(lastHeight, "0.0000");
                    surface::MsgBox(text);
                }
                continue;
            }
            lastHeight = point.T;
            ClippedLine(eikona, R, S, point.Z, point.T, colour);
            eikona.SetDrawWidth(2);
            ClippedPSet(eikona, R, S, kRayRed);
            eikona.SetDrawWidth(kLinearFrontWidth);
            R = point.Z;
            S = point.T;
        }
    }
}

void DrawLinearFronts(surface::Canvas& eikona, double t1, double t2, double v0, double k, int red, int green, int blue)
{
    double lastHeight = 0;
    const LinearSweepAngles angles = MakeLinearSweepAngles(v0, k);
    LinearFront front;
    ComputeLinearFront(angles, t1, front);
    DrawLinearFront(eikona, front, surface::Rgb{red, green, blue}, lastHeight);
    ComputeLinearFront(angles, t2, front);
    DrawLinearFront(eikona, front, kFrontBlack, lastHeight);
    eikona.SetDrawWidth(1);
}

}  // namespace sorvel_kampyles
