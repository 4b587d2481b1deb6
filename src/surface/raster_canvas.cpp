// Draws canvas operations into a QImage with the span rasteriser, so that the same float
// coordinates always cover the same pixels and a redraw in the background colour erases exactly.
#include "surface/raster_canvas.h"

#include "canvas/segment_clip.h"
#include "surface/pixel_raster.h"
#include "surface/twips.h"

#include <QPainter>

#include <cmath>

namespace surface {

RasterCanvas::RasterCanvas(QSize size, qreal devicePixelRatio)
{
    Resize(size, devicePixelRatio);
    image_.fill(backColor_);
}

void RasterCanvas::Resize(QSize size, qreal devicePixelRatio)
{
    size = size.expandedTo({1, 1});
    const QSize device(static_cast<int>(std::lround(size.width() * devicePixelRatio)),
                       static_cast<int>(std::lround(size.height() * devicePixelRatio)));
    if (!image_.isNull() && device == image_.size() && devicePixelRatio == dpr_) {
        logicalSize_ = size;
        return;
    }
    QImage grown(device, QImage::Format_RGB32);
    grown.fill(backColor_);
    grown.setDevicePixelRatio(devicePixelRatio);
    if (!image_.isNull()) {
        // What was drawn keeps its logical place and size; at a new ratio its pixels are
        // repeated or dropped, never blended, so that the colours stay those that were drawn.
        QPainter painter(&grown);
        painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
        painter.drawImage(QRectF(QPointF(0, 0), QSizeF(image_.size()) / dpr_), image_);
    }
    image_ = grown;
    logicalSize_ = size;
    dpr_ = devicePixelRatio;
    forgetPens();
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

QPointF RasterCanvas::ToDevice(double x, double y) const
{
    const double w = image_.width();
    const double h = image_.height();
    if (!userScale_)  // no scale set: coordinates are twips from the top-left corner
        return {x / kTwipsPerPixel * dpr_, y / kTwipsPerPixel * dpr_};
    return {(x - scaleLeft_) / (scaleRight_ - scaleLeft_) * w, (y - scaleTop_) / (scaleBottom_ - scaleTop_) * h};
}

void RasterCanvas::Cls()
{
    image_.fill(backColor_);
    currentX_ = 0;
    currentY_ = 0;
    notify();
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
    const QPointF a = ToUser(-margin, -margin);
    const QPointF b = ToUser(image_.width() + margin, image_.height() + margin);
    return {std::min(a.x(), b.x()), std::min(a.y(), b.y()), std::max(a.x(), b.x()), std::max(a.y(), b.y())};
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

QPointF RasterCanvas::ToUser(double deviceX, double deviceY) const
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
    if (!colour)
        return foreColor_.rgb() | 0xff000000u;
    return 0xff000000u |
           static_cast<std::uint32_t>((colour->r & 255) << 16 | (colour->g & 255) << 8 | (colour->b & 255));
}

void RasterCanvas::Line(float x1, float y1, float x2, float y2, std::optional<Rgb> colour)
{
    if (!std::isfinite(x1) || !std::isfinite(y1) || !std::isfinite(x2) || !std::isfinite(y2)) {
        ++rejected_;
        return;
    }
    if (outsideInUserUnits(x1, y1, x2, y2))
        return;
    const QPointF a = ToDevice(x1, y1);
    const QPointF b = ToDevice(x2, y2);
    fill(a.x(), a.y(), b.x(), b.y(), pixelOf(colour));
}

void RasterCanvas::PSet(float x, float y, std::optional<Rgb> colour)
{
    if (!std::isfinite(x) || !std::isfinite(y)) {
        ++rejected_;
        return;
    }
    if (outsideInUserUnits(x, y, x, y))
        return;
    const QPointF a = ToDevice(x, y);
    fill(a.x(), a.y(), a.x(), a.y(), pixelOf(colour));
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
    band.bits = reinterpret_cast<std::uint32_t*>(image_.bits());
    band.stride = static_cast<int>(image_.bytesPerLine() / 4);
    band.width = w;
    band.height = h;
    FillCapsule(band, SnapToPen(x1, width), SnapToPen(y1, width), SnapToPen(x2, width), SnapToPen(y2, width), width,
                pixel);
    notify();
}

void RasterCanvas::Print(const std::string& text)
{
    if (!std::isfinite(currentX_) || !std::isfinite(currentY_)) {
        ++rejected_;
        return;
    }
    const QPointF at = ToDevice(currentX_, currentY_);
    // Text far outside the picture is not drawn at all; QPainter's integer coordinates stay safe.
    if (std::fabs(at.x()) > 1e6 || std::fabs(at.y()) > 1e6)
        return;
    QPainter painter(&image_);
    QFont font = font_;
    font.setStyleStrategy(QFont::NoAntialias);
    painter.setFont(font);
    painter.setPen(foreColor_);
    const QFontMetricsF metrics(font);
    const QPointF logical = at / dpr_;
    painter.drawText(QPointF(std::floor(logical.x()), std::floor(logical.y()) + metrics.ascent()),
                     QString::fromStdString(text));
    notify();
}

void RasterCanvas::notify()
{
    if (changed_)
        changed_();
}

}  // namespace surface
