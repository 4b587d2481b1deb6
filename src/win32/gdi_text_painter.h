// Text printed into a picture, drawn with the program's face by GDI, aliased, into the pixel store.
#pragma once

#include "canvas/text_painter.h"

namespace win32 {

class GdiTextPainter : public surface::TextPainter {
public:
    void DrawText(surface::PixelImage& image, double devicePixelRatio, int x, int y, const std::string& text,
                  std::uint32_t pixel) override;
};

}  // namespace win32
