// Painting only copies the pixel store, so covering the window loses nothing and one repaint
// serves any number of drawing operations.
#include "qt/picture_box.h"

#include "qt/accessible_roles.h"
#include "surface/controls.h"
#include "surface/teacher.h"

#include <QContextMenuEvent>
#include <QCursor>
#include <QEvent>
#include <QImage>
#include <QMenu>
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

    // The right button (a touch screen's long press, where the platform makes one of it).
    void contextMenuEvent(QContextMenuEvent* event) override
    {
        event->accept();
        surface::teacher::OpenMenu(picture_);
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
    void ShowMenu(const std::vector<std::string>& items) override
    {
        auto* menu = new QMenu(widget());
        menu->setAttribute(Qt::WA_DeleteOnClose);
        for (std::size_t i = 0; i < items.size(); ++i) {
            QAction* action = menu->addAction(QString::fromStdString(items[i]));
            QObject::connect(action, &QAction::triggered, menu,
                             [i] { surface::teacher::ChooseMenuItem(static_cast<int>(i)); });
        }
        const QPoint pointer = widget()->mapFromGlobal(QCursor::pos());
        const QPoint at = widget()->rect().contains(pointer) ? pointer : widget()->rect().center();
        menu->popup(widget()->mapToGlobal(at));
    }
};

}  // namespace

std::unique_ptr<surface::PicturePeer> MakePicture(QWidget* window, surface::Picture& picture)
{
    return std::make_unique<Picture>(window, picture);
}

}  // namespace qt
