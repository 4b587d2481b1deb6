// Text as solid blocks, one 5 × 8 logical-pixel cell a character, so that printed labels leave
// pixels in a picture where real glyphs would, with no font behind them.
#pragma once

#include "canvas/text_painter.h"

#include <algorithm>
#include <cmath>

namespace headless {

class BlockTextPainter : public surface::TextPainter {
public:
    void DrawText(surface::PixelImage& image, double devicePixelRatio, int x, int y, const std::string& text,
                  std::uint32_t pixel) override
    {
        const auto device = [&](double logical) { return static_cast<int>(std::lround(logical * devicePixelRatio)); };
        const int right = device(x + 5.0 * static_cast<double>(text.size()));
        for (int row = std::max(0, device(y)); row < std::min(image.height(), device(y + 8.0)); ++row)
            for (int column = std::max(0, device(x)); column < std::min(image.width(), right); ++column)
                image.setPixel(column, row, pixel);
    }
};

}  // namespace headless
