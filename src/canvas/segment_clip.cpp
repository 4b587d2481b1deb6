// Cohen–Sutherland clipping that computes each cut from the coordinates, not from a parameter,
// so that a segment from −1e200 to 1e200 still crosses the box where it really does.
#include "canvas/segment_clip.h"

#include <cmath>

namespace surface {
namespace {

enum : unsigned { kLeft = 1, kRight = 2, kBelow = 4, kAbove = 8 };

unsigned outcode(double x, double y, double left, double bottom, double right, double top)
{
    unsigned code = 0;
    if (x < left)
        code |= kLeft;
    else if (x > right)
        code |= kRight;
    if (y < bottom)
        code |= kBelow;
    else if (y > top)
        code |= kAbove;
    return code;
}

}  // namespace

bool ClipSegment(double& x1, double& y1, double& x2, double& y2, double left, double bottom, double right, double top)
{
    // Nearly every segment lies inside already; a NaN fails these comparisons and is refused below.
    if (x1 >= left && x1 <= right && x2 >= left && x2 <= right && y1 >= bottom && y1 <= top && y2 >= bottom &&
        y2 <= top)
        return true;
    if (!std::isfinite(x1) || !std::isfinite(y1) || !std::isfinite(x2) || !std::isfinite(y2))
        return false;
    unsigned code1 = outcode(x1, y1, left, bottom, right, top);
    unsigned code2 = outcode(x2, y2, left, bottom, right, top);
    for (int round = 0; round < 8; ++round) {
        if ((code1 | code2) == 0)
            return true;
        if (code1 & code2)
            return false;
        const bool first = code1 != 0;
        const unsigned code = first ? code1 : code2;
        double x, y;
        // Interpolate from the end that is being moved; the fraction stays within [0, 1].
        const double ax = first ? x1 : x2, ay = first ? y1 : y2;
        const double bx = first ? x2 : x1, by = first ? y2 : y1;
        if (code & kAbove) {
            x = ax + (bx - ax) * ((top - ay) / (by - ay));
            y = top;
        } else if (code & kBelow) {
            x = ax + (bx - ax) * ((bottom - ay) / (by - ay));
            y = bottom;
        } else if (code & kRight) {
            y = ay + (by - ay) * ((right - ax) / (bx - ax));
            x = right;
        } else {
            y = ay + (by - ay) * ((left - ax) / (bx - ax));
            x = left;
        }
        if (!std::isfinite(x) || !std::isfinite(y))
            return false;
        if (first) {
            x1 = x;
            y1 = y;
            code1 = outcode(x1, y1, left, bottom, right, top);
        } else {
            x2 = x;
            y2 = y;
            code2 = outcode(x2, y2, left, bottom, right, top);
        }
    }
    return (code1 | code2) == 0;
}

}  // namespace surface
