// A canvas that passes every operation on to two others: the picture and an observer, such as a recorder.
#pragma once

#include "canvas/canvas.h"

#include <algorithm>

namespace surface {

class TeeCanvas : public Canvas {
public:
    TeeCanvas(Canvas& first, Canvas& second) : first_(first), second_(second) {}

    void Scale(float x1, float y1, float x2, float y2) override
    {
        first_.Scale(x1, y1, x2, y2);
        second_.Scale(x1, y1, x2, y2);
    }
    void Cls() override
    {
        first_.Cls();
        second_.Cls();
    }
    void Line(float x1, float y1, float x2, float y2, std::optional<Rgb> colour = {}) override
    {
        first_.Line(x1, y1, x2, y2, colour);
        second_.Line(x1, y1, x2, y2, colour);
    }
    void PSet(float x, float y, std::optional<Rgb> colour = {}) override
    {
        first_.PSet(x, y, colour);
        second_.PSet(x, y, colour);
    }
    void Print(const std::string& text) override
    {
        first_.Print(text);
        second_.Print(text);
    }
    void SetDrawWidth(int pixels) override
    {
        first_.SetDrawWidth(pixels);
        second_.SetDrawWidth(pixels);
    }
    int DrawWidth() const override { return first_.DrawWidth(); }
    // What either canvas could show counts: an observer that records every operation sees them all.
    std::optional<UserBox> Reach(int width) const override
    {
        const std::optional<UserBox> a = first_.Reach(width);
        const std::optional<UserBox> b = second_.Reach(width);
        if (!a || !b)
            return std::nullopt;
        return UserBox{std::min(a->left, b->left), std::min(a->bottom, b->bottom), std::max(a->right, b->right),
                       std::max(a->top, b->top)};
    }
    // Each canvas takes the drawing its own way: the picture from its stamp, an observer as operations.
    void DrawStamped(Stamp& stamp, std::span<const double> inputs, Rgb colour, const StampedDrawing& drawing) override
    {
        first_.DrawStamped(stamp, inputs, colour, drawing);
        second_.DrawStamped(stamp, inputs, colour, drawing);
    }
    void SetCurrentX(float x) override
    {
        first_.SetCurrentX(x);
        second_.SetCurrentX(x);
    }
    void SetCurrentY(float y) override
    {
        first_.SetCurrentY(y);
        second_.SetCurrentY(y);
    }

private:
    Canvas& first_;
    Canvas& second_;
};

}  // namespace surface
