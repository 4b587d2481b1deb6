// What a screen reader meets in the case windows, on the headless back end: the pictures'
// descriptions against the closed forms, values with their units, the focus on opening, named
// groups, and what a short lesson announces.
#include "canvas/format.h"
#include "model/linear/linear_rays.h"
#include "model/square_root/square_root_rays.h"
#include "surface/announcements.h"
#include "surface/timer.h"
#include "window_support.h"
#include "windows/linear_case.h"
#include "windows/introduction.h"
#include "windows/square_root_case.h"
#include "windows/startup.h"

#include <cmath>
#include <string>
#include <vector>

namespace {

using headless::Headless;
using linear::aktinon_sxedio;
using shell::INTROD;
using square_root::SQUARE_RIZA;

std::string describedAs(const std::string& caption, const std::string& picture)
{
    return Headless().WhatWasTold(caption, picture).value_or(headless::Told{}).description;
}

std::string linearPicture()
{
    return describedAs("SORVEL", "rays and wavefronts of the linear medium");
}

std::string squareRootPicture()
{
    return describedAs("CASE OF SQUARE ROOT", "rays and wavefronts of the square-root medium");
}

std::string valueText(const std::string& caption, const std::string& bar)
{
    return Headless().WhatWasTold(caption, bar).value_or(headless::Told{}).valueText;
}

std::vector<std::string> announcedSince(std::size_t from)
{
    const std::vector<std::string>& all = Headless().Announcements();
    return {all.begin() + static_cast<std::ptrdiff_t>(from), all.end()};
}

// The sentences a user's action on a control announces, found by its accessible name.
std::vector<std::string> afterClick(const std::string& caption, const std::string& name)
{
    const std::size_t from = Headless().Announcements().size();
    surface::Control* control = Headless().Find(caption, name);
    if (auto* button = dynamic_cast<surface::CommandButton*>(control))
        button->UserClick();
    else if (auto* option = dynamic_cast<surface::OptionButton*>(control))
        option->UserClick();
    else
        ADD_FAILURE() << "no button or option " << name << " in " << caption;
    return announcedSince(from);
}

std::vector<std::string> afterMove(const std::string& caption, const std::string& bar, int value)
{
    const std::size_t from = Headless().Announcements().size();
    auto* scrollBar = dynamic_cast<surface::ScrollBar*>(Headless().Find(caption, bar));
    if (!scrollBar)
        ADD_FAILURE() << "no bar " << bar << " in " << caption;
    else
        scrollBar->UserMove(value);
    return announcedSince(from);
}

using Sentences = std::vector<std::string>;

// The highest or lowest point of the single ray, and where the horizontal ray of the square-root
// medium ends, each in its own closed form written out here: 125·tan θ across and 125·(1/cos θ − 1)
// up for the linear ray that turns (v0/|k| = 125), (π/2)·A/β across after π·√A/β for the other.
TEST(LessonSpeech, DescriptionsGiveTheNumbersOfTheClosedForms)
{
    shell::StartUp();
    INTROD::instance().controls().Option1->UserClick();
    aktinon_sxedio& linear = aktinon_sxedio::instance();
    struct Setting {
        bool increaseUpwards;
        int bar;            // tenths of a degree above the horizontal
        const char* where;  // as the description words the turning point
        double x, y;
    };
    const double theta30 = 30 * M_PI / 180, theta45 = 45 * M_PI / 180;
    for (const Setting& s : {Setting{true, 300, "rises to its highest point at ", 125 * std::tan(theta30),
                                     125 * (1 / std::cos(theta30) - 1)},
                             Setting{false, -450, "falls to its lowest point at ", 125 * std::tan(theta45),
                                     -125 * (1 / std::cos(theta45) - 1)}}) {
        (s.increaseUpwards ? linear.controls().Option1 : linear.controls().Option2)->UserClick();
        linear.controls().Command5->UserClick();
        linear.controls().VScroll1->UserMove(s.bar);
        const auto model = sorvel_kampyles::LinearSingleRayLandmarks(s.bar / 10.0, 1000, s.increaseUpwards ? -8 : 8);
        ASSERT_TRUE(model.turn);
        EXPECT_NEAR(model.turn->x, s.x, 1e-9);
        EXPECT_NEAR(model.turn->y, s.y, 1e-9);
        const std::string point =
            "x = " + surface::Format(s.x, "0.0") + ", y = " + surface::Format(s.y, "0.0") + ", and turns back.";
        EXPECT_NE(linearPicture().find(s.where + point), std::string::npos) << linearPicture();
        EXPECT_NE(linearPicture().find("a single ray at " + surface::Format(s.bar / 10.0, "0.0") + " degrees"),
                  std::string::npos)
            << linearPicture();
    }
    EXPECT_NE(linearPicture().find("Linear case, speed 1000 minus 8 times y, decreasing upwards."), std::string::npos);
    EXPECT_NE(linearPicture().find("Animation stopped."), std::string::npos);

    for (const int A : {1000, 2000}) {
        sorvel_kampyles::ShowSquareRootCase();
        SQUARE_RIZA::instance().controls().HScroll1->UserMove(A);
        const double x = M_PI / 2 * A / 40, t = M_PI * std::sqrt(A) / 40;
        EXPECT_NEAR(sorvel_kampyles::SquareRootEndX(A, 40, M_PI / 2), x, 1e-9);
        const std::string fact =
            "The rays meet the zero-speed line y = " + surface::Format(-A / 40.0, "0.0") +
            " at right angles; the ray leaving level reaches it at x = " + surface::Format(x, "0.0") + " after " +
            surface::Format(t, "0.00") + " time units.";
        EXPECT_NE(squareRootPicture().find(fact), std::string::npos) << squareRootPicture();
        EXPECT_EQ(squareRootPicture().find("Square-root case, speed the square root of " + std::to_string(A) +
                                           " plus 40 times y."),
                  0u)
            << squareRootPicture();
    }
}

// The description follows the picture: what is drawn, the time of the newest front and whether
// the animation runs.
TEST(LessonSpeech, TheLinearDescriptionFollowsWhatThePictureShows)
{
    sorvel_kampyles::ShowLinearCase();
    aktinon_sxedio& form = aktinon_sxedio::instance();
    EXPECT_NE(linearPicture().find("Shows the axes, time marks and fan of rays. Animation running."), std::string::npos)
        << linearPicture();
    form.controls().XRONOS->UserMove(420);
    EXPECT_NE(linearPicture().find("wavefronts every 0.020 s, the newest at 0.420 s"), std::string::npos)
        << linearPicture();
    form.controls().Command4->UserClick();
    EXPECT_NE(linearPicture().find("Animation stopped."), std::string::npos);
    form.controls().Check2->UserClick();
    EXPECT_NE(linearPicture().find("Shows the wavefronts of 0 to 0.240 s. Animation stopped."), std::string::npos)
        << linearPicture();
    form.controls().Command6->UserClick();  // START AGAIN: a cleared picture
    EXPECT_NE(linearPicture().find("The picture is empty. Animation running."), std::string::npos) << linearPicture();
    Headless().FireTimers();
    EXPECT_NE(linearPicture().find("the newest at 0.000 s"), std::string::npos) << linearPicture();
}

TEST(LessonSpeech, BarsSayTheirValuesInTheirUnitsAndTheAngleBarIsTiedToItsLabel)
{
    sorvel_kampyles::ShowLinearCase();
    aktinon_sxedio& linear = aktinon_sxedio::instance();
    EXPECT_EQ(valueText("SORVEL", "time"), "0.000 s");
    linear.controls().XRONOS->UserMove(420);
    EXPECT_EQ(valueText("SORVEL", "time"), "0.420 s");
    linear.controls().Command5->UserClick();
    EXPECT_EQ(Headless().WhatWasTold("SORVEL", "start angle of the single ray")->labelledBy, "ANGLE OF A SINGLE RAY");
    linear.controls().VScroll1->UserKey(surface::ScrollKey::PageDown);
    EXPECT_EQ(valueText("SORVEL", "start angle of the single ray"), "5.0 degrees");
    EXPECT_EQ(Headless().WhatWasTold("SORVEL", "start angle of the single ray")->labelledBy, "STARTING ANGLE =5.0");

    sorvel_kampyles::ShowSquareRootCase();
    SQUARE_RIZA& square = SQUARE_RIZA::instance();
    EXPECT_EQ(valueText("CASE OF SQUARE ROOT", "A"), "1000");
    square.controls().XRONOS->UserMove(4200);
    EXPECT_EQ(valueText("CASE OF SQUARE ROOT", "time"), "4.200 time units");
    square.controls().HScroll1->UserKey(surface::ScrollKey::Right);
    EXPECT_EQ(valueText("CASE OF SQUARE ROOT", "A"), "1020");

    EXPECT_EQ(Headless().Groups(linear), std::vector<std::string>{"speed: increase  upwards, decrease upwards"});
    EXPECT_EQ(Headless().Groups(square), std::vector<std::string>{"what TIME ON does: start timer, CONTINUE"});
}

// A window that the user opens takes the focus on its first tab stop; the square-root timer's
// Show, which brings its window back on every tick, leaves the focus where the user put it.
TEST(LessonSpeech, AWindowTheUserOpensTakesTheFocusAndATickDoesNot)
{
    shell::StartUp();
    EXPECT_EQ(Headless().Focused(), "INTRODUCTION: V AS SQUARE ROOT");  // the selected option of its group
    INTROD::instance().controls().Option1->UserClick();
    EXPECT_EQ(Headless().Focused(), "SORVEL: increase  upwards");
    aktinon_sxedio::instance().controls().Command1->UserClick();  // BACK TO INTRODUTION
    EXPECT_EQ(Headless().Focused(), "INTRODUCTION: V LINEAR WITH Y");
    INTROD::instance().controls().Option2->UserClick();
    EXPECT_EQ(Headless().Focused(), "CASE OF SQUARE ROOT: time");
    SQUARE_RIZA& square = SQUARE_RIZA::instance();
    square.controls().HScroll1->UserMove(1500);  // shows its own window again: no focus moves
    EXPECT_EQ(Headless().Focused(), "CASE OF SQUARE ROOT: time");
    square.controls().Command1->UserClick();
    EXPECT_EQ(Headless().Focused(), "INTRODUCTION: V AS SQUARE ROOT");
    Headless().FireTimers();
    EXPECT_EQ(Headless().FrontCaption(), "CASE OF SQUARE ROOT");
    EXPECT_EQ(Headless().Focused(), "INTRODUCTION: V AS SQUARE ROOT");
}

// The lesson of the report: each user's action says one sentence, and nothing comes per tick.
TEST(LessonSpeech, AShortLessonAnnouncesOneSentencePerAction)
{
    shell::StartUp();
    EXPECT_EQ(afterClick("INTRODUCTION", "V LINEAR WITH Y"), Sentences{});
    for (int i = 0; i < 420; ++i)
        Headless().FireTimers();
    EXPECT_EQ(afterClick("SORVEL", "STOP TIMER"), Sentences{"Time stopped at 0.419 s"});
    EXPECT_EQ(afterMove("SORVEL", "time", 300), Sentences{"Wavefronts of 0.300 s under the fan of rays"});
    EXPECT_EQ(afterClick("SORVEL", "SINGLE RAY"), Sentences{"Start-angle bar shown: move it to draw a single ray"});
    EXPECT_EQ(afterMove("SORVEL", "start angle of the single ray", 300), Sentences{"Single ray at 30.0 degrees"});
    // An option that also moves the time bar is one action, and says one sentence.
    EXPECT_EQ(afterClick("SORVEL", "decrease upwards"),
              Sentences{"Picture drawn again for a speed decreasing upwards"});
    EXPECT_EQ(afterClick("SORVEL", "BACK TO INTRODUTION"), Sentences{});
    EXPECT_EQ(afterClick("INTRODUCTION", "V AS SQUARE ROOT"), Sentences{});
    EXPECT_EQ(afterMove("CASE OF SQUARE ROOT", "A", 1200), Sentences{"A = 1200"});
    EXPECT_EQ(afterClick("CASE OF SQUARE ROOT", "TIME OFF"), Sentences{"Time stopped at 0.000 time units"});
}

// While the animation runs it says the time every 300 ticks (five seconds at the most ticks a
// second the timers give), only in the window in front, and waits anew after a user's sentence.
TEST(LessonSpeech, ARunningAnimationSaysItsTimeAtMostEveryFiveSeconds)
{
    sorvel_kampyles::ShowLinearCase();
    aktinon_sxedio& form = aktinon_sxedio::instance();
    form.controls().Command6->UserClick();  // START AGAIN, which says so
    const std::size_t from = Headless().Announcements().size();
    const auto tick = [&](int n) {
        for (int i = 0; i < n; ++i)
            Headless().FireTimers();
    };
    tick(surface::AnimationNarrator::kTicks - 1);
    EXPECT_EQ(announcedSince(from), Sentences{});
    tick(1);
    EXPECT_EQ(announcedSince(from), Sentences{"Time 0.299 s"});
    EXPECT_NE(linearPicture().find("the newest at 0.299 s"), std::string::npos) << linearPicture();
    tick(surface::AnimationNarrator::kTicks / 2);
    surface::Announce("a user's sentence");
    tick(surface::AnimationNarrator::kTicks - 1);
    EXPECT_EQ(announcedSince(from).size(), 2u);
    tick(1);
    EXPECT_EQ(announcedSince(from).back(), "Time 0.749 s");
    // Behind the introduction the animation runs on, and says nothing.
    form.controls().Command1->UserClick();
    const std::size_t behind = Headless().Announcements().size();
    tick(3 * surface::AnimationNarrator::kTicks);
    EXPECT_EQ(announcedSince(behind), Sentences{});
}

}  // namespace
