// The baseline canvas for the benchmark: the straightforward QPainter drawing, aliased with round caps.
#pragma once

#include "canvas/canvas.h"

#include <QImage>

class QPainterCanvas : public surface::Canvas {
public:
    explicit QPainterCanvas(int pixels);

    void Scale(float x1, float y1, float x2, float y2) override;
    void Cls() override { image_.fill(Qt::white); }
    void Line(float x1, float y1, float x2, float y2, std::optional<surface::Rgb> colour = {}) override;
    void PSet(float x, float y, std::optional<surface::Rgb> colour = {}) override;
    void Print(const std::string&) override {}
    void SetDrawWidth(int pixels) override { width_ = pixels; }
    int DrawWidth() const override { return width_; }
    void SetCurrentX(float) override {}
    void SetCurrentY(float) override {}
    // The same reach as the raster canvas's, so that both are handed the same operations.
    std::optional<surface::UserBox> Reach(int width) const override;

private:
    QPointF map(float x, float y) const;
    QImage image_;
    int width_ = 1;
    float left_ = -100, top_ = 100, right_ = 100, bottom_ = -100;
};
