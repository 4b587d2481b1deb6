// A picture area: a widget that shows a raster canvas and keeps its drawing, or a fixed image.
#pragma once

#include "surface/raster_canvas.h"

#include <QWidget>

namespace surface {

class PictureBox : public QWidget {
    Q_OBJECT
public:
    explicit PictureBox(QWidget* parent = nullptr);

    RasterCanvas& canvas() { return canvas_; }

    // Shows a fixed image at the top-left corner, clipped to the box, inside a thin border.
    void SetPicture(const QImage& picture);

protected:
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void followDevicePixelRatio();

    RasterCanvas canvas_;
    QImage picture_;
    bool updatePending_ = false;
};

}  // namespace surface
