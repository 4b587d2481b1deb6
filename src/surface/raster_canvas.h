// A canvas that draws into an image: user scale with y upward if asked, aliased lines and dots, text.
#pragma once

#include "canvas/canvas.h"

#include <QFont>
#include <QImage>

#include <array>
#include <cstdint>
#include <functional>

namespace surface {

class RasterCanvas : public Canvas {
public:
    // size in logical pixels; the image holds size × devicePixelRatio device pixels.
    explicit RasterCanvas(QSize size = {1, 1}, qreal devicePixelRatio = 1.0);

    void Scale(float x1, float y1, float x2, float y2) override;
    void Cls() override;
    void Line(float x1, float y1, float x2, float y2, std::optional<Rgb> colour = {}) override;
    void PSet(float x, float y, std::optional<Rgb> colour = {}) override;
    void Print(const std::string& text) override;
    void SetDrawWidth(int pixels) override;
    int DrawWidth() const override { return drawWidth_; }
    void SetCurrentX(float x) override { currentX_ = x; }
    void SetCurrentY(float y) override { currentY_ = y; }

    // Grows or shrinks the picture; what was drawn stays at its place, new area is BackColor.
    void Resize(QSize size, qreal devicePixelRatio);
    QSize logicalSize() const { return logicalSize_; }
    const QImage& image() const { return image_; }

    void SetBackColor(QColor colour) { backColor_ = colour; }
    void SetForeColor(QColor colour) { foreColor_ = colour; }
    void SetFont(const QFont& font) { font_ = font; }

    // Where a user coordinate lands, in device pixels (continuous; pixel (i, j) spans [i, i+1)).
    QPointF ToDevice(double x, double y) const;

    // Called after anything was drawn, so that a widget can schedule one repaint.
    void SetChangedCallback(std::function<void()> callback) { changed_ = std::move(callback); }

    // Drawing operations refused because a coordinate was not finite.
    long long rejectedOperations() const { return rejected_; }

    std::optional<UserBox> Reach(int width) const override;

private:
    void fill(double x1, double y1, double x2, double y2, std::uint32_t pixel);
    std::uint32_t pixelOf(const std::optional<Rgb>& colour) const;
    void updatePen();
    void forgetPens();
    int devicePixelsOf(int width) const;
    UserBox reachOf(int devicePixels) const;
    QPointF ToUser(double deviceX, double deviceY) const;
    bool outsideInUserUnits(double x1, double y1, double x2, double y2) const;
    void notify();

    QImage image_;
    QSize logicalSize_;
    qreal dpr_ = 1.0;
    bool userScale_ = false;
    double scaleLeft_ = 0, scaleTop_ = 0, scaleRight_ = 1, scaleBottom_ = 1;
    int drawWidth_ = 1;
    float currentX_ = 0, currentY_ = 0;
    QColor backColor_ = Qt::white;
    QColor foreColor_ = Qt::black;
    QFont font_;
    std::function<void()> changed_;
    long long rejected_ = 0;
    // What the present DrawWidth needs: its width in device pixels, and its reach in user units,
    // outside which an operation is dropped before it is mapped to device pixels.
    struct WidthReach {
        int devicePixels = 1;
        UserBox reach;
        bool valid = false;
    };
    WidthReach pen_;
    std::array<WidthReach, 33> pens_{};  // by DrawWidth
};

}  // namespace surface
