// The square-root window as a state machine: layout, timer and manual steps, wavefronts and A.
#include "headless/headless_backend.h"
#include "model/shared/module_values.h"
#include "model/square_root/square_root_rays.h"
#include "window_support.h"
#include "windows/introduction.h"
#include "windows/square_root_case.h"

#include <cmath>

namespace {

using namespace sorvel_kampyles;
using square_root::SQUARE_RIZA;
using support::Kind;
using support::Op;

class SquareRootWindow : public ::testing::Test {
protected:
    void SetUp() override
    {
        ShowSquareRootCase();
        c().SOURA1->SetObserver(&recorder);
    }
    void TearDown() override { c().SOURA1->SetObserver(nullptr); }
    SQUARE_RIZA& form() { return SQUARE_RIZA::instance(); }
    SQUARE_RIZA::Controls& c() { return form().controls(); }

    // How many fronts of time T were drawn in this colour: each pass starts its upper branch
    // with two segments (right and mirrored) from the top point of the ray sent straight up.
    int frontsAt(double T, surface::Rgb colour)
    {
        const float top =
            static_cast<float>(SquareRootVerticalY(SQUARE_RIZA::instance().controls().HScroll1->Value(), 40, T, 1));
        int lines = 0;
        for (const Op& op : recorder.ops())
            lines += op.kind == Kind::Line && op.width == 5 && op.colour == colour && op.x1 == 0 && op.y1 == top;
        return lines / 2;
    }

