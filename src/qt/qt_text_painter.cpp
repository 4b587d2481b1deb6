// Paints on the pixel store in place, through a QImage that shares its pixels.
#include "qt/qt_text_painter.h"

#include <QApplication>
#include <QFontMetricsF>
#include <QImage>
#include <QPainter>

namespace qt {

void QtTextPainter::DrawText(surface::PixelImage& image, double devicePixelRatio, int x, int y, const std::string& text,
                             std::uint32_t pixel)
{
    QImage view(reinterpret_cast<uchar*>(image.bits()), image.width(), image.height(),
                static_cast<qsizetype>(image.width()) * 4, QImage::Format_RGB32);
    view.setDevicePixelRatio(devicePixelRatio);
    QPainter painter(&view);
    QFont font = QApplication::font();
    font.setStyleStrategy(QFont::NoAntialias);
    painter.setFont(font);
    painter.setPen(QColor::fromRgb(pixel));
    const QFontMetricsF metrics(font);
    painter.drawText(QPointF(x, y + metrics.ascent()), QString::fromStdString(text));
}

}  // namespace qt
