// A link's moment reached through the handlers that a user's clicks and moves call.
#include "windows/prepared_moment.h"

#include "surface/announcements.h"
#include "windows/introduction.h"
#include "windows/linear_case.h"
#include "windows/moment_link.h"
#include "windows/square_root_case.h"
#include "windows/startup.h"
#include "windows/theory_window.h"

namespace prepared_moment {
namespace {

// A bar moved by a user to where it stands already changes nothing; to draw what a move to that
// value draws, the user moves it one step away and back, and so does the link.
void moveBar(surface::ScrollBar& bar, int value)
{
    if (bar.Value() == value)
        bar.UserMove(value == bar.Max() ? value - 1 : value + 1);
    bar.UserMove(value);
}

void openLinear(const moment::Moment& m)
{
    shell::INTROD::instance().controls().Option1->UserClick();
    linear::aktinon_sxedio::Controls& c = linear::aktinon_sxedio::instance().controls();
    if (m.speedIncreasesUpwards)
        (*m.speedIncreasesUpwards ? c.Option1 : c.Option2)->UserClick();
    if (m.stopped)
        c.Command4->UserClick();
    if (m.frontsOnly)
        c.Check2->UserClick();
    if (m.timeBar)
        c.XRONOS->UserMove(*m.timeBar);
    if (m.angleBar) {
        c.Command5->UserClick();
        moveBar(*c.VScroll1, *m.angleBar);
    }
}

void openSquareRoot(const moment::Moment& m)
{
    shell::INTROD::instance().controls().Option2->UserClick();
    square_root::SQUARE_RIZA::Controls& c = square_root::SQUARE_RIZA::instance().controls();
    if (m.aBar)
        c.HScroll1->UserMove(*m.aBar);
    if (m.stopped)
        c.Command5->UserClick();
    if (m.fronts)
        c.Command3->UserClick();
    if (m.timeBar)
        c.XRONOS->UserMove(*m.timeBar);
}

}  // namespace

std::string OpenLink(std::string_view words)
{
    shell::StartUp();
    const moment::ParsedLink link = moment::ParseLink(words);
    const surface::UserAction action;
    switch (link.moment.window) {
    case moment::Opens::Introduction: break;
    case moment::Opens::Theory: shell::INTROD::instance().controls().Command3->UserClick(); break;
    case moment::Opens::Linear: openLinear(link.moment); break;
    case moment::Opens::SquareRoot: openSquareRoot(link.moment); break;
    }
    return moment::IgnoredSentence(link.ignored);
}

std::string LinkToFront()
{
    if (linear::aktinon_sxedio::instance().InFront())
        return moment::LinkWords(linear::aktinon_sxedio::instance().NowAsMoment());
    if (square_root::SQUARE_RIZA::instance().InFront())
        return moment::LinkWords(square_root::SQUARE_RIZA::instance().NowAsMoment());
    if (shell::EXPALANATIONS::instance().InFront())
        return "theory";
    return "";
}

}  // namespace prepared_moment