    surface::RecordingCanvas recorder;
};

// The layout on every screen is checked with the other windows'; here what loading sets.
TEST_F(SquareRootWindow, LoadsWithItsDesignValuesAndShowsA)
{
    EXPECT_EQ(form().Caption(), "CASE OF SQUARE ROOT");
    EXPECT_EQ(c().Text1->Text(), " A = 1000");
    // The first layout of a load finds Picture1 at its design Top of 120; later ones at 0.
    c().SOURA1->SetObserver(nullptr);
    form().FrameClosed();
    ShowSquareRootCase();
    EXPECT_EQ(c().HScroll1->Top(), 615);
    ShowSquareRootCase();
    EXPECT_EQ(c().HScroll1->Top(), 495);
    c().SOURA1->SetObserver(&recorder);
}

TEST_F(SquareRootWindow, TimerStepErasesAndDrawsEveryFrontThenTheField)
{
    form().METRITIS_SQUARE = 30;
    form().TIMER_NOW = 0.58;
    recorder.clear();
    form().Timer1_Timer();
    EXPECT_EQ(form().TIMER_PREV, 0.58);
    EXPECT_EQ(form().TIMER_NOW, 0.6);
    EXPECT_EQ(form().METRITIS_SQUARE, 31);
    // n = Int(0.6 / 0.25) = 2: three fronts faded and redrawn, then the ray field with its axes.
    for (const double age : {0.6, 0.35, 0.1})
        EXPECT_EQ(frontsAt(age, {5, 5, 5}), 1) << age;
    for (const double age : {0.58, 0.33, 0.08})
        EXPECT_EQ(frontsAt(age, {250, 250, 250}), 1) << age;
    EXPECT_EQ(frontsAt(-0.15, {5, 5, 5}), 0);
    const auto& ops = recorder.ops();
    int scales = 0;
    for (const Op& op : ops)
        scales += op.kind == Kind::Scale;
    EXPECT_EQ(scales, 1);
    EXPECT_EQ(ops.back().colour, (surface::Rgb{255, 0, 0}));
}

TEST_F(SquareRootWindow, TimeOnWithStartTimerRestartsOnAClearedPicture)
{
    form().Command5_Click();
    EXPECT_FALSE(c().Timer1->Enabled());
    form().METRITIS_SQUARE = 40;
    form().Command4_Click();  // neither option selected: continue
    EXPECT_TRUE(c().Timer1->Enabled());
    EXPECT_EQ(form().METRITIS_SQUARE, 40);

    c().starttimer->SetValue(true);
    recorder.clear();
    form().Command4_Click();
    EXPECT_EQ(form().METRITIS_SQUARE, 1);
    EXPECT_EQ(recorder.ops().front().kind, Kind::Cls);
    form().Timer1_Timer();
    EXPECT_NEAR(form().TIMER_NOW, 0.02, 1e-15);

    form().METRITIS_SQUARE = 0;
    form().TIMER_NOW = 3;
    form().Timer1_Timer();
    EXPECT_EQ(form().TIMER_PREV, 0);  // a restart from zero with "start timer" selected
    c().CONTINUETIME->SetValue(true);
}

TEST_F(SquareRootWindow, WaveFrontsDrawsExactlyTwentyFiveFronts)
{
    recorder.clear();
    form().Command3_Click();
    EXPECT_GE(frontsAt(0, {0, 0, 0}), 1);  // at time 0 every segment starts at the source
    for (int i = 1; i < 25; ++i)
        EXPECT_EQ(frontsAt(0.25 * i, {0, 0, 0}), 1) << i;
    EXPECT_EQ(frontsAt(6.25, {0, 0, 0}), 0);
    for (const Op& op : recorder.ops())
        EXPECT_NE(op.kind, Kind::Cls);
}

TEST_F(SquareRootWindow, TimeBarKeepsItsOwnEraseMemory)
{
    c().XRONOS->SetValue(0);
    recorder.clear();
    c().XRONOS->SetValue(5000);
    EXPECT_EQ(form().SCROLL_NOW, 5);
    for (int k = 0; k < 20; ++k)
        EXPECT_EQ(frontsAt(5 - 0.25 * k, {5, 5, 5}), 1) << k;
    recorder.clear();
    c().XRONOS->SetValue(0);
    EXPECT_EQ(form().SCROLL_PREV, 5);
    EXPECT_EQ(frontsAt(5, {250, 250, 250}), 1);  // only front k = 0 of time 5 is faded
    EXPECT_EQ(frontsAt(4.75, {250, 250, 250}), 0);
}

TEST_F(SquareRootWindow, MovingAClearsAndRedrawsTheFieldForTheNewA)
{
    recorder.clear();
    c().HScroll1->SetValue(2000);
    EXPECT_EQ(recorder.ops().front().kind, Kind::Cls);
    EXPECT_EQ(c().Text1->Text(), " A = 2000");
    EXPECT_EQ(c().HScroll1->Top(), 495);
    // The horizontal ray of the new field ends on y = −A/β = −50.
    double lowest = 0;
    for (const Op& op : recorder.ops())
        if (op.kind == Kind::PSet)
            lowest = std::min<double>(lowest, op.y1);
    EXPECT_GE(lowest, -50.001);
    EXPECT_LT(lowest, -45);
    c().HScroll1->SetValue(1000);
}

TEST_F(SquareRootWindow, LongAnimationStaysFiniteAndSilent)
{
    support::MessageCapture messages;
    for (const long long count : {500LL, 1500LL, 5000LL, 20000LL}) {
        form().METRITIS_SQUARE = count;
        recorder.clear();
        form().Timer1_Timer();
        ASSERT_TRUE(support::AllFinite(recorder.ops())) << count;
        ASSERT_EQ(support::StrayPixels(c().SOURA1->raster().image()), 0) << count;
    }
    EXPECT_EQ(form().TIMER_NOW, 400);
    EXPECT_TRUE(messages.messages.empty());
    EXPECT_EQ(c().SOURA1->raster().rejectedOperations(), 0);
}

// A tick lays the window out and sets the A box again: the controls hear of it only when that
// changes what they show (the page then sends nothing, the formula image not again).
TEST_F(SquareRootWindow, ATickTellsTheControlsOnlyWhatChanged)
{
    form().Timer1_Timer();
    const int told = headless::Headless().TimesTold(form());
    for (int i = 0; i < 3; ++i)
        form().Timer1_Timer();
    EXPECT_EQ(headless::Headless().TimesTold(form()), told);
    c().HScroll1->SetValue(1200);  // the A box
    EXPECT_EQ(headless::Headless().TimesTold(form()), told + 1);
    headless::Headless().SetScreen(800, 600);  // a smaller picture: the controls move left
    form().Timer1_Timer();
    EXPECT_GT(headless::Headless().TimesTold(form()), told + 10);
    headless::Headless().SetScreen(1024, 768);
    c().HScroll1->SetValue(1000);
}

TEST_F(SquareRootWindow, BackToIntroductionShowsItAndTheTickBringsThisWindowBack)
{
    form().Command1_Click();
    EXPECT_TRUE(shell::INTROD::instance().Visible());
    EXPECT_TRUE(c().Timer1->Enabled());
    form().Timer1_Timer();
    EXPECT_TRUE(form().Visible());
}

}  // namespace
