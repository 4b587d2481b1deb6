// Span filling of capsules: each row of a round-ended thick line is one interval of pixel centres.
#include "canvas/pixel_raster.h"

#include <algorithm>
#include <cmath>

namespace surface {
namespace {

struct Interval {
    double lo = 1, hi = 0;  // empty while lo > hi
    bool empty() const { return lo > hi; }
};

Interval join(Interval a, Interval b)
{
    if (a.empty())
        return b;
    if (b.empty())
        return a;
    return {std::min(a.lo, b.lo), std::max(a.hi, b.hi)};
}

// The x of a horizontal line at height yc that lie within r of the point (cx, cy).
Interval discRow(double cx, double cy, double r, double yc)
{
    const double dy = yc - cy;
    const double rest = r * r - dy * dy;
    if (rest < 0)
        return {};
    const double half = std::sqrt(rest);
    return {cx - half, cx + half};
}

// The X with lo ≤ X·coefficient ≤ hi.
Interval solve(double coefficient, double lo, double hi)
{
    if (coefficient == 0)
        return (lo <= 0 && 0 <= hi) ? Interval{-HUGE_VAL, HUGE_VAL} : Interval{};
    if (coefficient > 0)
        return {lo / coefficient, hi / coefficient};
    return {hi / coefficient, lo / coefficient};
}

}  // namespace

void CapsuleRows(const PixelBand& band, double y1, double y2, int width, int& first, int& end)
{
    const double r = width / 2.0;
    const double top = std::min(y1, y2) - r;
    const double bottom = std::max(y1, y2) + r;
    // Rows whose centre j + 0.5 can lie within [top, bottom].
    const double firstRow = CeilOf(top - 0.5);
    const double lastRow = FloorOf(bottom - 0.5);
    first = static_cast<int>(std::max<double>(0, firstRow));
    end = static_cast<int>(std::min<double>(band.height, lastRow + 1));
}

void FilledRuns::append(Row& row, const PixelSpan& span)
{
    spans_.push_back(span);
    row.beforeLast = row.last;
    row.last = static_cast<int>(spans_.size());
}

void FilledRuns::Clear(int rows)
{
    spans_.clear();
    rows_.assign(static_cast<std::size_t>(rows), {});
    shown_ = 0;
}

void FilledRuns::Shown()
{
    if (shown_ == spans_.size())
        return;
    shown_ = spans_.size();
    // At the end of a drawing, and where it clears or prints while it is recorded.
    std::fill(rows_.begin(), rows_.end(), Row{});
}

namespace {

// Every row of the capsule that holds a pixel centre within r of the segment, in order, as
// row(row, first, end) with the columns [first, end) it covers, not yet clipped to any picture.
template <class Row>
void capsuleSpans(double x1, double y1, double x2, double y2, int width, int firstRow, int endRow, Row row)
{
    const double r = width / 2.0;
    const double dx = x2 - x1;
    const double dy = y2 - y1;
    const double lengthSquared = dx * dx + dy * dy;
    const double rLength = r * std::sqrt(lengthSquared);
    for (int j = firstRow; j < endRow; ++j) {
        const double yc = j + 0.5;
        Interval span = join(discRow(x1, y1, r, yc), discRow(x2, y2, r, yc));
        if (lengthSquared > 0) {
            // The band between the two end caps: projection within the segment, distance within r.
            const double Y = yc - y1;
            const Interval along = solve(dx, -Y * dy, lengthSquared - Y * dy);
            const Interval across = solve(dy, Y * dx - rLength, Y * dx + rLength);
            Interval body{std::max(along.lo, across.lo), std::min(along.hi, across.hi)};
            if (!body.empty())
                span = join(span, {body.lo + x1, body.hi + x1});
        }
        if (!span.empty())
            row(j, CeilOf(span.lo - 0.5), FloorOf(span.hi - 0.5) + 1);
    }
}

// Where the pen of this width puts a stroke's end on a pixel: its centre for odd widths, its
// corner for even ones (see SnapToPen).
double penOrigin(int width)
{
    return width % 2 == 1 ? 0.5 : 0.0;
}

// Fills the columns [from, to) of a row, within the band.
inline void putRun(const PixelBand& band, int row, int from, int to, std::uint32_t pixel)
{
    if (band.bits) {
        std::uint32_t* line = band.bits + static_cast<std::ptrdiff_t>(row) * band.stride;
        std::fill(line + from, line + to, pixel);
    }
    if (band.filled)
        band.filled->Add({row, from, to, pixel});
}

// Fills one row's columns [first, end), clipped to the band.
inline void fillRow(const PixelBand& band, int row, double first, double end, std::uint32_t pixel)
{
    const int from = static_cast<int>(std::max(0.0, first));
    const int to = static_cast<int>(std::min<double>(band.width, end));
    if (from < to)
        putRun(band, row, from, to, pixel);
}

// Fills a kept shape with its first end's pixel at (column, row); returns the box around what it
// may have filled, within the band.
PixelArea fillShape(const PixelBand& band, const StrokeShapes::Shape& shape, int column, int row, std::uint32_t pixel)
{
    const PixelArea box{column + shape.left, row + shape.top, column + shape.right, row + shape.bottom};
    const auto spans = std::span(shape.spans).first(static_cast<std::size_t>(shape.count));
    if (box.left >= 0 && box.top >= 0 && box.right <= band.width && box.bottom <= band.height) {
        // Wholly within the picture, as nearly every stroke is: no run needs clipping.
        for (const StrokeShapes::Span& span : spans)
            putRun(band, row + span.row, column + span.first, column + span.end, pixel);
        return box;
    }
    for (const StrokeShapes::Span& span : spans) {
        const int j = row + span.row;
        if (j >= 0 && j < band.height)
            fillRow(band, j, column + span.first, column + span.end, pixel);
    }
    return {std::max(0, box.left), std::max(0, box.top), std::min(band.width, box.right),
            std::min(band.height, box.bottom)};
}

}  // namespace

const StrokeShapes::Shape* StrokeShapes::make(int width, int dx, int dy)
{
    std::vector<Shape>& shapes = shapes_[static_cast<std::size_t>(width)];
    if (shapes.empty())
        shapes.resize(kSide * kSide);
    Shape& shape = shapes[index(dx, dy)];
    // Drawn once from the pen's end at the pixel (0, 0), by the same arithmetic as any stroke.
    const double o = penOrigin(width);
    const double r = width / 2.0;
    const int firstRow = static_cast<int>(CeilOf(std::min(o, o + dy) - r - 0.5));
    const int endRow = static_cast<int>(FloorOf(std::max(o, o + dy) + r - 0.5)) + 1;
    capsuleSpans(o, o, o + dx, o + dy, width, firstRow, endRow, [&](int row, double first, double end) {
        if (first >= end)
            return;
        const auto narrow = [](auto v) { return static_cast<std::int8_t>(v); };
        const Span span{narrow(row), narrow(first), narrow(end)};
        if (shape.count == 0) {
            shape.top = span.row;
            shape.left = span.first;
            shape.right = span.end;
        }
        shape.bottom = narrow(span.row + 1);
        shape.left = std::min(shape.left, span.first);
        shape.right = std::max(shape.right, span.end);
        shape.spans[static_cast<std::size_t>(shape.count++)] = span;
    });
    shape.made = true;
    return &shape;
}

PixelArea FillCapsule(const PixelBand& band, double x1, double y1, double x2, double y2, int width, std::uint32_t pixel)
{
    // A short stroke whose ends sit on the pen's grid, near enough the picture: its kept shape.
    const double o = penOrigin(width);
    const double column = x1 - o, row = y1 - o;
    const double dx = x2 - x1, dy = y2 - y1;
    constexpr double kNear = 1e6;  // device pixels from the picture's corner
    if (band.shapes && std::fabs(column) <= kNear && std::fabs(row) <= kNear && FloorOf(column) == column &&
        FloorOf(row) == row && FloorOf(dx) == dx && FloorOf(dy) == dy)
        if (const StrokeShapes::Shape* shape = band.shapes->Find(width, static_cast<int>(dx), static_cast<int>(dy)))
            return fillShape(band, *shape, static_cast<int>(column), static_cast<int>(row), pixel);
    const double r = width / 2.0;
    int first = 0, end = 0;
    CapsuleRows(band, y1, y2, width, first, end);
    // Columns whose centre can lie within r of the segment, as the rows are found.
    const int left = static_cast<int>(std::max(0.0, CeilOf(std::min(x1, x2) - r - 0.5)));
    const int right = static_cast<int>(std::min<double>(band.width, FloorOf(std::max(x1, x2) + r - 0.5) + 1));
    const PixelArea area{left, first, right, end};
    if (first < end)
        capsuleSpans(x1, y1, x2, y2, width, first, end,
                     [&](int j, double from, double to) { fillRow(band, j, from, to, pixel); });
    return area;
}

}  // namespace surface
