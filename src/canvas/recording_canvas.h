// A canvas that records every operation, for tests and benchmarks that check what was drawn.
#pragma once

#include "canvas/canvas.h"

#include <vector>

namespace surface {

class RecordingCanvas : public Canvas {
public:
    enum class Kind { Scale, Cls, Line, PSet, Print };
    struct Op {
        Kind kind;
        float x1 = 0, y1 = 0, x2 = 0, y2 = 0;
        std::optional<Rgb> colour;
        int width = 1;     // the DrawWidth in force
        std::string text;  // Print only
    };

    void Scale(float x1, float y1, float x2, float y2) override;
    void Cls() override;
    void Line(float x1, float y1, float x2, float y2, std::optional<Rgb> colour = {}) override;
    void PSet(float x, float y, std::optional<Rgb> colour = {}) override;
    void Print(const std::string& text) override;
    void SetDrawWidth(int pixels) override { drawWidth_ = pixels; }
    int DrawWidth() const override { return drawWidth_; }
    void SetCurrentX(float x) override { currentX_ = x; }
    void SetCurrentY(float y) override { currentY_ = y; }

    const std::vector<Op>& ops() const { return ops_; }
    void clear() { ops_.clear(); }

private:
    std::vector<Op> ops_;
    int drawWidth_ = 1;  // a fresh picture area draws one pixel wide
    float currentX_ = 0;
    float currentY_ = 0;
};

}  // namespace surface
