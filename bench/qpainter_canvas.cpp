// One QPainter per operation on the backing image, as a first straightforward canvas would do.
#include "qpainter_canvas.h"

#include <QPainter>

#include <algorithm>
#include <cmath>

QPainterCanvas::QPainterCanvas(int pixels) : image_(pixels, pixels, QImage::Format_RGB32)
{
    image_.fill(Qt::white);
}

void QPainterCanvas::Scale(float x1, float y1, float x2, float y2)
{
    left_ = x1;
    top_ = y1;
    right_ = x2;
    bottom_ = y2;
}

QPointF QPainterCanvas::map(float x, float y) const
{
    return {(x - left_) / (right_ - left_) * image_.width(), (y - top_) / (bottom_ - top_) * image_.height()};
}

void QPainterCanvas::Line(float x1, float y1, float x2, float y2, std::optional<surface::Rgb> colour)
{
    QPainter painter(&image_);
    const QColor c = colour ? QColor(colour->r, colour->g, colour->b) : QColor(Qt::black);
    painter.setPen(QPen(c, width_, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(map(x1, y1), map(x2, y2));
}

void QPainterCanvas::PSet(float x, float y, std::optional<surface::Rgb> colour)
{
    Line(x, y, x, y, colour);
}

std::optional<surface::UserBox> QPainterCanvas::Reach(int width) const
{
    const double unitsPerPixel = (right_ - left_) / image_.width();
    const double margin = (width / 2.0 + 2) * std::fabs(unitsPerPixel);
    return surface::UserBox{std::min(left_, right_) - margin, std::min(top_, bottom_) - margin,
                            std::max(left_, right_) + margin, std::max(top_, bottom_) + margin};
}
