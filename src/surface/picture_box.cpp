// Keeps the drawing in a backing image in device pixels; painting only copies it, so covering
// the window loses nothing and one repaint serves any number of drawing operations.
#include "surface/picture_box.h"

#include <QPaintEvent>
#include <QPainter>

namespace surface {

PictureBox::PictureBox(QWidget* parent) : QWidget(parent), canvas_(QSize(1, 1), devicePixelRatioF())
{
    setAttribute(Qt::WA_OpaquePaintEvent);
    canvas_.SetFont(font());
    canvas_.SetChangedCallback([this] {
        if (!updatePending_) {
            updatePending_ = true;
            update();
        }
    });
}

void PictureBox::SetPicture(const QImage& picture)
{
    picture_ = picture;
    update();
}

void PictureBox::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    canvas_.Resize(size(), devicePixelRatioF());
}

void PictureBox::paintEvent(QPaintEvent*)
{
    updatePending_ = false;
    QPainter painter(this);
    painter.drawImage(QPoint(0, 0), canvas_.image());
    if (!picture_.isNull()) {
        painter.drawImage(QPoint(1, 1), picture_);
        painter.setPen(palette().color(QPalette::Dark));
        painter.drawRect(rect().adjusted(0, 0, -1, -1));
    }
}

}  // namespace surface
