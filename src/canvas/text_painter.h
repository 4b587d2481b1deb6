// Text into a pixel store: glyphs come from the toolkit's fonts, so each back end supplies its own.
#pragma once

#include "canvas/pixel_image.h"

#include <string>

namespace surface {

class TextPainter {
public:
    virtual ~TextPainter() = default;
    // Draws text aliased in one colour, its top-left corner at (x, y) in logical pixels of an
    // image that holds devicePixelRatio device pixels to the logical one.
    virtual void DrawText(PixelImage& image, double devicePixelRatio, int x, int y, const std::string& text,
                          std::uint32_t pixel) = 0;
};

}  // namespace surface
