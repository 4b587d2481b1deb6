// Text into a picture's pixel store with the application's font, aliased.
#pragma once

#include "canvas/text_painter.h"

namespace qt {

class QtTextPainter : public surface::TextPainter {
public:
    void DrawText(surface::PixelImage& image, double devicePixelRatio, int x, int y, const std::string& text,
                  std::uint32_t pixel) override;
};

}  // namespace qt
