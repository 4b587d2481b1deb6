// Draws the formula images: near-black glyphs, RGB(4, 4, 4), on white, aliased like the rest.
#include "windows/formula_images.h"

#include <QFont>
#include <QFontMetrics>
#include <QPainter>

#include <algorithm>

namespace assets {
namespace {

const QColor kGlyphs(4, 4, 4);

// The largest serif font, up to the image's height less a margin, in which the text fits.
QFont fittingFont(const QString& text, QSize room)
{
    QFont font(QStringLiteral("DejaVu Serif"));
    font.setStyleStrategy(QFont::NoAntialias);
    for (int pixels = room.height() - 4; pixels > 6; --pixels) {
        font.setPixelSize(pixels);
        if (QFontMetrics(font).horizontalAdvance(text) <= room.width())
            break;
    }
    return font;
}

// The picture boxes that show the images are 2055 twips (137 pixels) wide at their smallest and
// clip them; the glyphs stay within what such a box shows inside its border.
constexpr int kShownWidth = 133;

QImage formula(QSize size, const QString& law, const QString& number)
{
    QImage image(size, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setPen(kGlyphs);
    const int width = std::min(size.width(), kShownWidth);
    const int numberWidth = number.isEmpty() ? 0 : width / 6;
    const QRect lawRoom(2, 0, width - 6 - numberWidth, size.height());
    painter.setFont(fittingFont(law, lawRoom.size()));
    painter.drawText(lawRoom, Qt::AlignLeft | Qt::AlignVCenter, law);
    if (!number.isEmpty()) {
        const QRect numberRoom(width - numberWidth, 0, numberWidth, size.height());
        painter.setFont(fittingFont(number, numberRoom.size()));
        painter.drawText(numberRoom, Qt::AlignRight | Qt::AlignVCenter, number);
    }
    return image;
}

}  // namespace

QImage LinearLawImage()
{
    return formula({128, 22}, QString::fromUtf8("υ = Α + βψ"), {});
}

QImage SquareRootLawImage()
{
    return formula({152, 28}, QString::fromUtf8("υ = √(Α + βψ)"), QStringLiteral("(1)"));
}

}  // namespace assets
