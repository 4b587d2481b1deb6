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

void PictureBox::followDevicePixelRatio()
{
    // A window moved to a screen of another ratio: carry the picture over at the new ratio, so
    // that what is drawn from now on is crisp there.
    if (devicePixelRatioF() != canvas_.image().devicePixelRatioF())
        canvas_.Resize(size(), devicePixelRatioF());
}

bool PictureBox::event(QEvent* event)
{
    if (event->type() == QEvent::ScreenChangeInternal)
        followDevicePixelRatio();
    return QWidget::event(event);
}

void PictureBox::paintEvent(QPaintEvent*)
{
    updatePending_ = false;
    followDevicePixelRatio();
    QPainter painter(this);
    painter.drawImage(QPoint(0, 0), canvas_.image());
    if (!picture_.isNull()) {
        painter.drawImage(QPoint(1, 1), picture_);
        painter.setPen(palette().color(QPalette::Dark));
        painter.drawRect(rect().adjusted(0, 0, -1, -1));
    }
}

}  // namespace surface
