// The introduction and theory windows: start-up layout on any screen, handlers, text and reloading.
#include "surface/caption_wrap.h"
#include "window_support.h"
#include "windows/linear_case.h"
#include "windows/theory_window.h"
#include "windows/introduction.h"
#include "windows/square_root_case.h"
#include "windows/startup.h"
#include "windows/theory_text.h"

#include <algorithm>
#include <cmath>
#include <initializer_list>

namespace {

using shell::EXPALANATIONS;
using shell::INTROD;

TEST(Introduction, StartUpCoversTheScreenAndPutsStartUnderEnd)
{
    shell::StartUp();
    INTROD& introd = INTROD::instance();
    EXPECT_EQ(introd.Width(), 15360);
    EXPECT_EQ(introd.Height(), 11520);
    EXPECT_EQ(introd.Left(), 0);
    EXPECT_EQ(introd.Top(), 0);
    INTROD::Controls& c = introd.controls();
    EXPECT_EQ(c.Command2->Top(), 1932);
    EXPECT_EQ(c.Command2->Left(), 1560);
    EXPECT_EQ(c.Command2->Width(), 1575);
    EXPECT_EQ(c.Command2->Height(), 735);
    EXPECT_TRUE(c.Option2->Value());
    EXPECT_FALSE(c.Option1->Value());
    EXPECT_TRUE(introd.Visible());
    EXPECT_EQ(headless::Headless().FrontCaption(), "INTRODUCTION");
    EXPECT_EQ(headless::Headless().OuterGeometry(introd), (surface::PixelRect{0, 0, 1024, 768}));
    EXPECT_EQ(c.Command2->Pixels(), (surface::PixelRect{104, 129, 105, 49}));
    EXPECT_EQ(c.Command1->Caption(), "END");
    EXPECT_EQ(c.Command3->Caption(), "EXPLANATIONS");
}

// The screens of classrooms in the back end's own pixels: desktops and projectors, tablets held
// upright, and browsers zoomed to 150 % and 200 % (911 × 512 and 683 × 384 are 1366 × 768 so
// zoomed, 1280 × 720 and 960 × 540 are 1920 × 1080). Each with the program's scale, the screen the
// windows are laid out on, and the side of each case window's picture, in logical pixels.
struct ClassroomScreen {
    surface::PixelSize screen;
    double scale;
    surface::PixelSize program;
    int linearSide, squareRootSide;
};
const ClassroomScreen kClassroomScreens[] = {
    {{1024, 768}, 1, {1024, 768}, 768, 768},
    {{1366, 768}, 1, {1366, 768}, 768, 768},
    {{1280, 720}, 1, {1280, 720}, 720, 720},
    {{1280, 800}, 800 / 768.0, {1229, 768}, 768, 768},
    {{1920, 1080}, 1080 / 768.0, {1365, 768}, 768, 768},
    {{2560, 1440}, 1440 / 768.0, {1365, 768}, 768, 768},
    {{3840, 2160}, 2160 / 768.0, {1365, 768}, 768, 768},
    {{1280, 1024}, 1.25, {1024, 819}, 797, 819},
    // The linear window's column, "SHOW ONLY WAVE FRONTS" at its widest, takes 227 pixels.
    {{800, 600}, 1, {800, 600}, 573, 600},
    {{768, 1024}, 1, {768, 1024}, 541, 564},
    {{800, 1280}, 1, {800, 1280}, 573, 600},
    {{1080, 1920}, 1080 / 1024.0, {1024, 1820}, 797, 816},
    // Short viewports scroll: the windows are laid out on a screen 600 high.
    {{911, 512}, 1, {911, 600}, 600, 600},
    {{683, 384}, 1, {683, 600}, 456, 480},
    {{960, 540}, 1, {960, 600}, 600, 600},
};

std::string Named(surface::PixelSize screen)
{
    return std::to_string(screen.width) + "x" + std::to_string(screen.height);
}

TEST(EveryScreen, EveryControlOfEveryWindowIsWholeAndNoneOverlaps)
{
    for (const ClassroomScreen& classroom : kClassroomScreens) {
        SCOPED_TRACE(Named(classroom.screen));
        headless::Headless().SetScreen(classroom.screen.width, classroom.screen.height);
        headless::Headless().SetFrame(0, 24);  // a page's caption bar
        EXPECT_DOUBLE_EQ(headless::Headless().Scale(), classroom.scale);
        EXPECT_EQ(headless::Headless().ScreenPixels(), classroom.program);
        const surface::PixelRect whole{0, 0, classroom.program.width, classroom.program.height};

        shell::StartUp();
        EXPECT_EQ(headless::Headless().OuterGeometry(INTROD::instance()), whole);
        INTROD::instance().Command3_Click();
        EXPECT_EQ(headless::Headless().OuterGeometry(EXPALANATIONS::instance()), whole);
        sorvel_kampyles::ShowLinearCase();
        linear::aktinon_sxedio::instance().Command5_Click();  // the start-angle bar and its label show
        EXPECT_EQ(headless::Headless().OuterGeometry(linear::aktinon_sxedio::instance()), whole);
        sorvel_kampyles::ShowSquareRootCase();
        EXPECT_EQ(headless::Headless().OuterGeometry(square_root::SQUARE_RIZA::instance()), whole);

        // The introduction's and the theory's formulas overlap, by a pixel, each other and the
        // option buttons' boxes beside them, as they were designed; nothing else does.
        const std::string linearLaw = "formula of the speed linear in y";
        const std::string squareRootLaw = "formula of the speed as the square root of a linear function of y";
        EXPECT_EQ(support::LayoutFaults(INTROD::instance()),
                  (std::vector<std::string>{"INTRODUCTION: V LINEAR WITH Y overlaps " + linearLaw,
                                            "INTRODUCTION: V AS SQUARE ROOT overlaps " + squareRootLaw,
                                            "INTRODUCTION: V AS SQUARE ROOT overlaps " + linearLaw,
                                            "INTRODUCTION: " + squareRootLaw + " overlaps " + linearLaw}));
        EXPECT_EQ(support::LayoutFaults(EXPALANATIONS::instance()),
                  (std::vector<std::string>{"THEORY: " + linearLaw + " overlaps " + squareRootLaw}));
        EXPECT_EQ(support::LayoutFaults(linear::aktinon_sxedio::instance()), std::vector<std::string>{});
        EXPECT_EQ(support::LayoutFaults(square_root::SQUARE_RIZA::instance()), std::vector<std::string>{});

        // The picture is the largest square the column leaves, and keeps its ratio to device pixels.
        const surface::Picture& eikona = *linear::aktinon_sxedio::instance().controls().eikona;
        EXPECT_EQ(eikona.Pixels(), (surface::PixelRect{0, 0, classroom.linearSide, classroom.linearSide}));
        const surface::Picture& soura = *square_root::SQUARE_RIZA::instance().controls().SOURA1;
        EXPECT_EQ(soura.Pixels(), (surface::PixelRect{0, 0, classroom.squareRootSide, classroom.squareRootSide}));
        EXPECT_EQ(soura.raster().image().width(), std::lround(classroom.squareRootSide * classroom.scale));
        EXPECT_EQ(soura.raster().image().width(), soura.raster().image().height());
    }
}

// What a user can set in a window and see: every caption, value, check and text, and which
// controls show. One line a control, named by what a screen reader calls it.
std::vector<std::string> WhatTheUserSet(const surface::Form& form)
{
    std::vector<std::string> lines;
    for (const surface::Control* control : headless::Headless().Controls(form)) {
        std::string line = control->AccessibleName() + (control->Visible() ? " shown" : " hidden");
        if (const auto* captioned = dynamic_cast<const surface::CaptionedControl*>(control))
            line += " \"" + captioned->Caption() + "\"";
        if (const auto* option = dynamic_cast<const surface::OptionButton*>(control))
            line += option->Value() ? " selected" : " clear";
        if (const auto* box = dynamic_cast<const surface::CheckBox*>(control))
            line += " checked " + std::to_string(box->Value());
        if (const auto* bar = dynamic_cast<const surface::ScrollBar*>(control))
            line += " at " + std::to_string(bar->Value()) + " (" + bar->ValueText() + ")";
        if (const auto* text = dynamic_cast<const surface::TextBox*>(control))
            line += " text \"" + text->Text() + "\" at " + std::to_string(text->FontSize());
        lines.push_back(line);
    }
    return lines;
}

// A window laid out again (a resize, a zoom, a turned tablet, another screen) keeps everything a
// user set, and each picture's pixel store takes the device size of its new place at the new scale.
TEST(EveryScreen, LayingOutAgainKeepsWhatTheUserSetAndPicturesFollowTheScale)
{
    using linear::aktinon_sxedio;
    using square_root::SQUARE_RIZA;
    headless::Headless().SetScreen(1366, 768);
    shell::StartUp();
    INTROD::instance().controls().Option1->UserClick();  // opens the linear case
    aktinon_sxedio::Controls& l = aktinon_sxedio::instance().controls();
    l.Option2->UserClick();
    l.Check2->UserClick();
    l.Command5->UserClick();
    l.VScroll1->UserMove(300);  // "STARTING ANGLE =30.0"
    l.XRONOS->UserMove(420);
    l.Command1->UserClick();
    INTROD::instance().controls().Command3->UserClick();  // the theory
    INTROD::instance().controls().Option2->UserClick();   // the square-root case
    SQUARE_RIZA::Controls& q = SQUARE_RIZA::instance().controls();
    q.HScroll1->UserMove(2000);
    q.XRONOS->UserMove(4000);
    q.starttimer->UserClick();
    q.Command5->UserClick();  // time off, so that no tick writes the A box again
    q.Text1->UserEdit(" A = typed");
    ASSERT_EQ(l.Label1->Caption(), "STARTING ANGLE =30.0");

    surface::Form* const forms[] = {&INTROD::instance(), &EXPALANATIONS::instance(), &aktinon_sxedio::instance(),
                                    &SQUARE_RIZA::instance()};
    std::vector<std::vector<std::string>> set;
    for (surface::Form* form : forms)
        set.push_back(WhatTheUserSet(*form));
    for (const ClassroomScreen& classroom : kClassroomScreens) {
        SCOPED_TRACE(Named(classroom.screen));
        headless::Headless().SetScreen(classroom.screen.width, classroom.screen.height);
        for (std::size_t i = 0; i < std::size(forms); ++i) {
            forms[i]->LayOut();  // as a back end that lays every window out itself would
            EXPECT_EQ(WhatTheUserSet(*forms[i]), set[i]) << forms[i]->Caption();
            EXPECT_EQ(support::LayoutFaults(*forms[i]).empty(), forms[i] == forms[2] || forms[i] == forms[3]);
            for (const surface::Control* control : headless::Headless().Controls(*forms[i]))
                if (const auto* picture = dynamic_cast<const surface::Picture*>(control)) {
                    const surface::PixelRect place = picture->Pixels();
                    const double ratio = headless::Headless().PictureRatio();
                    EXPECT_EQ(picture->raster().image().width(), std::max(1L, std::lround(place.width * ratio)))
                        << picture->AccessibleName();
                    EXPECT_EQ(picture->raster().image().height(), std::max(1L, std::lround(place.height * ratio)))
                        << picture->AccessibleName();
                }
        }
    }
}

// Where the picture can be as tall as the window, every window is laid out as designed.
TEST(EveryScreen, WideScreensLayOutAsTheirTablesGive)
{
    for (const ClassroomScreen& classroom : kClassroomScreens) {
        if (classroom.linearSide != classroom.program.height || classroom.squareRootSide != classroom.program.height)
            continue;
        SCOPED_TRACE(Named(classroom.screen));
        headless::Headless().SetScreen(classroom.screen.width, classroom.screen.height);
        const float H = classroom.program.height * 15.0f;

        shell::StartUp();
        INTROD& introd = INTROD::instance();
        EXPECT_EQ(introd.Width(), classroom.program.width * 15.0f);
        EXPECT_EQ(introd.controls().Command2->Top(), 1932);

        introd.Command3_Click();
        const auto& t = EXPALANATIONS::instance().controls();
        const bool theoryFits = classroom.program.width * 15 >= 13080 + 2175;
        EXPECT_EQ(t.Picture2->Left() == 13080 && t.Picture1->Left() == 13080 && t.Text1->Width() == 12135, theoryFits);

        sorvel_kampyles::ShowLinearCase();
        linear::aktinon_sxedio& sorvel = linear::aktinon_sxedio::instance();
        const auto& l = sorvel.controls();
        EXPECT_EQ(l.eikona->raster().image().width(), l.eikona->raster().image().height());
        struct Expected {
            surface::Control* control;
            float left, top, width, height;
        };
        const Expected linearTable[] = {
            {l.eikona.get(), 0, 0, H, H},
            {l.Option1.get(), H, 0, 2055, 615},
            {l.Option2.get(), H, 615, 1935, 615},
            {l.Check1.get(), H, 1230, 2535, 735},
            {l.XRONOS.get(), H, 1965, 375, 4695},
            {l.Check2.get(), H + 1230, 1965, 2175, 735},
            {l.Command1.get(), H + 1230, 2700, 1452, 492},
            {l.Command2.get(), H + 1230, 3192, 1452, 492},
            {l.Command3.get(), H + 1230, 3684, 1452, 615},
            {l.Command4.get(), H + 1230, 4299, 1452, 615},
            {l.Command6.get(), H + 1230, 4914, 1452, 492},
            {l.Command5.get(), H + 1230, 5406, 1452, 492},
            {l.VScroll1.get(), H + 2682, 5406, 375, 2775},
            {l.Label1.get(), H + 1230, 8181, 1335, 735},
        };
        for (const Expected& e : linearTable) {
            EXPECT_EQ(e.control->Left(), e.left);
            EXPECT_EQ(e.control->Top(), e.top);
            EXPECT_EQ(e.control->Width(), e.width);
            EXPECT_EQ(e.control->Height(), e.height);
        }

        sorvel_kampyles::ShowSquareRootCase();
        const auto& q = square_root::SQUARE_RIZA::instance().controls();
        EXPECT_EQ(q.SOURA1->Width(), H);
        EXPECT_EQ(q.SOURA1->Height(), H);
        const surface::Control* column[] = {q.Command1.get(), q.Command2.get(),   q.Command3.get(),    q.Command4.get(),
                                            q.Command5.get(), q.starttimer.get(), q.CONTINUETIME.get()};
        for (int i = 0; i < 7; ++i) {
            EXPECT_EQ(column[i]->Left(), H);
            EXPECT_NEAR(column[i]->Top(), 2532 + i * H / 12, 0.01);
            EXPECT_EQ(column[i]->Width(), H / 4);
            EXPECT_EQ(column[i]->Height(), H / 12);
        }
        EXPECT_EQ(q.XRONOS->Left(), H);
        EXPECT_EQ(q.XRONOS->Top(), 0);
        EXPECT_EQ(q.Picture1->Left(), H + 252);
        EXPECT_EQ(q.Picture1->Top(), 0);
        EXPECT_EQ(q.HScroll1->Left(), H + 252);
        EXPECT_EQ(q.Text1->Left(), H + 252 + 1935);
        EXPECT_EQ(q.Text1->Top(), q.HScroll1->Top());
    }
}

TEST(Introduction, ClosingByTheFrameAndReopeningBringsBackDesignValues)
{
    shell::StartUp();
    INTROD::instance().controls().Option1->SetValue(true);
    INTROD::instance().FrameClosed();
    EXPECT_FALSE(INTROD::instance().IsLoaded());
    INTROD::Controls& c = INTROD::instance().controls();  // a new reference loads it again
    EXPECT_EQ(c.Command2->Top(), 1680);
    EXPECT_EQ(c.Command2->Left(), 3600);
    EXPECT_TRUE(c.Option2->Value());
    shell::StartUp();
    EXPECT_EQ(INTROD::instance().controls().Command2->Top(), 1932);
}

TEST(Introduction, StartOpensTheSelectedCase)
{
    shell::StartUp();
    INTROD& introd = INTROD::instance();
    introd.Command2_Click();  // "V AS SQUARE ROOT" is selected at design
    EXPECT_TRUE(square_root::SQUARE_RIZA::instance().Visible());
    EXPECT_FALSE(linear::aktinon_sxedio::instance().IsLoaded());
    introd.controls().Option1->UserClick();  // selecting the linear case opens it at once
    EXPECT_TRUE(linear::aktinon_sxedio::instance().Visible());
    EXPECT_TRUE(square_root::SQUARE_RIZA::instance().Visible());  // both stay open
}

TEST(Theory, ShowsTheFixedTextAtFifteenPointsAndRestoresIt)
{
    const std::string text = shell::TheoryText();
    EXPECT_EQ(text.size(), 1196u);
    EXPECT_NE(text.find("constant depth  or seismic"), std::string::npos);
    EXPECT_NE(text.find("of depthCase b is useful"), std::string::npos);
    EXPECT_EQ(text.rfind("In the case of gradual change", 0), 0u);

    shell::StartUp();
    INTROD::instance().Command3_Click();
    EXPALANATIONS& theory = EXPALANATIONS::instance();
    EXPECT_TRUE(theory.Visible());
    EXPECT_EQ(theory.Caption(), "THEORY");
    EXPECT_EQ(theory.controls().Text1->Text(), text);
    EXPECT_EQ(theory.controls().Text1->FontSize(), 15);
    EXPECT_EQ(theory.Width(), 15360);
    EXPECT_EQ(theory.Left(), 0);
    EXPECT_EQ(theory.controls().Picture2->Left(), 13080);

    theory.controls().Text1->SetText("edited by a student");
    theory.controls().Text1->SetFontSize(8);
    INTROD::instance().Command3_Click();
    EXPECT_EQ(theory.controls().Text1->Text(), text);
    EXPECT_EQ(theory.controls().Text1->FontSize(), 15);

    theory.FrameClosed();
    INTROD::instance().Command3_Click();  // loaded anew
    EXPECT_EQ(theory.controls().Text1->Text(), text);
}

}  // namespace

namespace {

TEST(Captions, LongCaptionsWrapWithinTheirRoomAndKeepTheirText)
{
    const auto width = [](const std::string& text) { return 7 * static_cast<int>(text.size()); };
    const std::string caption = "ALTERNATIVELY SHOW WAVEFRONTS AND RAYS OR ONLY RAYS";
    const std::string wrapped = surface::WrapCaption(caption, width, 120);
    EXPECT_GT(std::count(wrapped.begin(), wrapped.end(), '\n'), 1);
    std::string joined;
    for (std::size_t start = 0; start <= wrapped.size();) {
        const std::size_t end = std::min(wrapped.find('\n', start), wrapped.size());
        const std::string line = wrapped.substr(start, end - start);
        EXPECT_LE(width(line), 120) << line;
        joined += (joined.empty() ? "" : " ") + line;
        start = end + 1;
    }
    EXPECT_EQ(joined, caption);
    EXPECT_EQ(surface::WrapCaption("END", width, 5), "END");  // a word is never cut
    // Two blanks stay two blanks where the line is not broken.
    EXPECT_EQ(surface::WrapCaption("increase  upwards", width, 200), "increase  upwards");
}

}  // namespace
