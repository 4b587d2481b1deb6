// Helpers for window tests: counting wavefront calls and finding garbage in a picture.
#pragma once

#include "canvas/pixel_image.h"
#include "canvas/recording_canvas.h"
#include "headless/headless_backend.h"
#include "model_support.h"
#include "surface/controls.h"
#include "surface/form.h"

#include <set>
#include <string>
#include <vector>

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

// What is wrong with the layout of a shown window, one line each: a visible control that passes an
// edge of the window's client area, or two that overlap, in twips. The drawing area may reach below
// the client area: it is as tall as the whole window, caption bar and frame included.
inline std::vector<std::string> LayoutFaults(surface::Form& form)
{
    struct Box {
        std::string name;
        surface::TwipsRect r;
        bool drawingArea;
    };
    std::vector<Box> boxes;
    for (const surface::Control* control : headless::Headless().Controls(form)) {
        const auto* picture = dynamic_cast<const surface::Picture*>(control);
        if (control->Visible())
            boxes.push_back({control->AccessibleName(),
                             {control->Left(), control->Top(), control->Width(), control->Height()},
                             picture && !picture->Bordered()});
    }
    const float right = form.ClientWidth(), bottom = form.ClientHeight();
    constexpr float kSlack = 0.01f;  // sums of floats in twips
    std::vector<std::string> faults;
    for (std::size_t i = 0; i < boxes.size(); ++i) {
        const Box& a = boxes[i];
        if (a.r.left < -kSlack || a.r.top < -kSlack || a.r.left + a.r.width > right + kSlack ||
            (!a.drawingArea && a.r.top + a.r.height > bottom + kSlack))
            faults.push_back(form.Caption() + ": " + a.name + " passes the window's edge");
        for (std::size_t j = i + 1; j < boxes.size(); ++j) {
            const Box& b = boxes[j];
            if (a.r.left + kSlack < b.r.left + b.r.width && b.r.left + kSlack < a.r.left + a.r.width &&
                a.r.top + kSlack < b.r.top + b.r.height && b.r.top + kSlack < a.r.top + a.r.height)
                faults.push_back(form.Caption() + ": " + a.name + " overlaps " + b.name);
        }
    }
    return faults;
}

}  // namespace support
