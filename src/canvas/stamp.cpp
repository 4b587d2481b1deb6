// Keeps a drawing's filled runs and fills them again, pixel for pixel, in the same order.
#include "canvas/stamp.h"

#include <algorithm>

namespace surface {

bool Stamp::Holds(std::span<const double> inputs, const RasterSettings& before) const
{
    return made_ && before == before_ && std::equal(inputs.begin(), inputs.end(), inputs_.begin(), inputs_.end());
}

void Stamp::Start(std::span<const double> inputs, const RasterSettings& before, std::uint32_t colour)
{
    made_ = true;
    inputs_.assign(inputs.begin(), inputs.end());
    before_ = before;
    colour_ = colour;
    puts_ = 0;
    runs_.Clear(before.height);
}

void Stamp::Finish(const RasterSettings& after, long long refused, const PixelArea& filled)
{
    after_ = after;
    refused_ = refused;
    filled_ = filled;
}

void Stamp::settle()
{
    // No pixel the canvas packs is 0: every colour is opaque.
    constexpr std::uint32_t kUncovered = 0;
    std::vector<PixelSpan>& spans = runs_.spans();
    std::stable_sort(spans.begin(), spans.end(), [](const PixelSpan& a, const PixelSpan& b) { return a.row < b.row; });
    std::vector<PixelSpan> settled;
    std::vector<std::uint32_t> line;
    for (auto rowStart = spans.begin(); rowStart != spans.end();) {
        const int row = rowStart->row;
        const auto rowEnd = std::find_if(rowStart, spans.end(), [row](const PixelSpan& s) { return s.row != row; });
        int left = rowStart->first, right = rowStart->end;
        for (auto s = rowStart; s != rowEnd; ++s) {
            left = std::min(left, s->first);
            right = std::max(right, s->end);
        }
        line.assign(static_cast<std::size_t>(right - left), kUncovered);
        for (auto s = rowStart; s != rowEnd; ++s)
            std::fill(line.begin() + (s->first - left), line.begin() + (s->end - left), s->pixel);
        for (int x = left; x < right;) {
            const std::uint32_t pixel = line[static_cast<std::size_t>(x - left)];
            const int start = x;
            while (x < right && line[static_cast<std::size_t>(x - left)] == pixel)
                ++x;
            if (pixel != kUncovered)
                settled.push_back({row, start, x, pixel});
        }
        rowStart = rowEnd;
    }
    spans = std::move(settled);
}

PixelArea Stamp::PutOn(PixelImage& image, std::uint32_t colour)
{
    if (++puts_ == 2)
        settle();
    std::uint32_t* const bits = image.bits();
    const std::size_t stride = static_cast<std::size_t>(image.width());
    if (puts_ == 1) {
        // Put on once, where it was drawn before in another colour: every run changes.
        for (const PixelSpan& span : runs_.spans()) {
            const std::uint32_t pixel = span.pixel == colour_ ? colour : span.pixel;
            std::uint32_t* row = bits + span.row * stride;
            for (int x = span.first; x < span.end; ++x)
                row[x] = pixel;
        }
        return filled_;
    }
    // Where the picture shows a run already (the field, put on at every tick), nothing changes.
    PixelArea changed;
    for (const PixelSpan& span : runs_.spans()) {
        const std::uint32_t pixel = span.pixel == colour_ ? colour : span.pixel;
        std::uint32_t* row = bits + span.row * stride;
        std::uint32_t differs = 0;
        for (int x = span.first; x < span.end; ++x)
            differs |= row[x] ^ pixel;
        if (differs == 0)
            continue;
        for (int x = span.first; x < span.end; ++x)
            row[x] = pixel;
        changed.unite({span.first, span.row, span.end, span.row + 1});
    }
    return changed;
}

}  // namespace surface
