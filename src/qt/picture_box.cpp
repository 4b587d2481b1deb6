// Painting only copies the pixel store, so covering the window loses nothing and one repaint
// serves any number of drawing operations.
#include "qt/picture_box.h"

#include "qt/accessible_roles.h"
#include "surface/controls.h"

#include <QEvent>
#include <QImage>
#include <QPainter>

namespace qt {
namespace {

class PictureBox : public QWidget {
public:
    PictureBox(QWidget* parent, surface::Picture& picture) : QWidget(parent), picture_(picture)
    {
        setAttribute(Qt::WA_OpaquePaintEvent);
        SetAccessibleRole(this, QAccessible::Graphic);
    }

    void scheduleRepaint()
    {
        if (!updatePending_) {
            updatePending_ = true;
            update();
        }
    }

protected:
    bool event(QEvent* event) override
    {
        if (event->type() == QEvent::ScreenChangeInternal)
            followDevicePixelRatio();
        return QWidget::event(event);
    }

    void paintEvent(QPaintEvent*) override
    {
        updatePending_ = false;
        followDevicePixelRatio();
        // The whole store is painted: the next change asks for a repaint again.
        picture_.raster().TakeChangedArea();
        const surface::RasterCanvas& raster = picture_.raster();
        const surface::PixelImage& pixels = raster.image();
        QImage view(reinterpret_cast<const uchar*>(pixels.bits()), pixels.width(), pixels.height(),
                    static_cast<qsizetype>(pixels.width()) * 4, QImage::Format_RGB32);
        view.setDevicePixelRatio(raster.devicePixelRatio());
        QPainter painter(this);
        painter.drawImage(QPoint(0, 0), view);
        if (picture_.Bordered()) {
            painter.setPen(palette().color(QPalette::Dark));
            painter.drawRect(rect().adjusted(0, 0, -1, -1));
        }
    }

private:
    // A window moved to a screen of another ratio: carry the picture over at the new ratio, so
    // that what is drawn from now on is crisp there.
    void followDevicePixelRatio()
    {
        if (devicePixelRatioF() != picture_.raster().devicePixelRatio())
            picture_.DevicePixelRatioChanged();
    }

    surface::Picture& picture_;
    bool updatePending_ = false;
};

class Picture : public surface::PicturePeer, public QtControl {
public:
    Picture(QWidget* window, surface::Picture& picture) : QtControl(new PictureBox(window, picture))
    {
        widget()->show();
    }
    void SetGeometry(const surface::PixelRect& rect) override { setGeometry(rect); }
    void SetVisible(bool visible) override { setVisible(visible); }
    void SetAccessibleName(const std::string& name) override { setAccessibleName(name); }
    void SetDescription(const std::string& text) override { setDescription(text); }
    void TakeFocus() override { takeFocus(); }
    void SetLabelledBy(surface::ControlPeer& label) override { setLabelledBy(label); }
    double DevicePixelRatio() const override { return widget()->devicePixelRatioF(); }
    void Update() override { static_cast<PictureBox*>(widget())->scheduleRepaint(); }
};

}  // namespace

std::unique_ptr<surface::PicturePeer> MakePicture(QWidget* window, surface::Picture& picture)
{
    return std::make_unique<Picture>(window, picture);
}

}  // namespace qt
