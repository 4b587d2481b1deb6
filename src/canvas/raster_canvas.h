// A canvas that draws into a pixel store: user scale with y upward if asked, aliased lines and dots, text.
#pragma once

#include "canvas/canvas.h"
#include "canvas/pixel_image.h"
#include "canvas/pixel_raster.h"
#include "canvas/stamp.h"
#include "canvas/text_painter.h"

#include <array>
#include <cstdint>
#include <functional>

namespace surface {

// A point in device pixels, continuous: pixel (i, j) spans [i, i + 1) × [j, j + 1).
struct DevicePoint {
    double x = 0, y = 0;
    friend bool operator==(const DevicePoint&, const DevicePoint&) = default;
};

class RasterCanvas : public Canvas {
public:
    // width × height logical pixels; the image holds that many times devicePixelRatio device pixels.
    explicit RasterCanvas(int width = 1, int height = 1, double devicePixelRatio = 1.0);

    void Scale(float x1, float y1, float x2, float y2) override;
    void Cls() override;
    void Line(float x1, float y1, float x2, float y2, std::optional<Rgb> colour = {}) override;
    void PSet(float x, float y, std::optional<Rgb> colour = {}) override;
    void Print(const std::string& text) override;
    void SetDrawWidth(int pixels) override;
    int DrawWidth() const override { return drawWidth_; }
    void SetCurrentX(float x) override { currentX_ = x; }
    void SetCurrentY(float y) override { currentY_ = y; }
    std::optional<UserBox> Reach(int width) const override;
    void DrawStamped(Stamp& stamp, std::span<const double> inputs, Rgb colour, const StampedDrawing& drawing) override;

    // Grows or shrinks the picture; what was drawn stays at its logical place, new area is
    // BackColor. At a new ratio the old pixels are repeated or dropped, never blended, so the
    // colours stay those that were drawn.
    void Resize(int width, int height, double devicePixelRatio);
    int logicalWidth() const { return logicalWidth_; }
    int logicalHeight() const { return logicalHeight_; }
    double devicePixelRatio() const { return dpr_; }
    const PixelImage& image() const { return image_; }

    // Puts a fixed image with its top-left corner at logical pixel (x, y), each of its pixels a
    // logical pixel, clipped to the picture.
    void DrawImage(const PixelImage& picture, int x, int y);

    // Where Print gets its glyphs; without one, text is left out.
    void SetTextPainter(TextPainter* painter) { textPainter_ = painter; }

    DevicePoint ToDevice(double x, double y) const;

    // Called when pixels change while the changed area is empty, so that a back end schedules
    // one repaint, in which it takes the area.
    void SetChangedCallback(std::function<void()> callback) { changed_ = std::move(callback); }
    // The device pixels that may have changed since the last call (none are left out), so that
    // a back end shows only those; the next change calls the callback again.
    PixelArea TakeChangedArea();

    // Drawing operations refused because a coordinate was not finite.
    long long rejectedOperations() const { return rejected_; }

private:
    RasterSettings settings() const;
    // Takes the scale, pen and current point of these settings.
    void restore(const RasterSettings& settings);
    void changed(const PixelArea& area);
    void changedAll() { changed({0, 0, image_.width(), image_.height()}); }
    void fill(double x1, double y1, double x2, double y2, std::uint32_t pixel);
    // Fills the runs the drawing being recorded has kept since this was last called.
    void showRecorded();
    std::uint32_t pixelOf(const std::optional<Rgb>& colour) const;
    void updatePen();
    void forgetPens();
    int devicePixelsOf(int width) const;
    UserBox reachOf(int devicePixels) const;
    struct UserPoint {
        double x, y;
    };
    UserPoint ToUser(double deviceX, double deviceY) const;
    bool outsideInUserUnits(double x1, double y1, double x2, double y2) const;

    PixelImage image_;
    int logicalWidth_ = 1, logicalHeight_ = 1;
    double dpr_ = 1.0;
    bool userScale_ = false;
    double scaleLeft_ = 0, scaleTop_ = 0, scaleRight_ = 1, scaleBottom_ = 1;
    int drawWidth_ = 1;
    float currentX_ = 0, currentY_ = 0;
    std::uint32_t backColor_ = PackPixel(255, 255, 255);  // system colour 9 on standard schemes
    std::uint32_t foreColor_ = PackPixel(0, 0, 0);        // the system text colour
    TextPainter* textPainter_ = nullptr;
    std::function<void()> changed_;
    PixelArea changedArea_;
    Stamp* recording_ = nullptr;  // the stamp of the drawing that runs now
    PixelArea recorded_;          // where that drawing filled pixels so far
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
    StrokeShapes shapes_;
};

}  // namespace surface
