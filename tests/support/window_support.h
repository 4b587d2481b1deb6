// Set-up for window tests: an offscreen application, a 1024 × 768 screen and no modal dialogs.
#pragma once

#include "model_support.h"
#include "surface/recording_canvas.h"

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

}  // namespace support
