// Number patterns, and the double-precision clipping that keeps far points off the canvas.
#include "canvas/format.h"
#include "canvas/int.h"
#include "model/shared/clipped_drawing.h"
#include "model_support.h"

#include <gtest/gtest.h>

#include <limits>
#include <string>

namespace {

using surface::Format;

TEST(Format, PatternsRoundHalfAwayFromZeroWithTheSystemSeparator)
{
    EXPECT_EQ(Format(0, "0.00"), "0.00");
    EXPECT_EQ(Format(0.06000000000000001, "0.00"), "0.06");
    EXPECT_EQ(Format(0.38, "0.00"), "0.38");
    EXPECT_EQ(Format(45.5, "0.0"), "45.5");
    EXPECT_EQ(Format(-3, "0.0"), "-3.0");
    EXPECT_EQ(Format(-90, "0.0"), "-90.0");
    EXPECT_EQ(Format(1000, "0"), "1000");
    EXPECT_EQ(Format(0.125, "0.00"), "0.13");
    EXPECT_EQ(Format(-0.0004, "0.000"), "0.000");
    EXPECT_EQ(Format(9.99996, "0.0000"), "10.0000");
    EXPECT_EQ(Format(-108.44712, "0.0000"), "-108.4471");
    EXPECT_EQ(Format(0.5, "0"), "1");
    surface::SetDecimalSeparator(",");
    EXPECT_EQ(Format(45.5, "0.0"), "45,5");
    // A browser's locale is asked once, when a number with decimals is first written.
    int asked = 0;
    surface::FindDecimalSeparatorWith([&] {
        ++asked;
        return std::string("\u066b");
    });
    EXPECT_EQ(Format(1000, "0"), "1000");
    EXPECT_EQ(asked, 0);
    EXPECT_EQ(Format(0.25, "0.00"), "0\u066b25");
    EXPECT_EQ(Format(1.5, "0.0"), "1\u066b5");
    EXPECT_EQ(asked, 1);
    surface::SetDecimalSeparator(".");
    EXPECT_THROW(Format(1, "#.##"), std::invalid_argument);
}

TEST(Format, IntIsTheFloor)
{
    EXPECT_EQ(surface::Int(28.999999999999996), 28);
    EXPECT_EQ(surface::Int(-0.5), -1);
    EXPECT_EQ(surface::Int(3), 3);
}

TEST(ClippedDrawing, KeepsInsideSegmentsExactAndCutsFarOnesToTheBox)
{
    surface::RecordingCanvas canvas;
    sorvel_kampyles::ClippedLine(canvas, 1.5, -2.25, 3, 4);
    sorvel_kampyles::ClippedLine(canvas, 0, 0, 0, 1e300);
    sorvel_kampyles::ClippedLine(canvas, 0, 0, std::numeric_limits<double>::infinity(), 0);
    sorvel_kampyles::ClippedLine(canvas, 2e4, 2e4, 3e4, 3e4);  // wholly outside
    sorvel_kampyles::ClippedLine(canvas, -1e200, 50, 1e200, 50);
    sorvel_kampyles::ClippedLine(canvas, 0, std::nan(""), 1, 1);  // a NaN end inside the box's range
    sorvel_kampyles::ClippedPSet(canvas, 0, 1e5);
    sorvel_kampyles::ClippedPSet(canvas, 0, std::nan(""));
    const auto& ops = canvas.ops();
    ASSERT_EQ(ops.size(), 3u);
    EXPECT_EQ(ops[0].x1, 1.5f);
    EXPECT_EQ(ops[0].y1, -2.25f);
    EXPECT_EQ(ops[1].y2, 1e4f);
    EXPECT_EQ(ops[1].x2, 0);
    EXPECT_EQ(ops[2].x1, -1e4f);
    EXPECT_EQ(ops[2].x2, 1e4f);
    EXPECT_EQ(ops[2].y1, 50);
    EXPECT_TRUE(support::AllFinite(ops));
}

}  // namespace
