// Helpers for window tests: counting wavefront calls and finding garbage in a picture.
#pragma once

#include "canvas/pixel_image.h"
#include "canvas/recording_canvas.h"
#include "headless/headless_backend.h"
#include "model_support.h"

#include <set>

#include <gtest/gtest.h>

namespace support {

// Counts the wavefront calls in recorded operations: every call draws exactly one segment from
// the top point of the ray sent straight up (x = 0) per pass in each of the two upper sweeps.
inline int LinearFrontCalls(const std::vector<Op>& ops)
{
    int lines = 0;
    for (const Op& op : ops)
        lines += op.kind == Kind::Line && op.width == 5;
    return lines / 144;  // 2 passes × 72 segments while no point is invalid
}

// Pixels of colours the program never draws: garbage. The picture holds only its background, the
// ForeColor of axes, dots and labels, and the colours the drawing procedures name.
inline int StrayPixels(const surface::PixelImage& picture)
{
    static const std::set<std::uint32_t> palette{0xffffff, 0x000000, 0xff0000, 0xfafafa, 0x050505, 0x323232, 0x963796};
    int stray = 0;
    for (int y = 0; y < picture.height(); ++y)
        for (int x = 0; x < picture.width(); ++x)
            stray += palette.count(picture.pixel(x, y) & 0xffffff) == 0;
    return stray;
}

}  // namespace support
