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

void FilledRuns::Clear(int rows)
{
    spans_.clear();
    rows_.assign(static_cast<std::size_t>(rows), {});
}

PixelArea FillCapsule(const PixelBand& band, double x1, double y1, double x2, double y2, int width, std::uint32_t pixel)
{
    const double r = width / 2.0;
    int first = 0, end = 0;
    CapsuleRows(band, y1, y2, width, first, end);
    // Columns whose centre can lie within r of the segment, as the rows are found.
    const int left = static_cast<int>(std::max(0.0, CeilOf(std::min(x1, x2) - r - 0.5)));
    const int right = static_cast<int>(std::min<double>(band.width, FloorOf(std::max(x1, x2) + r - 0.5) + 1));
    const double dx = x2 - x1;
    const double dy = y2 - y1;
    const double lengthSquared = dx * dx + dy * dy;
    const double rLength = r * std::sqrt(lengthSquared);
    for (int row = first; row < end; ++row) {
        const double yc = row + 0.5;
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
        if (span.empty())
            continue;
        const double firstColumn = std::max(0.0, CeilOf(span.lo - 0.5));
        const double lastColumn = std::min(band.width - 1.0, FloorOf(span.hi - 0.5));
        if (firstColumn > lastColumn)
            continue;
        const int from = static_cast<int>(firstColumn);
        const int to = static_cast<int>(lastColumn) + 1;
        std::uint32_t* line = band.bits + static_cast<std::ptrdiff_t>(row) * band.stride;
        std::fill(line + from, line + to, pixel);
        if (band.filled)
            band.filled->Add({row, from, to, pixel});
    }
    return {left, first, right, end};
}

}  // namespace surface
