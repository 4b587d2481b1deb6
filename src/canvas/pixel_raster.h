// Aliased rasterisation of round-ended thick lines and dots onto a 32-bit pixel buffer, row by row.
#pragma once

#include "canvas/pixel_image.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <span>
#include <vector>

namespace surface {

// Pixels [first, end) of one row, filled with one pixel value.
struct PixelSpan {
    int row, first, end;
    std::uint32_t pixel;
};

// The runs a drawing fills, in their order. A run that overlaps or touches an earlier one on its
// row, in the same pixel, is joined to it where no run filled on that row since meets the new
// one: filling the joined run then gives the same pixels. The earlier one is the last or the one
// before it, since a front's polylines come in mirrored pairs, one on each half of the picture.
class FilledRuns {
public:
    // Forgets every run; the picture the next ones fill has this many rows.
    void Clear(int rows);
    void Add(const PixelSpan& span);
    std::vector<PixelSpan>& spans() { return spans_; }
    // The runs added since Shown was last called, for a picture that takes them only now.
    std::span<const PixelSpan> Unshown() const { return std::span(spans_).subspan(shown_); }
    // The runs so far are on the picture: a later one is never joined to them, since the pixels
    // it would add would then not be filled.
    void Shown();
    const std::vector<PixelSpan>& spans() const { return spans_; }

private:
    // The last two runs on a row, as 1 + their index in spans_, 0 for none.
    struct Row {
        int last = 0, beforeLast = 0;
    };
    bool joins(int run, const PixelSpan& span);
    bool clearOf(int run, const PixelSpan& span) const;
    // Adds a run that joins neither of the last two on its row.
    void append(Row& row, const PixelSpan& span);

    std::vector<PixelSpan> spans_;
    std::vector<Row> rows_;
    std::size_t shown_ = 0;
};

// Inline: the rasteriser adds a run for every row of every capsule while a stamp is recorded.
inline bool FilledRuns::joins(int run, const PixelSpan& span)
{
    if (run == 0)
        return false;
    PixelSpan& earlier = spans_[static_cast<std::size_t>(run - 1)];
    if (earlier.pixel != span.pixel || span.first > earlier.end || earlier.first > span.end)
        return false;
    earlier.first = std::min(earlier.first, span.first);
    earlier.end = std::max(earlier.end, span.end);
    return true;
}

inline void FilledRuns::Add(const PixelSpan& span)
{
    Row& row = rows_[static_cast<std::size_t>(span.row)];
    if (joins(row.last, span))
        return;
    // A mirrored half's run came between: the run before it may still take this one where this
    // one does not overlap the run between, which is filled after it and would cover it there.
    if (row.last != 0 && clearOf(row.last, span) && joins(row.beforeLast, span))
        return;
    append(row, span);
}

inline bool FilledRuns::clearOf(int run, const PixelSpan& span) const
{
    const PixelSpan& other = spans_[static_cast<std::size_t>(run - 1)];
    return span.end <= other.first || other.end <= span.first;
}

// The rows of short strokes by their shape, made once and then moved to where a stroke lies. A
// stroke's pen ends sit on the pen's grid, and where a stroke is short and thin every pixel centre
// lies either exactly on its edge, which the arithmetic then computes exactly, or far enough from
// it that no rounding of the place can move the centre across: the pixels of a shape are those of
// the same stroke drawn anywhere within a million pixels of the picture, moved. The drawing
// procedures' strokes are mostly a few pixels long, drawn thousands of times a tick.
class StrokeShapes {
public:
    static constexpr int kLongest = 24;  // |dx| and |dy| of a kept shape, in device pixels
    static constexpr int kWidest = 7;    // the widest pen of a kept shape
    // Rows from the pen's end: a stroke of kLongest rows and a pen of kWidest, with one row either side.
    static constexpr int kRows = kLongest + kWidest + 2;

    struct Span {
        std::int8_t row, first, end;  // from the first end's pixel, [first, end) of that row
    };
    struct Shape {
        bool made = false;
        std::int8_t count = 0;
        std::int8_t top = 0, bottom = 0, left = 0, right = 0;  // the box around its spans
        std::array<Span, kRows> spans;
    };

    // The shape of a stroke of this width by (dx, dy) whole device pixels, made now if it is not
    // yet; null where the stroke is too long or too wide to keep.
    const Shape* Find(int width, int dx, int dy)
    {
        if (width < 1 || width > kWidest || dx < -kLongest || dx > kLongest || dy < -kLongest || dy > kLongest)
            return nullptr;
        const std::vector<Shape>& shapes = shapes_[static_cast<std::size_t>(width)];
        if (!shapes.empty()) {
            const Shape& shape = shapes[index(dx, dy)];
            if (shape.made)
                return &shape;
        }
        return make(width, dx, dy);
    }

private:
    static constexpr int kSide = 2 * kLongest + 1;
    static std::size_t index(int dx, int dy) { return static_cast<std::size_t>((dy + kLongest) * kSide + dx + kLongest); }
    const Shape* make(int width, int dx, int dy);

    std::array<std::vector<Shape>, kWidest + 1> shapes_;  // by width, each made at its first use
};

// A view of a 32-bit pixel buffer.
struct PixelBand {
    std::uint32_t* bits = nullptr;
    int stride = 0;  // pixels per row
    int width = 0;
    int height = 0;
    FilledRuns* filled = nullptr;  // where given, each run filled is added to it
    // Without bits, the runs are only added to `filled`, for a picture that takes them later.
    StrokeShapes* shapes = nullptr;  // where given, short strokes take their rows from it
};

// Floor and ceiling of a device coordinate within ±1e9 (the canvas clips far segments first), by
// truncation: exact in this range and much cheaper than std::floor without SSE4.1.
inline double FloorOf(double v)
{
    const double t = static_cast<double>(static_cast<long long>(v));
    return t > v ? t - 1 : t;
}
inline double CeilOf(double v)
{
    const double t = static_cast<double>(static_cast<long long>(v));
    return t < v ? t + 1 : t;
}

// Puts the pixel centre of a coordinate where the pen of this width is centred: pixel centres
// for odd widths and pixel corners for even ones, so a dot of width w covers w pixels across.
// devicePixel must lie within ±1e9.
inline double SnapToPen(double devicePixel, int width)
{
    return width % 2 == 1 ? FloorOf(devicePixel) + 0.5 : FloorOf(devicePixel + 0.5);
}

// Fills every pixel whose centre lies within width/2 of the segment (x1, y1)-(x2, y2), given in
// snapped device pixels within ±1e9: a line with round ends; a dot when both ends are the same point.
// Returns a box around the pixels it may have filled, within the band.
PixelArea FillCapsule(const PixelBand& band, double x1, double y1, double x2, double y2, int width,
                      std::uint32_t pixel);

// Rows the capsule may touch: [first, end), clamped to the buffer; empty when first >= end.
void CapsuleRows(const PixelBand& band, double y1, double y2, int width, int& first, int& end);

}  // namespace surface
