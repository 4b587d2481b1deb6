// Keeps model segments within a generous box around the picture area before they become floats.
#include "model/shared/clipped_drawing.h"

#include "canvas/segment_clip.h"

namespace sorvel_kampyles {

void ClippedLine(surface::Canvas& canvas, double x1, double y1, double x2, double y2,
                 std::optional<surface::Rgb> colour)
{
    if (!surface::ClipSegment(x1, y1, x2, y2, -kDrawingLimit, -kDrawingLimit, kDrawingLimit, kDrawingLimit))
        return;
    canvas.Line(static_cast<float>(x1), static_cast<float>(y1), static_cast<float>(x2), static_cast<float>(y2), colour);
}

void ClippedPSet(surface::Canvas& canvas, double x, double y, std::optional<surface::Rgb> colour)
{
    if (x >= -kDrawingLimit && x <= kDrawingLimit && y >= -kDrawingLimit && y <= kDrawingLimit)
        canvas.PSet(static_cast<float>(x), static_cast<float>(y), colour);
}

}  // namespace sorvel_kampyles
