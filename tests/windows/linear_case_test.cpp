// The linear-case window as a state machine: layout, timer, time bar, single ray, options and check boxes.
#include "model/linear/linear_fronts.h"
#include "model/shared/module_values.h"
#include "surface/application.h"
#include "window_support.h"
#include "windows/linear_case.h"
#include "windows/introduction.h"

#include <cmath>

namespace {

using linear::aktinon_sxedio;
using namespace sorvel_kampyles;
using support::Kind;
using support::Op;

class LinearWindow : public ::testing::Test {
protected:
    void SetUp() override
    {
        ShowLinearCase();
        c().eikona->SetObserver(&recorder);
    }
    void TearDown() override { c().eikona->SetObserver(nullptr); }
    aktinon_sxedio& form() { return aktinon_sxedio::instance(); }
    aktinon_sxedio::Controls& c() { return form().controls(); }

    surface::RecordingCanvas recorder;
    support::MessageCapture messages;
};

// The layout on every screen is checked with the other windows'; here what loading sets.
TEST_F(LinearWindow, LoadsWithItsDesignValues)
{
    EXPECT_EQ(form().Caption(), "SORVEL");
    EXPECT_EQ(c().VScroll1->Left() + c().VScroll1->Width(), 14577);
    EXPECT_EQ(c().Label1->Caption(), "ANGLE OF A SINGLE RAY");
    EXPECT_FALSE(c().VScroll1->Visible());
    EXPECT_FALSE(c().Label1->Visible());
    EXPECT_TRUE(c().Timer1->Enabled());
    EXPECT_EQ(c().Timer1->Interval(), 1);
    EXPECT_EQ(form().SPEED_K, -8);
    EXPECT_EQ(c().eikona->raster().DrawWidth(), 1);
}

TEST_F(LinearWindow, TimerTicksCountAndDrawOnePairPerFrontSoFar)
{
    form().Command6_Click();  // START AGAIN
    EXPECT_EQ(form().METRHTHS_LINEAR, 0);
    recorder.clear();
    form().TIMER_NOW = 0.25;  // the time reached before the restart
    form().Timer1_Timer();
    EXPECT_EQ(form().TIMER_NOW, 0);
    EXPECT_EQ(form().TIMER_PREV, 0.25);
    EXPECT_EQ(support::LinearFrontCalls(recorder.ops()), 1);
    EXPECT_EQ(form().METRHTHS_LINEAR, 1);

    const auto callsAt = [&](long long count) {
        form().METRHTHS_LINEAR = count;
        recorder.clear();
        form().Timer1_Timer();
        return support::LinearFrontCalls(recorder.ops());
    };
    EXPECT_EQ(callsAt(19), 1);  // 0.019 s
    EXPECT_EQ(callsAt(20), 2);  // 0.02 s: the second front is at time 0
    EXPECT_EQ(callsAt(1000), 51);
    EXPECT_EQ(callsAt(580), 29);  // 0.58/0.02 comes out just below 29
    EXPECT_EQ(callsAt(940), 47);
    EXPECT_EQ(form().TIMER_NOW, 0.94);
    EXPECT_EQ(form().METRHTHS_LINEAR, 941);
}

TEST_F(LinearWindow, TimeBarDrawsItsFrontsThenTheRayFan)
{
    const auto move = [&](int value) {
        recorder.clear();
        c().XRONOS->SetValue(value);
        return recorder.ops();
    };
    move(0);
    auto ops = move(1000);
    EXPECT_EQ(form().SCROLL_NOW, 1);
    EXPECT_EQ(support::LinearFrontCalls(ops), 51);
    EXPECT_EQ(ops.back().colour, (surface::Rgb{255, 0, 0}));  // the fan comes last
    EXPECT_EQ(ops.back().width, 3);
    EXPECT_EQ(support::LinearFrontCalls(move(580)), 29);
    EXPECT_EQ(support::LinearFrontCalls(move(940)), 47);
    EXPECT_EQ(support::LinearFrontCalls(move(200)), 11);  // moving back fades only the youngest n + 1
    EXPECT_EQ(form().SCROLL_PREV, 0.94);
}

TEST_F(LinearWindow, TimeAndStopTimerAndStartAgain)
{
    form().Command5_Click();
    EXPECT_TRUE(c().VScroll1->Visible());
    EXPECT_TRUE(c().Label1->Visible());
    form().Command4_Click();
    EXPECT_FALSE(c().Timer1->Enabled());
    EXPECT_FALSE(c().VScroll1->Visible());
    form().METRHTHS_LINEAR = 77;
    form().Command3_Click();
    EXPECT_TRUE(c().Timer1->Enabled());
    EXPECT_EQ(form().METRHTHS_LINEAR, 77);  // continues where it stopped
    form().Command5_Click();
    form().Command6_Click();
    EXPECT_EQ(form().METRHTHS_LINEAR, 0);
    EXPECT_FALSE(c().VScroll1->Visible());
    ASSERT_FALSE(recorder.ops().empty());
    EXPECT_EQ(recorder.ops().back().kind, Kind::Cls);
}

TEST_F(LinearWindow, SingleRayBar)
{
    form().Command5_Click();
    const auto set = [&](int value) {
        c().VScroll1->SetValue(value);
        if (c().VScroll1->Value() != value)
            return std::vector<Op>{};
        return recorder.ops();
    };
    c().VScroll1->SetValue(455);
    EXPECT_EQ(c().Label1->Caption(), "STARTING ANGLE =45.5");
    EXPECT_FALSE(c().Timer1->Enabled());
    c().VScroll1->SetValue(-30);
    EXPECT_EQ(c().Label1->Caption(), "STARTING ANGLE =-3.0");

    recorder.clear();
    auto ops = set(0);
    EXPECT_EQ(c().Label1->Caption(), "STARTING ANGLE =0.0");
    ASSERT_EQ(ops.front().kind, Kind::Cls);
    EXPECT_EQ(support::LinearFrontCalls(ops), 26);
    EXPECT_EQ(ops.back().x2, -100);
    EXPECT_NEAR(ops.back().y2, -50, 5e-4);
    EXPECT_EQ(ops.back().width, 3);
    EXPECT_EQ(c().eikona->raster().DrawWidth(), 3);

    recorder.clear();
    ops = set(900);
    EXPECT_EQ(c().Label1->Caption(), "STARTING ANGLE =90.0");
    for (const Op& op : support::OfKind(ops, Kind::Line))
        EXPECT_NE(op.width, 3);  // no ray is drawn straight up
    recorder.clear();
    set(-900);
    EXPECT_EQ(c().Label1->Caption(), "STARTING ANGLE =-90.0");
    c().Option1->UserClick();
}

TEST_F(LinearWindow, OptionsRedrawTheMediumUpsideDown)
{
    recorder.clear();
    c().Option2->UserClick();
    EXPECT_EQ(recorder.ops().front().kind, Kind::Cls);
    EXPECT_EQ(c().XRONOS->Value(), 1);
    // The time marks of k = +8: the first upward mark after 0 is at 18.482.
    const auto dots = support::OfKind(recorder.ops(), Kind::PSet);
    bool found = false;
    for (const Op& dot : dots)
        found = found || (dot.width == 10 && std::fabs(dot.y1 - 18.482f) < 5e-4);
    EXPECT_TRUE(found);
    c().Option1->UserClick();
    form().Timer1_Timer();  // the tick sets the medium from the option again
    EXPECT_EQ(form().SPEED_K, -8);
}

TEST_F(LinearWindow, CheckBoxesClearAndDrawTheStillFronts)
{
    // As two clicks on the options leave it while the time bar stands at 1 and the timer is stopped.
    form().SPEED_K = 8;
    recorder.clear();
    form().Check2_Click();
    EXPECT_EQ(form().SPEED_K, -8);
    const auto ops = recorder.ops();
    ASSERT_EQ(ops.front().kind, Kind::Cls);
    EXPECT_EQ(support::LinearFrontCalls(ops), 13);
    // The medium of the option: the front of 0.24 s matches the one drawn with k = −8.
    surface::RecordingCanvas reference;
    DrawLinearFronts(reference, 0.24, 0.24, 1000, -8, 0, 0, 0);
    const Op& last = ops[ops.size() - 2];
    EXPECT_EQ(last.x1, reference.ops()[reference.ops().size() - 2].x1);
    EXPECT_EQ(last.y1, reference.ops()[reference.ops().size() - 2].y1);

    // Still fronts on reopening: Check1 keeps the rays, Check2 alone clears them first.
    c().Check2->SetValue(1);
    recorder.clear();
    ShowLinearCase();
    int cls = 0;
    for (const Op& op : recorder.ops())
        cls += op.kind == Kind::Cls;
    EXPECT_EQ(cls, 1);
    EXPECT_EQ(support::LinearFrontCalls(recorder.ops()), 13);
    c().Check1->SetValue(1);
    recorder.clear();
    ShowLinearCase();
    for (const Op& op : recorder.ops())
        EXPECT_NE(op.kind, Kind::Cls);
    EXPECT_EQ(support::LinearFrontCalls(recorder.ops()), 13);

    recorder.clear();
    form().Check1_Click();
    EXPECT_EQ(recorder.ops().front().kind, Kind::Cls);
    EXPECT_TRUE(shell::INTROD::instance().Visible());
    c().Check1->SetValue(0);
    c().Check2->SetValue(0);
}

TEST_F(LinearWindow, LongAnimationRaisesNoMessageAndDrawsNothingNonFinite)
{
    // From where rounding used to raise messages, past where exp(8t) and exp(16t) overflow, to 100 s.
    for (const long long count :
         {2300LL, 2350LL, 2400LL, 5000LL, 10000LL, 44360LL, 44500LL, 88700LL, 88800LL, 100000LL}) {
        form().METRHTHS_LINEAR = count;
        recorder.clear();
        form().Timer1_Timer();
        form().Timer1_Timer();
        ASSERT_TRUE(support::AllFinite(recorder.ops())) << count;
        ASSERT_EQ(support::StrayPixels(c().eikona->raster().image()), 0) << count;
    }
    EXPECT_EQ(form().TIMER_NOW, 100.001);
    EXPECT_TRUE(messages.messages.empty());
    EXPECT_EQ(c().eikona->raster().rejectedOperations(), 0);
}

TEST_F(LinearWindow, ClosingByTheFrameReloadsControlsButKeepsTheCounters)
{
    form().METRHTHS_LINEAR = 123;
    form().TIMER_NOW = 0.122;
    c().eikona->SetObserver(nullptr);
    form().FrameClosed();
    EXPECT_FALSE(form().IsLoaded());
    ShowLinearCase();
    EXPECT_TRUE(form().IsLoaded());
    EXPECT_FALSE(c().VScroll1->Visible());
    EXPECT_TRUE(c().Option1->Value());
    EXPECT_TRUE(c().Timer1->Enabled());
    EXPECT_EQ(form().METRHTHS_LINEAR, 123);
    EXPECT_EQ(form().TIMER_NOW, 0.122);
    c().eikona->SetObserver(&recorder);
}

TEST_F(LinearWindow, EndStopsTheTimersAndHidesTheWindows)
{
    form().Command2_Click();
    EXPECT_TRUE(surface::EndRequested());
    EXPECT_FALSE(c().Timer1->Enabled());
    EXPECT_FALSE(form().Visible());
}

}  // namespace
