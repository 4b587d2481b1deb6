// Draws canvas operations into a QImage with the span rasteriser, so that the same float
// coordinates always cover the same pixels and a redraw in the background colour erases exactly.
#include "surface/raster_canvas.h"

#include "surface/pixel_raster.h"
#include "surface/segment_clip.h"
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
    if (!image_.isNull()) {
        QPainter painter(&grown);
        painter.drawImage(QPoint(0, 0), image_.copy());
    }
    grown.setDevicePixelRatio(devicePixelRatio);
    image_ = grown;
    logicalSize_ = size;
    dpr_ = devicePixelRatio;
}

void RasterCanvas::Scale(float x1, float y1, float x2, float y2)
{
    userScale_ = true;
    scaleLeft_ = x1;
    scaleTop_ = y1;
    scaleRight_ = x2;
    scaleBottom_ = y2;
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

int RasterCanvas::deviceWidth() const
{
    return std::max(1, static_cast<int>(std::lround(drawWidth_ * dpr_)));
}

QColor RasterCanvas::colourOf(const std::optional<Rgb>& colour) const
{
    return colour ? QColor(colour->r & 255, colour->g & 255, colour->b & 255) : foreColor_;
}

void RasterCanvas::Line(float x1, float y1, float x2, float y2, std::optional<Rgb> colour)
{
    if (!std::isfinite(x1) || !std::isfinite(y1) || !std::isfinite(x2) || !std::isfinite(y2)) {
        ++rejected_;
        return;
    }
    const QPointF a = ToDevice(x1, y1);
    const QPointF b = ToDevice(x2, y2);
    fill(a.x(), a.y(), b.x(), b.y(), deviceWidth(), colourOf(colour));
}

void RasterCanvas::PSet(float x, float y, std::optional<Rgb> colour)
{
    if (!std::isfinite(x) || !std::isfinite(y)) {
        ++rejected_;
        return;
    }
    const QPointF a = ToDevice(x, y);
    fill(a.x(), a.y(), a.x(), a.y(), deviceWidth(), colourOf(colour));
}

void RasterCanvas::fill(double x1, double y1, double x2, double y2, int width, QColor colour)
{
    // Device coordinates of a far point can exceed any integer; cut the segment to a box far
    // beyond the picture first (the pixels inside stay the same), where row arithmetic is exact.
    const double limit = 1e7;
    if (!ClipSegment(x1, y1, x2, y2, -limit, -limit, limit, limit))
        return;
    x1 = SnapToPen(x1, width);
    y1 = SnapToPen(y1, width);
    x2 = SnapToPen(x2, width);
    y2 = SnapToPen(y2, width);
    const double r = width / 2.0;
    if (culling_ && (std::max(x1, x2) + r < 0 || std::min(x1, x2) - r > image_.width() ||
                     std::max(y1, y2) + r < 0 || std::min(y1, y2) - r > image_.height()))
        return;
    PixelBand band;
    band.bits = reinterpret_cast<std::uint32_t*>(image_.bits());
    band.stride = static_cast<int>(image_.bytesPerLine() / 4);
    band.width = image_.width();
    band.height = image_.height();
    band.firstRow = 0;
    band.endRow = image_.height();
    FillCapsule(band, x1, y1, x2, y2, width, colour.rgb() | 0xff000000u);
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
