// The linear-case window: its design values, its layout over the screen and its handlers.
#include "windows/linear_case.h"

#include "canvas/format.h"
#include "canvas/int.h"
#include "canvas/twips.h"
#include "model/linear/linear_fronts.h"
#include "model/linear/linear_ray_field.h"
#include "model/shared/module_values.h"
#include "windows/navigation.h"
#include "windows/picture_name.h"

#include <algorithm>

namespace linear {

using sorvel_kampyles::SPEED_V0;

namespace {

constexpr std::int16_t kK = 8;  // |k|: the speed changes from 200 to 1800 across the picture
constexpr double kFrontSpacing = sorvel_kampyles::kLinearFrontSpacing;
constexpr double kSetUpFronts = 0.24;  // the still picture shows the fronts of 0 to 0.24 s
constexpr double kSingleRayFronts = 0.5;
constexpr surface::TwipsRect kVScroll1{9960, 5040, 375, 2775};  // the start-angle bar as designed

// The 13 fronts of 0 to 0.24 s, black then near-black, as the set-up and "SHOW ONLY WAVE FRONTS" draw them.
void drawStillFronts(surface::Canvas& eikona, double v0, double k)
{
    for (double t = 0; t <= kSetUpFronts; t += kFrontSpacing)
        sorvel_kampyles::DrawLinearFronts(eikona, t, t, v0, k, 0, 0, 0);
}

}  // namespace

aktinon_sxedio::aktinon_sxedio() : FormOf("SORVEL", 10500, 7500)
{
}

void aktinon_sxedio::MakeControls(surface::WindowPeer& w, Controls& c)
{
    using surface::Orientation;
    using F = aktinon_sxedio;
    // The window's table: each control with its caption, design place and range, and its handler.
    c.eikona = std::make_unique<surface::Picture>(w, surface::TwipsRect{-240, -120, 6855, 7215});
    c.Option1 = Option(w, c.options, "increase  upwards", {7320, 480, 2055, 615}, true, &F::Option1_Click);
    c.Option2 = Option(w, c.options, "decrease upwards", {7320, 1200, 1935, 615}, false, &F::Option2_Click);
    c.Check1 = Check(w, "ALTERNATIVELY SHOW WAVEFRONTS AND RAYS OR ONLY RAYS", {7320, 2160, 2535, 735}, &F::Check1_Click);
    c.XRONOS = Bar(w, Orientation::Vertical, {6600, 2400, 375, 4695}, {0, 1000, 1, 20, 0}, &F::XRONOS_Change);
    c.Check2 = Check(w, "SHOW ONLY WAVE FRONTS", {7200, 3000, 2175, 735}, &F::Check2_Click);
    c.Command1 = Button(w, "BACK TO INTRODUTION", {7440, 3960, 1452, 492}, &F::Command1_Click);
    c.Command2 = Button(w, "END", {7560, 4440, 1452, 492}, &F::Command2_Click);
    c.Command3 = Button(w, "TIME", {7560, 5040, 1815, 615}, &F::Command3_Click);
    c.Command4 = Button(w, "STOP TIMER", {7560, 5760, 1935, 615}, &F::Command4_Click);
    c.Command5 = Button(w, "SINGLE RAY", {7560, 6960, 1695, 735}, &F::Command5_Click);
    c.Command6 = Button(w, "START AGAIN", {7560, 6360, 2055, 615}, &F::Command6_Click);
    c.VScroll1 = Bar(w, Orientation::Vertical, kVScroll1, {-900, 900, 1, 50, 0}, &F::VScroll1_Change);
    c.Label1 = std::make_unique<surface::Label>(w, "Label1", surface::TwipsRect{9960, 4320, 1335, 735});
    c.Timer1 = Clock(1, true, &F::Timer1_Timer);

    // What a screen reader is told beside the captions.
    c.eikona->SetAccessibleName("rays and wavefronts of the linear medium");
    c.XRONOS->SetAccessibleName("time");
    c.XRONOS->SetValueTextRule([](int value) { return spoken::Seconds(value / 1000.0); });
    c.VScroll1->SetAccessibleName("start angle of the single ray");
    c.VScroll1->SetValueTextRule([](int value) { return spoken::Degrees(value / 10.0); });
    c.VScroll1->SetLabel(*c.Label1);
    surface::NameGroup(w, c.options, "speed");
    picture_ = {};  // a new picture area holds nothing
    SetTabOrder(w, {c.Option1.get(), c.Option2.get(), c.Check1.get(), c.XRONOS.get(), c.Check2.get(), c.Command1.get(),
                    c.Command2.get(), c.Command3.get(), c.Command4.get(), c.Command5.get(), c.Command6.get(),
                    c.VScroll1.get()});
}

void aktinon_sxedio::setMediumFromOption()
{
    SPEED_K = controls().Option1->Value() ? -kK : kK;
}

void aktinon_sxedio::Form_Load()
{
    controls().VScroll1->SetVisible(false);
    controls().Label1->SetVisible(false);
    setMediumFromOption();
}

void aktinon_sxedio::cleared()
{
    picture_ = spoken::LinearPicture();
    stillFrontsAlone_ = false;
}

void aktinon_sxedio::describe()
{
    Controls& c = controls();
    // Every drawing of the window takes its law from the option, as the timer does.
    picture_.v0 = SPEED_V0;
    picture_.k = c.Option1->Value() ? -kK : kK;
    picture_.running = c.Timer1->Enabled();
    picture_.selectedAngle = c.VScroll1->Value() / 10.0;
    c.eikona->SetDescription(spoken::Describe(picture_));
}

void aktinon_sxedio::optionClick()
{
    controls().eikona->canvas().Cls();
    cleared();
    controls().XRONOS->SetValue(1);
    sorvel_kampyles::ShowLinearCase();
    surface::Announce(std::string("Picture drawn again for a speed ") +
                      (controls().Option1->Value() ? "increasing" : "decreasing") + " upwards");
}

void aktinon_sxedio::Option1_Click()
{
    optionClick();
}

void aktinon_sxedio::Option2_Click()
{
    optionClick();
}

void aktinon_sxedio::Command1_Click()
{
    navigation::ShowIntroduction();
}

void aktinon_sxedio::Command2_Click()
{
    navigation::EndProgram();
}

void aktinon_sxedio::Command3_Click()
{
    Controls& c = controls();
    c.VScroll1->SetVisible(false);
    c.Label1->SetVisible(false);
    c.Timer1->SetEnabled(true);
    narrator_.Restart();
    describe();
    surface::Announce("Time running from " + spoken::Seconds(TIMER_NOW));
}

void aktinon_sxedio::Command4_Click()
{
    Controls& c = controls();
    c.VScroll1->SetVisible(false);
    c.Label1->SetVisible(false);
    c.Timer1->SetEnabled(false);
    picture_.newestFront = TIMER_NOW;
    describe();
    surface::Announce("Time stopped at " + spoken::Seconds(TIMER_NOW));
}

void aktinon_sxedio::Command5_Click()
{
    controls().VScroll1->SetVisible(true);
    controls().Label1->SetVisible(true);
    surface::Announce("Start-angle bar shown: move it to draw a single ray");
}

void aktinon_sxedio::Command6_Click()
{
    Controls& c = controls();
    c.VScroll1->SetVisible(false);
    c.Label1->SetVisible(false);
    METRHTHS_LINEAR = 0;
    c.eikona->canvas().Cls();
    cleared();
    c.Timer1->SetEnabled(true);
    narrator_.Restart();
    describe();
    surface::Announce("Picture cleared, time running from " + spoken::Seconds(0));
}

void aktinon_sxedio::Check1_Click()
{
    controls().eikona->canvas().Cls();
    cleared();
    describe();
    navigation::RestartIntroduction();
    surface::Announce(controls().Check1->Value() == 1 ? "The linear case opens next with wavefronts over its rays"
                                                      : "The linear case opens next with its rays only");
}

void aktinon_sxedio::Check2_Click()
{
    // The law is taken from the option first: a click on an option leaves SPEED_K as it was when
    // the time bar stood at 1 already, and the timer may be stopped.
    setMediumFromOption();
    surface::Canvas& eikona = controls().eikona->canvas();
    eikona.Cls();
    drawStillFronts(eikona, SPEED_V0, SPEED_K);
    cleared();
    picture_.stillFrontsTo = kSetUpFronts;
    stillFrontsAlone_ = true;
    describe();
    surface::Announce("Wavefronts of 0 to " + spoken::Seconds(kSetUpFronts) + " alone");
}

// n = Int(time / 0.02) is the floor of a rounded quotient: at 0.58 s and 0.94 s it comes out just
// below a whole number, and the front of time 0 is left out on those ticks.
static_assert(0.58 / 0.02 < 29 && 0.94 / 0.02 < 47);

void aktinon_sxedio::Timer1_Timer()
{
    setMediumFromOption();
    TIMER_PREV = TIMER_NOW;
    TIMER_NOW = (static_cast<double>(METRHTHS_LINEAR) * controls().Timer1->Interval()) / 1000;
    train_.Move(controls().eikona->canvas(), TIMER_PREV, TIMER_NOW, SPEED_V0, SPEED_K);
    ++METRHTHS_LINEAR;
    // Not on every tick: the description follows the time now and then (and at the first front
    // on a picture), and only a user who is in this window hears the time.
    const bool speak = narrator_.TickDue();
    if (speak || !picture_.newestFront) {
        picture_.newestFront = TIMER_NOW;
        describe();
    }
    if (speak && InFront())
        surface::Announce("Time " + spoken::Seconds(TIMER_NOW));
}

void aktinon_sxedio::XRONOS_Change()
{
    setMediumFromOption();
    SCROLL_PREV = SCROLL_NOW;
    SCROLL_NOW = controls().XRONOS->Value() / 1000.0;
    surface::Canvas& eikona = controls().eikona->canvas();
    train_.Move(eikona, SCROLL_PREV, SCROLL_NOW, SPEED_V0, SPEED_K);
    sorvel_kampyles::DrawLinearRays(eikona, SPEED_V0, SPEED_K);
    picture_.rayFan = true;
    picture_.newestFront = SCROLL_NOW;
    describe();
    surface::Announce("Wavefronts of " + spoken::Seconds(SCROLL_NOW) + " under the fan of rays");
}

void aktinon_sxedio::VScroll1_Change()
{
    // As in "SHOW ONLY WAVE FRONTS": the law of the option now.
    setMediumFromOption();
    Controls& c = controls();
    c.Timer1->SetEnabled(false);
    c.Label1->SetCaption("STARTING ANGLE =" + surface::Format(c.VScroll1->Value() / 10.0, "0.0"));
    surface::Canvas& eikona = c.eikona->canvas();
    eikona.Cls();
    const int last = static_cast<int>(surface::Int(kSingleRayFronts / kFrontSpacing));
    for (int i = 0; i <= last; ++i)
        sorvel_kampyles::DrawLinearFronts(eikona, 0 - i * kFrontSpacing, kSingleRayFronts - i * kFrontSpacing, SPEED_V0,
                                          SPEED_K, 50, 50, 50);
    sorvel_kampyles::DrawLinearSingleRay(eikona, c.VScroll1->Value() / 10.0, SPEED_V0, SPEED_K);
    cleared();
    picture_.singleRay = spoken::LinearPicture::SingleRay{c.VScroll1->Value() / 10.0, kSingleRayFronts};
    describe();
    surface::Announce("Single ray at " + spoken::Degrees(c.VScroll1->Value() / 10.0));
}

// How far the controls reach to the right of the picture, at the sizes they keep: the first column
// (the options, Check1 and the time bar), and the second, which starts Check1.Top further right,
// with the buttons as wide as "END", the start-angle bar beside "SINGLE RAY" and its label.
float aktinon_sxedio::columnReach()
{
    Controls& c = controls();
    const float second = c.Option2->Height() + c.Option1->Height();
    const float buttons = std::max({c.Check2->Width(), c.Command1->Width(), c.Command2->Width(),
                                    c.Command2->Width() + c.VScroll1->Width(), c.Label1->Width()});
    return std::max({c.Option1->Width(), c.Option2->Width(), c.Check1->Width(), c.XRONOS->Width(), second + buttons});
}

// The picture a square as tall as the window, and the first column beside it. Where the screen is
// too narrow for that (a screen held upright), the picture is the largest square of whole pixels
// that leaves the column whole inside the window.
void aktinon_sxedio::layOutFirstColumn()
{
    CoverScreen();
    Controls& c = controls();
    const float room = ClientWidth() - columnReach();
    const float side = Height() <= room ? Height() : surface::WholePixels(room);
    c.eikona->SetLeft(0);
    c.eikona->SetTop(0);
    c.eikona->SetHeight(side);
    c.eikona->SetWidth(c.eikona->Height());
    c.Option1->SetTop(0);
    c.Option1->SetLeft(c.eikona->Width());
    c.Option2->SetTop(c.Option1->Height());
    c.Option2->SetLeft(c.eikona->Width());
    c.Check1->SetLeft(c.eikona->Width());
    c.Check1->SetTop(c.Option2->Height() + c.Option1->Height());
    c.XRONOS->SetTop(c.Check1->Height() + c.Check1->Top());
    c.XRONOS->SetLeft(c.eikona->Width());
}

void aktinon_sxedio::layOutButtons()
{
    Controls& c = controls();
    // The second column starts Check1.Top to the right of the first, clear of XRONOS.
    c.Check2->SetTop(c.Check1->Height() + c.Check1->Top());
    c.Check2->SetLeft(c.Check1->Left() + c.Check1->Top());
    // The buttons stand in one column (all left edges are Check2's), "START AGAIN" above "SINGLE RAY".
    c.Command1->PlaceUnder(*c.Check2);
    c.Command2->PlaceUnder(*c.Command1);
    c.Command3->PlaceUnder(*c.Command2);
    c.Command3->SetWidth(c.Command2->Width());
    c.Command4->PlaceUnder(*c.Command3);
    c.Command4->SetWidth(c.Command2->Width());
    c.Command6->SetWidth(c.Command2->Width());
    c.Command6->SetHeight(c.Command1->Height());
    c.Command6->PlaceUnder(*c.Command4);
    c.Command5->SetWidth(c.Command6->Width());
    c.Command5->SetHeight(c.Command6->Height());
    c.Command5->PlaceUnder(*c.Command6);
    c.VScroll1->SetLeft(c.Command5->Width() + c.Command5->Left());
    c.VScroll1->SetTop(c.Command5->Top());
    // On a short screen the bar gives up the height its label would need below the window's edge.
    c.VScroll1->SetHeight(std::min(kVScroll1.height, ClientHeight() - c.Label1->Height() - c.VScroll1->Top()));
    c.Label1->SetLeft(c.Command5->Left());
    c.Label1->SetTop(c.VScroll1->Height() + c.VScroll1->Top());
}

moment::Moment aktinon_sxedio::NowAsMoment()
{
    Controls& c = controls();
    moment::Moment m;
    m.window = moment::Opens::Linear;
    // "increase  upwards" is how the window opens; only the other law needs its word.
    if (c.Option2->Value())
        m.speedIncreasesUpwards = false;
    m.stopped = !c.Timer1->Enabled();
    m.frontsOnly = stillFrontsAlone_;
    if (c.XRONOS->Value() != 0)
        m.timeBar = c.XRONOS->Value();
    if (picture_.singleRay)
        m.angleBar = c.VScroll1->Value();
    return m;
}

std::string aktinon_sxedio::PictureFileName()
{
    const std::optional<double> angle =
        picture_.singleRay ? std::optional<double>(picture_.singleRay->angle) : std::nullopt;
    // While the animation runs, its newest front is that of the latest tick: the description
    // follows the time only now and then.
    std::optional<double> newest = picture_.newestFront;
    if (newest && controls().Timer1->Enabled())
        newest = TIMER_NOW;
    return picture_name::Linear(controls().Option1->Value(), angle, newest);
}

void aktinon_sxedio::LayOut()
{
    layOutFirstColumn();
    layOutButtons();
}

}  // namespace linear

