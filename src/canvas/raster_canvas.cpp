// Draws canvas operations into the pixel store with the span rasteriser, so that the same float
// coordinates always cover the same pixels and a redraw in the background colour erases exactly.
#include "canvas/raster_canvas.h"

#include "canvas/pixel_raster.h"
#include "canvas/segment_clip.h"
#include "canvas/twips.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <utility>

namespace surface {

RasterCanvas::RasterCanvas(int width, int height, double devicePixelRatio)
{
    Resize(width, height, devicePixelRatio);
}

void RasterCanvas::Resize(int width, int height, double devicePixelRatio)
{
    width = std::max(1, width);
    height = std::max(1, height);
    const int deviceWidth = static_cast<int>(std::lround(width * devicePixelRatio));
    const int deviceHeight = static_cast<int>(std::lround(height * devicePixelRatio));
    logicalWidth_ = width;
    logicalHeight_ = height;
    if (!image_.empty() && deviceWidth == image_.width() && deviceHeight == image_.height() && devicePixelRatio == dpr_)
        return;
    PixelImage grown(deviceWidth, deviceHeight, backColor_);
    if (!image_.empty()) {
        // Old device pixel i spans [i·scale, (i + 1)·scale) of the new image; each new pixel takes
        // the old one under its centre.
        const double scale = devicePixelRatio / dpr_;
        const int rows = std::min(deviceHeight, static_cast<int>(std::lround(image_.height() * scale)));
        const int columns = std::min(deviceWidth, static_cast<int>(std::lround(image_.width() * scale)));
        for (int y = 0; y < rows; ++y) {
            const int sy = std::min(image_.height() - 1, static_cast<int>((y + 0.5) / scale));
            if (scale == 1) {
                std::memcpy(grown.bits() + static_cast<std::size_t>(y) * deviceWidth,
                            image_.bits() + static_cast<std::size_t>(sy) * image_.width(),
                            static_cast<std::size_t>(columns) * sizeof(std::uint32_t));
                continue;
            }
            for (int x = 0; x < columns; ++x)
                grown.setPixel(x, y,
                               image_.pixel(std::min(image_.width() - 1, static_cast<int>((x + 0.5) / scale)), sy));
        }
    }
    image_ = std::move(grown);
    dpr_ = devicePixelRatio;
    forgetPens();
    changedAll();
}

void RasterCanvas::DrawImage(const PixelImage& picture, int x, int y)
{
    for (int row = 0; row < image_.height(); ++row) {
        const int sy = static_cast<int>((row + 0.5) / dpr_) - y;
        if (sy < 0 || sy >= picture.height())
            continue;
        for (int column = 0; column < image_.width(); ++column) {
            const int sx = static_cast<int>((column + 0.5) / dpr_) - x;
            if (sx >= 0 && sx < picture.width())
                image_.setPixel(column, row, picture.pixel(sx, sy));
        }
    }
    changedAll();
}

void RasterCanvas::Scale(float x1, float y1, float x2, float y2)
{
    userScale_ = true;
    scaleLeft_ = x1;
    scaleTop_ = y1;
    scaleRight_ = x2;
    scaleBottom_ = y2;
    forgetPens();
}

DevicePoint RasterCanvas::ToDevice(double x, double y) const
{
    const double w = image_.width();
    const double h = image_.height();
    if (!userScale_)  // no scale set: coordinates are twips from the top-left corner
        return {x / kTwipsPerPixel * dpr_, y / kTwipsPerPixel * dpr_};
    return {(x - scaleLeft_) / (scaleRight_ - scaleLeft_) * w, (y - scaleTop_) / (scaleBottom_ - scaleTop_) * h};
}

void RasterCanvas::Cls()
{
    if (recording_) {
        showRecorded();
        recording_->Spoil();
    }
    image_.fill(backColor_);
    currentX_ = 0;
    currentY_ = 0;
    changedAll();
}

void RasterCanvas::SetDrawWidth(int pixels)
{
    pixels = pixels < 1 ? 1 : pixels;
    if (pixels == drawWidth_)
        return;
    drawWidth_ = pixels;
    updatePen();
}

int RasterCanvas::devicePixelsOf(int width) const
{
    return std::max(1, static_cast<int>(std::lround(std::max(1, width) * dpr_)));
}

UserBox RasterCanvas::reachOf(int devicePixels) const
{
    // A capsule covers pixel centres within half its width of the segment, and snapping moves an
    // end by at most one pixel; one more pixel out, so that rounding in the mapping can never
    // make this box drop what would cover a pixel. Taken back to user units.
    const double margin = devicePixels / 2.0 + 2;
    const UserPoint a = ToUser(-margin, -margin);
    const UserPoint b = ToUser(image_.width() + margin, image_.height() + margin);
    return {std::min(a.x, b.x), std::min(a.y, b.y), std::max(a.x, b.x), std::max(a.y, b.y)};
}

std::optional<UserBox> RasterCanvas::Reach(int width) const
{
    return reachOf(devicePixelsOf(width));
}

void RasterCanvas::updatePen()
{
    // The drawing procedures switch between two or three widths at every point, so what a width
    // needs is kept until the scale or the size changes.
    const std::size_t slot = static_cast<std::size_t>(drawWidth_);
    if (slot < pens_.size() && pens_[slot].valid) {
        pen_ = pens_[slot];
        return;
    }
    pen_.devicePixels = devicePixelsOf(drawWidth_);
    pen_.reach = reachOf(pen_.devicePixels);
    pen_.valid = true;
    if (slot < pens_.size())
        pens_[slot] = pen_;
}

void RasterCanvas::forgetPens()
{
    pens_.fill({});
    updatePen();
}

RasterCanvas::UserPoint RasterCanvas::ToUser(double deviceX, double deviceY) const
{
    if (!userScale_)
        return {deviceX / dpr_ * kTwipsPerPixel, deviceY / dpr_ * kTwipsPerPixel};
    return {scaleLeft_ + deviceX / image_.width() * (scaleRight_ - scaleLeft_),
            scaleTop_ + deviceY / image_.height() * (scaleBottom_ - scaleTop_)};
}

bool RasterCanvas::outsideInUserUnits(double x1, double y1, double x2, double y2) const
{
    const UserBox& reach = pen_.reach;
    return std::max(x1, x2) < reach.left || std::min(x1, x2) > reach.right || std::max(y1, y2) < reach.bottom ||
           std::min(y1, y2) > reach.top;
}

std::uint32_t RasterCanvas::pixelOf(const std::optional<Rgb>& colour) const
{
    return colour ? PackPixel(colour->r, colour->g, colour->b) : foreColor_;
}

void RasterCanvas::Line(float x1, float y1, float x2, float y2, std::optional<Rgb> colour)
{
    if (!std::isfinite(x1) || !std::isfinite(y1) || !std::isfinite(x2) || !std::isfinite(y2)) {
        ++rejected_;
        return;
    }
    if (outsideInUserUnits(x1, y1, x2, y2))
        return;
    const DevicePoint a = ToDevice(x1, y1);
    const DevicePoint b = ToDevice(x2, y2);
    fill(a.x, a.y, b.x, b.y, pixelOf(colour));
}

void RasterCanvas::PSet(float x, float y, std::optional<Rgb> colour)
{
    if (!std::isfinite(x) || !std::isfinite(y)) {
        ++rejected_;
        return;
    }
    if (outsideInUserUnits(x, y, x, y))
        return;
    const DevicePoint a = ToDevice(x, y);
    fill(a.x, a.y, a.x, a.y, pixelOf(colour));
}

void RasterCanvas::fill(double x1, double y1, double x2, double y2, std::uint32_t pixel)
{
    const int width = pen_.devicePixels;
    const int w = image_.width();
    const int h = image_.height();
    // Device coordinates of a far point can exceed any integer; cut the segment to a box far
    // beyond the picture first (the pixels inside stay the same), where row arithmetic is exact.
    const double limit = 1e7;
    if ((std::fabs(x1) > limit || std::fabs(y1) > limit || std::fabs(x2) > limit || std::fabs(y2) > limit) &&
        !ClipSegment(x1, y1, x2, y2, -limit, -limit, limit, limit))
        return;
    PixelBand band;
    // While a drawing is recorded its runs are only kept, and filled once it ends: joined, they
    // fill each pixel fewer times than the strokes' rows one by one.
    band.bits = recording_ ? nullptr : image_.bits();
    band.stride = w;
    band.width = w;
    band.height = h;
    band.filled = recording_ ? &recording_->runs() : nullptr;
    band.shapes = &shapes_;
    changed(FillCapsule(band, SnapToPen(x1, width), SnapToPen(y1, width), SnapToPen(x2, width), SnapToPen(y2, width),
                        width, pixel));
}

void RasterCanvas::Print(const std::string& text)
{
    if (!std::isfinite(currentX_) || !std::isfinite(currentY_)) {
        ++rejected_;
        return;
    }
    const DevicePoint at = ToDevice(currentX_, currentY_);
    // Text far outside the picture is not drawn at all; the glyph arithmetic stays in integers.
    if (std::fabs(at.x) > 1e6 || std::fabs(at.y) > 1e6 || !textPainter_)
        return;
    if (recording_) {
        showRecorded();
        recording_->Spoil();
    }
    textPainter_->DrawText(image_, dpr_, static_cast<int>(std::floor(at.x / dpr_)),
                           static_cast<int>(std::floor(at.y / dpr_)), text, foreColor_);
    changedAll();  // a painter does not say how far its glyphs reach
}

RasterSettings RasterCanvas::settings() const
{
    return {image_.width(), image_.height(), dpr_,      userScale_, scaleLeft_, scaleTop_,  scaleRight_,
            scaleBottom_,   drawWidth_,      currentX_, currentY_,  backColor_, foreColor_, textPainter_};
}

void RasterCanvas::restore(const RasterSettings& settings)
{
    const bool sameScale = userScale_ == settings.userScale && scaleLeft_ == settings.scaleLeft &&
                           scaleTop_ == settings.scaleTop && scaleRight_ == settings.scaleRight &&
                           scaleBottom_ == settings.scaleBottom;
    if (settings.userScale && !sameScale)
        Scale(static_cast<float>(settings.scaleLeft), static_cast<float>(settings.scaleTop),
              static_cast<float>(settings.scaleRight), static_cast<float>(settings.scaleBottom));
    SetDrawWidth(settings.drawWidth);
    currentX_ = settings.currentX;
    currentY_ = settings.currentY;
    foreColor_ = settings.foreColor;
}

void RasterCanvas::DrawStamped(Stamp& stamp, std::span<const double> inputs, Rgb colour, const StampedDrawing& drawing)
{
    const RasterSettings before = settings();
    const std::uint32_t pixel = PackPixel(colour.r, colour.g, colour.b);
    if (recording_) {  // within another stamped drawing, which records this one with it
        drawing(*this, colour);
        return;
    }
    if (!stamp.Holds(inputs, before)) {
        stamp.Start(inputs, before, pixel);
        const long long refused = rejected_;
        recording_ = &stamp;
        recorded_ = {};
        drawing(*this, colour);
        showRecorded();
        recording_ = nullptr;
        stamp.Finish(settings(), rejected_ - refused, recorded_);
        changed(recorded_);
        return;
    }
    const PixelArea put = stamp.PutOn(image_, pixel);
    rejected_ += stamp.refused();
    restore(stamp.after());
    changed(put);
}

void RasterCanvas::showRecorded()
{
    FilledRuns& runs = recording_->runs();
    std::uint32_t* const bits = image_.bits();
    const std::size_t stride = static_cast<std::size_t>(image_.width());
    for (const PixelSpan& span : runs.Unshown())
        std::fill(bits + span.row * stride + span.first, bits + span.row * stride + span.end, span.pixel);
    runs.Shown();
}

PixelArea RasterCanvas::TakeChangedArea()
{
    return std::exchange(changedArea_, {});
}

void RasterCanvas::changed(const PixelArea& area)
{
    // A drawing being recorded tells of its whole area when it ends.
    if (recording_) {
        recorded_.unite(area);
        return;
    }
    // Told once, at the first change after the back end took the area: one repaint serves all.
    const bool first = changedArea_.empty();
    changedArea_.unite(area);
    if (first && !changedArea_.empty() && changed_)
        changed_();
}

}  // namespace surface
