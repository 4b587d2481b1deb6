// Draws linear-medium wavefronts in four sweeps of start angles that close the right and left halves.
#include "linear/linear_fronts.h"

#include "linear/linear_rays.h"
#include "shared/clipped_drawing.h"
#include "shared/module_values.h"
#include "surface/format.h"
#include "surface/message_box.h"

#include <array>
#include <cmath>
#include <string>

namespace sorvel_kampyles {
namespace {

constexpr surface::Rgb kDotRed{255, 0, 0};
constexpr surface::Rgb kNearBlack{5, 5, 5};
constexpr int kAnglesPerSweep = 18;

struct Sweep {
    int from;
    int step;
    bool startsAtTop;       // begins at the point of the ray sent straight up
    bool negateX;           // X = −sin(A)/v0 instead of sin(A)/v0
    bool subtract;          // u = C − (k·X)·Z instead of C + (k·X)·Z
    const char* message;    // nullptr: an invalid point is skipped silently
    bool withHeight;        // the message also gives the last height computed
};

// Sweeps 1 and 3 meet at the horizontal ray F = 90 and close the right half; 2 and 4 the left.
constexpr std::array<Sweep, 4> kSweeps{{
    {5, 5, true, false, false, nullptr, false},
    {-5, -5, true, false, false, "X= ", false},
    {175, -5, false, true, false, " F>90 X= ", true},
    {-175, 5, false, false, true, " F<-90 X= ", true},
}};

// What a sweep needs of one start angle; depends on the angle and v0 only, never on the time.
struct SweepAngle {
    LinearRay ray;
    double kX = 0;   // k·X
    double C = 0;
};

using AngleTable = std::array<std::array<SweepAngle, kAnglesPerSweep>, kSweeps.size()>;

const AngleTable& angleTable(double v0, double k)
{
    // The table is rebuilt only when the medium or PI_VALUE changes; for the same inputs it holds
    // bit for bit what computing each angle afresh would give.
    static AngleTable table;
    static double keyV0 = std::nan(""), keyK = std::nan(""), keyPi = std::nan("");
    if (v0 == keyV0 && k == keyK && PI_VALUE == keyPi)
        return table;
    for (std::size_t s = 0; s < kSweeps.size(); ++s)
        for (int i = 0; i < kAnglesPerSweep; ++i) {
            const int F = kSweeps[s].from + i * kSweeps[s].step;
            SweepAngle& angle = table[s][i];
            angle.ray = MakeLinearRay(v0, (F * PI_VALUE) / 180);
            const double X = kSweeps[s].negateX ? -std::sin(angle.ray.A) / v0 : std::sin(angle.ray.A) / v0;
            angle.kX = k * X;
            angle.C = std::sqrt(1 - (X * v0) * (X * v0));
        }
    keyV0 = v0;
    keyK = k;
    keyPi = PI_VALUE;
    return table;
}

}  // namespace

void DrawLinearFronts(surface::Canvas& eikona, double t1, double t2, double v0, double k, int red,
                      int green, int blue)
{
    const AngleTable& angles = angleTable(v0, k);
    double T = 0;  // height of the last point computed in this call, for the messages
    const surface::Rgb firstColour{red, green, blue};
    for (const int pass : {1, 2}) {
        const double tau = pass == 1 ? t1 : t2;
        const surface::Rgb colour = pass == 1 ? firstColour : kNearBlack;
        eikona.SetDrawWidth(5);
        // Where the rays sent straight up and straight down are; the exponential that would
        // overflow belongs to a point far outside the picture, which the clipping drops.
        const double yUp = (v0 / k) * (1 - std::exp((-k) * tau));
        const double yDown = (v0 / k) * (1 - std::exp(k * tau));
        const double decay = LinearDecay(tau, k);
        for (std::size_t s = 0; s < kSweeps.size(); ++s) {
            const Sweep& sweep = kSweeps[s];
            double R = 0;
            double S = sweep.startsAtTop ? yUp : yDown;
            for (const SweepAngle& angle : angles[s]) {
                const double Z = LinearRayXWith(angle.ray, tau, k, decay);
                const double u = sweep.subtract ? angle.C - angle.kX * Z : angle.C + angle.kX * Z;
                // Once a ray has turned vertical on the zero-speed line rounding can make 1 − u²
                // a hair negative; that point is still good. Only a real overshoot is invalid.
                if (1 - u * u <= kRoundingRadicand) {
                    if (sweep.message) {
                        std::string text = sweep.message + surface::Format(Z, "0.000");
                        if (sweep.withHeight)
                            text += " y = " + surface::Format(T, "0.0000");
                        surface::MsgBox(text);
                    }
                    continue;
                }
                T = LinearRayYWith(angle.ray, Z, v0, k).value_or(0);
                ClippedLine(eikona, R, S, Z, T, colour);
                eikona.SetDrawWidth(2);
                ClippedPSet(eikona, R, S, kDotRed);
                eikona.SetDrawWidth(5);
                R = Z;
                S = T;
            }
        }
    }
    eikona.SetDrawWidth(1);
}

}  // namespace sorvel_kampyles
