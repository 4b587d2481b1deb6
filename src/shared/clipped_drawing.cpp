// Liang–Barsky clipping of model segments to a generous box around the picture area.
#include "shared/clipped_drawing.h"

#include <cmath>

namespace sorvel_kampyles {
namespace {

bool inside(double v)
{
    return v >= -kDrawingLimit && v <= kDrawingLimit;
}

}  // namespace

void ClippedLine(surface::Canvas& canvas, double x1, double y1, double x2, double y2,
                 std::optional<surface::Rgb> colour)
{
    if (!std::isfinite(x1) || !std::isfinite(y1) || !std::isfinite(x2) || !std::isfinite(y2))
        return;
    if (inside(x1) && inside(y1) && inside(x2) && inside(y2)) {
        canvas.Line(static_cast<float>(x1), static_cast<float>(y1), static_cast<float>(x2),
                    static_cast<float>(y2), colour);
        return;
    }
    const double dx = x2 - x1;
    const double dy = y2 - y1;
    if (!std::isfinite(dx) || !std::isfinite(dy))
        return;
    double t0 = 0;
    double t1 = 1;
    const double p[4] = {-dx, dx, -dy, dy};
    const double q[4] = {x1 + kDrawingLimit, kDrawingLimit - x1, y1 + kDrawingLimit, kDrawingLimit - y1};
    for (int i = 0; i < 4; ++i) {
        if (p[i] == 0) {
            if (q[i] < 0)
                return;
            continue;
        }
        const double r = q[i] / p[i];
        if (p[i] < 0) {
            if (r > t1)
                return;
            if (r > t0)
                t0 = r;
        } else {
            if (r < t0)
                return;
            if (r < t1)
                t1 = r;
        }
    }
    const auto clamp = [](double v) { return std::fmin(kDrawingLimit, std::fmax(-kDrawingLimit, v)); };
    canvas.Line(static_cast<float>(clamp(x1 + t0 * dx)), static_cast<float>(clamp(y1 + t0 * dy)),
                static_cast<float>(clamp(x1 + t1 * dx)), static_cast<float>(clamp(y1 + t1 * dy)), colour);
}

void ClippedPSet(surface::Canvas& canvas, double x, double y, std::optional<surface::Rgb> colour)
{
    if (inside(x) && inside(y))
        canvas.PSet(static_cast<float>(x), static_cast<float>(y), colour);
}

}  // namespace sorvel_kampyles
