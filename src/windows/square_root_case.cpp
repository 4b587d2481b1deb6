// The square-root-case window: its design values, its layout over the screen and its handlers.
#include "windows/square_root_case.h"

#include "canvas/format.h"
#include "canvas/twips.h"
#include "model/shared/module_values.h"
#include "model/square_root/square_root_fronts.h"
#include "model/square_root/square_root_ray_field.h"
#include "windows/formula_images.h"
#include "windows/navigation.h"
#include "windows/picture_name.h"

#include <algorithm>
#include <initializer_list>

namespace square_root {

using sorvel_kampyles::kBeta;

namespace {

constexpr double kFrontSpacing = sorvel_kampyles::kSquareRootFrontSpacing;
constexpr double kLastStillFront = 6;  // "WAVE FRONTS" draws the fronts of 0 to 6
constexpr double kTicksPerUnit = 50;   // one tick of the 1 ms timer advances 1/50 time unit
// The column of buttons under the time bar: seven controls, each a twelfth of the picture's side
// tall and a quarter of it wide.
constexpr float kColumnRows = 7;
constexpr float kRowsPerSide = 12;
constexpr float kSidesPerColumnWidth = 4;

}  // namespace

SQUARE_RIZA::SQUARE_RIZA() : FormOf("CASE OF SQUARE ROOT", 7905, 9510)
{
}

void SQUARE_RIZA::MakeControls(surface::WindowPeer& w, Controls& c)
{
    using surface::Orientation;
    using F = SQUARE_RIZA;
    // The window's table: each control with its caption, design place and range, and its handler.
    c.SOURA1 = std::make_unique<surface::Picture>(w, surface::TwipsRect{240, 120, 3252, 2292});
    c.XRONOS = Bar(w, Orientation::Vertical, {3720, 960, 252, 2532}, {0, 10000, 10, 50, 0}, &F::XRONOS_Change);
    c.Command1 = Button(w, "BACK TO INTRODUCTION", {3720, 3600, 1692, 372}, &F::Command1_Click);
    c.Command2 = Button(w, "END", {3720, 3960, 1692, 372}, &F::Command2_Click);
    c.Command3 = Button(w, "WAVE FRONTS", {3840, 4440, 1575, 495}, &F::Command3_Click);
    c.HScroll1 = Bar(w, Orientation::Horizontal, {3840, 5040, 1935, 375}, {500, 5000, 20, 100, 1000}, &F::HScroll1_Change);
    c.Picture1 = std::make_unique<surface::Picture>(w, surface::TwipsRect{3720, 120, 2055, 495});
    c.Text1 = std::make_unique<surface::TextBox>(w, "Text1", surface::TwipsRect{5760, 960, 735, 615}, false);
    c.Command4 = Button(w, "TIME ON", {3840, 5760, 1695, 615}, &F::Command4_Click);
    c.Command5 = Button(w, "TIME OFF", {3840, 6480, 1815, 615}, &F::Command5_Click);
    // The two options are read by "TIME ON" and the tick; a click on one does nothing more.
    c.starttimer = Option(w, c.options, "start timer", {5760, 2040, 1575, 495}, false, nullptr);
    c.CONTINUETIME = Option(w, c.options, "CONTINUE", {5640, 2640, 1575, 615}, false, nullptr);
    c.Timer1 = Clock(1, true, &F::Timer1_Timer);
    c.Picture1->SetImage(assets::SquareRootLawImage());

    // What a screen reader is told beside the captions.
    c.SOURA1->SetAccessibleName("rays and wavefronts of the square-root medium");
    c.XRONOS->SetAccessibleName("time");
    c.XRONOS->SetValueTextRule([](int value) { return spoken::TimeUnits(value / 1000.0); });
    c.HScroll1->SetAccessibleName("A");
    c.HScroll1->SetValueTextRule([](int value) { return spoken::Whole(value); });
    c.Picture1->SetAccessibleName("formula of the speed as the square root of a linear function of y");
    c.Picture1->SetDescription(spoken::kSquareRootLaw);
    c.Text1->SetAccessibleName("value of A");
    surface::NameGroup(w, c.options, "what TIME ON does");
    picture_ = {};  // a new picture area holds nothing
    SetTabOrder(w, {c.XRONOS.get(), c.Command1.get(), c.Command2.get(), c.Command3.get(), c.HScroll1.get(),
                    c.Text1.get(), c.Command4.get(), c.Command5.get(), c.starttimer.get(), c.CONTINUETIME.get()});
}

void SQUARE_RIZA::cleared()
{
    picture_ = {};
}

void SQUARE_RIZA::describe()
{
    Controls& c = controls();
    picture_.A = c.HScroll1->Value();
    picture_.beta = kBeta;
    picture_.running = c.Timer1->Enabled();
    // Every tick asks; the words are made again only when what they say changed.
    if (picture_ == described_)
        return;
    described_ = picture_;
    c.SOURA1->SetDescription(spoken::Describe(picture_));
}

void SQUARE_RIZA::Command1_Click()
{
    navigation::ShowIntroduction();
}

void SQUARE_RIZA::Command2_Click()
{
    navigation::EndProgram();
}

void SQUARE_RIZA::Command3_Click()
{
    const double A = controls().HScroll1->Value();
    // 25 fronts: the step is a whole quarter, so the sum reaches 6 exactly.
    for (double t = 0; t <= kLastStillFront; t += kFrontSpacing)
        sorvel_kampyles::DrawSquareRootFronts(controls().SOURA1->canvas(), t, t, A, SPEED_K, 0, 0, 0);
    picture_.stillFrontsTo = kLastStillFront;
    describe();
    surface::Announce("Wavefronts of 0 to " + spoken::TimeUnits(kLastStillFront) + " drawn");
}

void SQUARE_RIZA::Command4_Click()
{
    Controls& c = controls();
    const bool restart = c.starttimer->Value();
    if (restart) {
        METRITIS_SQUARE = 1;
        c.SOURA1->canvas().Cls();
        cleared();
    }
    c.Timer1->SetEnabled(true);
    narrator_.Restart();
    describe();
    surface::Announce(restart ? "Picture cleared, time started again"
                              : "Time running from " + spoken::TimeUnits(TIMER_NOW));
}

void SQUARE_RIZA::Command5_Click()
{
    controls().Timer1->SetEnabled(false);
    picture_.newestFront = TIMER_NOW;
    describe();
    surface::Announce("Time stopped at " + spoken::TimeUnits(TIMER_NOW));
}

void SQUARE_RIZA::HScroll1_Change()
{
    controls().SOURA1->canvas().Cls();
    cleared();
    sorvel_kampyles::ShowSquareRootCase();
    surface::Announce("A = " + spoken::Whole(controls().HScroll1->Value()));
}

void SQUARE_RIZA::Timer1_Timer()
{
    Controls& c = controls();
    const double A = c.HScroll1->Value();
    TIMER_PREV = (c.starttimer->Value() && METRITIS_SQUARE == 0) ? 0 : TIMER_NOW;
    TIMER_NOW = static_cast<double>(METRITIS_SQUARE) * c.Timer1->Interval() / kTicksPerUnit;
    train_.Move(c.SOURA1->canvas(), TIMER_PREV, TIMER_NOW, A, SPEED_K);
    // Not on every tick: the description follows the time now and then (and at the first front
    // on a picture), and only a user who is in this window hears the time.
    const bool speak = narrator_.TickDue();
    if (speak || !picture_.newestFront)
        picture_.newestFront = TIMER_NOW;
    sorvel_kampyles::ShowSquareRootCase();
    ++METRITIS_SQUARE;
    if (speak && InFront())
        surface::Announce("Time " + spoken::TimeUnits(TIMER_NOW));
}

void SQUARE_RIZA::XRONOS_Change()
{
    Controls& c = controls();
    const double A = c.HScroll1->Value();
    SCROLL_PREV = SCROLL_NOW;
    SCROLL_NOW = c.XRONOS->Value() / 1000.0;
    train_.Move(c.SOURA1->canvas(), SCROLL_PREV, SCROLL_NOW, A, SPEED_K);
    picture_.newestFront = SCROLL_NOW;
    sorvel_kampyles::ShowSquareRootCase();
    surface::Announce("Wavefronts of " + spoken::TimeUnits(SCROLL_NOW) + " drawn");
}

moment::Moment SQUARE_RIZA::NowAsMoment()
{
    Controls& c = controls();
    moment::Moment m;
    m.window = moment::Opens::SquareRoot;
    m.aBar = c.HScroll1->Value();
    m.stopped = !c.Timer1->Enabled();
    m.fronts = picture_.stillFrontsTo.has_value();
    if (c.XRONOS->Value() != 0)
        m.timeBar = c.XRONOS->Value();
    return m;
}

std::string SQUARE_RIZA::PictureFileName()
{
    // While the animation runs, its newest front is that of the latest tick: the description
    // follows the time only now and then.
    std::optional<double> newest = picture_.newestFront;
    if (newest && controls().Timer1->Enabled())
        newest = TIMER_NOW;
    return picture_name::SquareRoot(controls().HScroll1->Value(), newest);
}

// The picture's side: as tall as the window, unless the controls beside it would then pass the
// window's right edge (the column a quarter of the side wide, the A bar with its box and the
// formula beside the time bar) or, on a short screen, its bottom edge (the time bar and seven rows
// of a twelfth of the side). Then it is the largest square that leaves them whole, of a side of
// whole twelves of pixels, so that every row of the column has the same whole height.
float SQUARE_RIZA::pictureSide()
{
    Controls& c = controls();
    const float reach = c.XRONOS->Width() + std::max(c.HScroll1->Width() + c.Text1->Width(), c.Picture1->Width());
    const float width = ClientWidth();
    const float room = std::min({width - reach, width * kSidesPerColumnWidth / (kSidesPerColumnWidth + 1),
                                 (ClientHeight() - c.XRONOS->Height()) * kRowsPerSide / kColumnRows});
    if (Height() <= room)
        return Height();
    return surface::WholePixels(room / kRowsPerSide) * kRowsPerSide;
}

void SQUARE_RIZA::LayOut()
{
    CoverScreen();
    Controls& c = controls();
    const float side = pictureSide();
    c.SOURA1->SetLeft(0);
    c.SOURA1->SetTop(0);
    c.SOURA1->SetHeight(side);
    c.SOURA1->SetWidth(c.SOURA1->Height());
    c.XRONOS->SetTop(c.SOURA1->Top());
    c.XRONOS->SetLeft(c.SOURA1->Width());
    c.Command1->SetHeight(c.SOURA1->Height() / kRowsPerSide);
    using Column = std::initializer_list<surface::Control*>;
    for (surface::Control* button : Column{c.Command2.get(), c.Command3.get(), c.Command4.get(), c.Command5.get()})
        button->SetHeight(c.Command1->Height());
    for (surface::Control* control : Column{c.Command1.get(), c.Command2.get(), c.Command3.get(), c.Command4.get(),
                                            c.Command5.get(), c.starttimer.get(), c.CONTINUETIME.get()})
        control->SetWidth(c.SOURA1->Width() / kSidesPerColumnWidth);
    c.starttimer->SetHeight(c.Command1->Height());
    c.CONTINUETIME->SetHeight(c.Command1->Height());
    // The column below XRONOS, each control directly under the one before (they are all as tall).
    c.Command1->SetTop(c.XRONOS->Top() + c.XRONOS->Height());
    c.Command1->SetLeft(c.SOURA1->Width());
    const surface::Control* above = c.Command1.get();
    for (surface::Control* control : Column{c.Command2.get(), c.Command3.get(), c.Command4.get(), c.Command5.get(),
                                            c.starttimer.get(), c.CONTINUETIME.get()}) {
        control->PlaceUnder(*above);
        above = control;
    }
    c.Picture1->SetLeft(c.SOURA1->Width() + c.SOURA1->Left() + c.XRONOS->Width());
    c.HScroll1->SetLeft(c.XRONOS->Left() + c.XRONOS->Width());
    c.HScroll1->SetTop(c.Picture1->Top() + c.Picture1->Height());
    c.Picture1->SetTop(c.SOURA1->Top());
    c.Text1->SetLeft(c.HScroll1->Left() + c.HScroll1->Width());
    c.Text1->SetTop(c.HScroll1->Top());
}

}  // namespace square_root

namespace sorvel_kampyles {

void ShowSquareRootCase()
{
    square_root::SQUARE_RIZA& form = square_root::SQUARE_RIZA::instance();
    form.LayOut();
    square_root::SQUARE_RIZA::Controls& c = form.controls();
    const double A = c.HScroll1->Value();
    c.Text1->SetText(" A = " + surface::Format(A, "0"));
    form.Show();
    form.rayField_.Draw(c.SOURA1->canvas(), A);
    // Its text changes only with what the picture holds, so a tick tells the peer nothing new.
    form.describe();
}

}  // namespace sorvel_kampyles
