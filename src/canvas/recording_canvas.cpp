// Records canvas operations with the DrawWidth in force when each was made.
#include "canvas/recording_canvas.h"

namespace surface {

void RecordingCanvas::Scale(float x1, float y1, float x2, float y2)
{
    ops_.push_back({Kind::Scale, x1, y1, x2, y2, {}, drawWidth_, {}});
}

void RecordingCanvas::Cls()
{
    currentX_ = 0;
    currentY_ = 0;
    ops_.push_back({Kind::Cls, 0, 0, 0, 0, {}, drawWidth_, {}});
}

void RecordingCanvas::Line(float x1, float y1, float x2, float y2, std::optional<Rgb> colour)
{
    ops_.push_back({Kind::Line, x1, y1, x2, y2, colour, drawWidth_, {}});
}

void RecordingCanvas::PSet(float x, float y, std::optional<Rgb> colour)
{
    ops_.push_back({Kind::PSet, x, y, x, y, colour, drawWidth_, {}});
}

void RecordingCanvas::Print(const std::string& text)
{
    ops_.push_back({Kind::Print, currentX_, currentY_, currentX_, currentY_, {}, drawWidth_, text});
}

}  // namespace surface