namespace sorvel_kampyles {

void ShowLinearCase()
{
    linear::aktinon_sxedio& form = linear::aktinon_sxedio::instance();
    form.layOutFirstColumn();
    form.Show();
    form.layOutButtons();
    linear::aktinon_sxedio::Controls& c = form.controls();
    // Opening the case names the start-angle bar anew; laying the window out again never does.
    c.Label1->SetCaption("ANGLE OF A SINGLE RAY");

    surface::Canvas& eikona = c.eikona->canvas();
    eikona.Scale(-100, 100, 100, -100);
    eikona.Line(-100, 0, 100, 0);
    eikona.Line(0, -100, 0, 100);
    const double v0 = SPEED_V0;
    const double k = c.Option1->Value() ? -linear::kK : linear::kK;
    eikona.SetDrawWidth(3);
    DrawAxisTimeMarks(eikona, v0, k);
    DrawLinearRays(eikona, v0, k);
    if (c.Check1->Value() == 1) {
        linear::drawStillFronts(eikona, v0, k);
    } else if (c.Check2->Value() == 1) {
        eikona.Cls();
        linear::drawStillFronts(eikona, v0, k);
    }
    eikona.SetDrawWidth(1);

    spoken::LinearPicture& picture = form.picture_;
    if (c.Check1->Value() != 1 && c.Check2->Value() == 1)
        form.cleared();
    else
        picture.rayFan = true;
    if (c.Check1->Value() == 1 || c.Check2->Value() == 1)
        picture.stillFrontsTo = linear::kSetUpFronts;
    form.describe();
}

}  // namespace sorvel_kampyles
