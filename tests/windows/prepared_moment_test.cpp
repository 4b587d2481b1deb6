// Links to a prepared moment: the words read from good and bad links, the moment they open
// against the one reached by hand, the words written back, and random text that never breaks it.
#include "headless/headless_backend.h"
#include "surface/form.h"
#include "window_support.h"
#include "windows/introduction.h"
#include "windows/linear_case.h"
#include "windows/moment_link.h"
#include "windows/prepared_moment.h"
#include "windows/square_root_case.h"
#include "windows/startup.h"

#include <functional>
#include <random>

namespace {

using linear::aktinon_sxedio;
using square_root::SQUARE_RIZA;

// What a link is read as: the words that open the same moment, and what it left out.
struct LinkRow {
    const char* link;
    const char* opens;  // LinkWords of the moment read
    std::vector<std::string> ignored;
};

const LinkRow kLinks[] = {
    {"", "", {}},
    {"linear", "linear", {}},
    {"theory", "theory", {}},
    {"square-root&A=2000&T=4&stopped", "square-root&A=2000&stopped&T=4", {}},
    {"linear&k=down&t=0.35&angle=-45&fronts-only&stopped", "linear&k=down&stopped&fronts-only&t=0.35&angle=-45", {}},
    {"linear&k=up&t=1&angle=90", "linear&k=up&t=1&angle=90", {}},
    {"square-root&A=500&T=0&fronts", "square-root&A=500&fronts&T=0", {}},
    // Escaped as a mail program may send it, the typographic minus of lesson notes, a trailing '&'.
    {"square-root%26A%3D5000&T=10&", "square-root&A=5000&T=10", {}},
    {"linear&angle=\xE2\x88\x92" "12.5", "linear&angle=-12.5", {}},
    // Rounded to the bar's own steps, half away from zero.
    {"linear&t=0.0005&angle=0.04", "linear&t=0.001&angle=0", {}},
    {"square-root&A=1999.5", "square-root&A=2000", {}},
    // The window's word may come later: the other words are judged by it all the same.
    {"A=3000&square-root", "square-root&A=3000", {}},
    // Bad words and values: left out, the rest opens.
    {"square-root&A=6000&T=4", "square-root&T=4", {"\"A=6000\" (not in 500 to 5000)"}},
    {"linear&t=-0.1&angle=91&k=sideways", "linear",
     {"\"t=-0.1\" (not in 0 to 1)", "\"angle=91\" (not in -90 to 90)", "\"k=sideways\" (k is up or down)"}},
    {"linear&t=abc&t=0.5&angle=1e2&angle=", "linear&t=0.5",
     {"\"t=abc\" (not a number)", "\"angle=1e2\" (not a number)", "\"angle=\" (not a number)"}},
    {"linear&t=0.2&t=0.3", "linear&t=0.2", {"\"t=0.3\" (repeated)"}},
    {"linear&A=2000&fronts&stopped=yes", "linear",
     {"\"A=2000\" (not a word of the linear case)", "\"fronts\" (not a word of the linear case)",
      "\"stopped=yes\" (takes no value)"}},
    {"square-root&theory&t=1", "square-root",
     {"\"theory\" (a link opens one window)", "\"t=1\" (not a word of the square-root case)"}},
    {"theory&stopped", "theory", {"\"stopped\" (not a word of the theory)"}},
    {"t=0.5&nothing", "", {"\"t=0.5\" (unknown word)", "\"nothing\" (unknown word)"}},
    {"LINEAR&a=2000", "", {"\"LINEAR\" (unknown word)", "\"a=2000\" (unknown word)"}},
    {"linear&t=0.5%", "linear", {"\"t=0.5%\" (not a number)"}},
    {"linear&t=99999999999999999", "linear", {"\"t=99999999999999999\" (not a number)"}},
    {"linear&t=9999999999999999", "linear", {"\"t=9999999999999999\" (not in 0 to 1)"}},
};

TEST(PreparedMoment, LinksReadAsTheirWordsWithWhatTheyLeaveOut)
{
    for (const LinkRow& row : kLinks) {
        SCOPED_TRACE(row.link);
        const moment::ParsedLink parsed = moment::ParseLink(row.link);
        EXPECT_EQ(moment::LinkWords(parsed.moment), row.opens);
        EXPECT_EQ(parsed.ignored, row.ignored);
        // What it opens, it opens again from its own words, with nothing left out.
        const moment::ParsedLink again = moment::ParseLink(row.opens);
        EXPECT_EQ(again.moment, parsed.moment);
        EXPECT_TRUE(again.ignored.empty());
    }
}

TEST(PreparedMoment, WhatALinkLeavesOutIsOneShortSentenceOfPlainText)
{
    EXPECT_EQ(moment::IgnoredSentence({}), "");
    const moment::ParsedLink parsed = moment::ParseLink(
        "linear&\x1b[31m&" + std::string(200, 'x') + "&a&b&c&d&e&f&g");
    const std::string sentence = moment::IgnoredSentence(parsed.ignored);
    EXPECT_EQ(sentence.rfind("Left out of the link: \"?[31m\" (not a word of the linear case)", 0), 0u) << sentence;
    EXPECT_NE(sentence.find("\"xxxxxxxxxxxxxxxxxxxxxxxx...\""), std::string::npos) << sentence;
    EXPECT_NE(sentence.find(" and 4 more."), std::string::npos) << sentence;
}

// Starts a new run of the program, as each opening of a link or a page is.
void freshRun()
{
    surface::Form::DropAll();
    surface::InstallBackend(std::make_unique<headless::HeadlessBackend>(1024, 768));
}

// A link's moment and the same moment clicked by hand, from a fresh start each.
struct ByHand {
    const char* link;
    std::function<void()> clicks;
};

surface::Picture& frontPicture()
{
    if (aktinon_sxedio::instance().InFront())
        return *aktinon_sxedio::instance().controls().eikona;
    return *SQUARE_RIZA::instance().controls().SOURA1;
}

TEST(PreparedMoment, ALinkShowsThePictureAUserReachesByHand)
{
    const auto linearCase = [] {
        shell::StartUp();
        shell::INTROD::instance().controls().Option1->UserClick();
        return &aktinon_sxedio::instance().controls();
    };
    const auto rootCase = [] {
        shell::StartUp();
        shell::INTROD::instance().controls().Option2->UserClick();
        return &SQUARE_RIZA::instance().controls();
    };
    const ByHand rows[] = {
        {"square-root&A=2000&T=4&stopped",
         [&] {
             auto* c = rootCase();
             c->HScroll1->UserMove(2000);
             c->Command5->UserClick();
             c->XRONOS->UserMove(4000);
         }},
        {"square-root&fronts&T=2.5&A=5000&bogus",
         [&] {
             auto* c = rootCase();
             c->HScroll1->UserMove(5000);
             c->Command3->UserClick();
             c->XRONOS->UserMove(2500);
         }},
        {"linear&k=down&t=0.4&stopped",
         [&] {
             auto* c = linearCase();
             c->Option2->UserClick();
             c->Command4->UserClick();
             c->XRONOS->UserMove(400);
         }},
        {"linear&fronts-only&t=0.25&angle=30",
         [&] {
             auto* c = linearCase();
             c->Check2->UserClick();
             c->XRONOS->UserMove(250);
             c->Command5->UserClick();
             c->VScroll1->UserMove(300);
         }},
        // Reached with the bars' keys: A in steps (each clears the picture), the time in one move,
        // as the link moves it; steps of the time bar would leave the faded fronts of each step.
        {"square-root&T=10&fronts&A=1200&stopped",
         [&] {
             auto* c = rootCase();
             c->HScroll1->UserKey(surface::ScrollKey::PageDown);
             c->HScroll1->UserKey(surface::ScrollKey::PageDown);
             c->Command5->UserClick();
             c->Command3->UserClick();
             c->XRONOS->UserKey(surface::ScrollKey::End);
         }},
        // The start-angle bar stands at 0 already: the user moves it away and back to draw the ray.
        {"linear&angle=0",
         [&] {
             auto* c = linearCase();
             c->Command5->UserClick();
             c->VScroll1->UserMove(1);
             c->VScroll1->UserMove(0);
         }},
    };
    for (const ByHand& row : rows) {
        SCOPED_TRACE(row.link);
        freshRun();
        row.clicks();
        const surface::PixelImage byHand = frontPicture().raster().image();
        const std::string handCaption = headless::Headless().FrontCaption();

        freshRun();
        EXPECT_EQ(prepared_moment::OpenLink(row.link).empty(), std::string(row.link).find("bogus") == std::string::npos);
        EXPECT_EQ(headless::Headless().FrontCaption(), handCaption);
        EXPECT_TRUE(frontPicture().raster().image() == byHand);
        EXPECT_EQ(support::StrayPixels(frontPicture().raster().image()), 0);
    }
}

TEST(PreparedMoment, TheLinkToAMomentOpensItAgain)
{
    for (const char* link : {"square-root&A=2000&stopped&T=4", "square-root&A=1000&fronts", "linear&k=down&stopped&t=0.4",
                             "linear&stopped&fronts-only", "linear&angle=-45", "theory"}) {
        SCOPED_TRACE(link);
        freshRun();
        prepared_moment::OpenLink(link);
        const std::string words = prepared_moment::LinkToFront();
        EXPECT_EQ(words, std::string(link) == "linear&angle=-45" ? "linear&stopped&angle=-45" : link);
    }
    // The introduction has no moment to link to.
    freshRun();
    prepared_moment::OpenLink("");
    EXPECT_EQ(prepared_moment::LinkToFront(), "");
}

TEST(PreparedMoment, OneLinkIsOneActionAndSaysOnceWhatItLeftOut)
{
    freshRun();
    const std::size_t before = headless::Headless().Announcements().size();
    const std::string leftOut = prepared_moment::OpenLink("linear&k=down&t=0.3&angle=5&zoom=2");
    EXPECT_EQ(leftOut, "Left out of the link: \"zoom=2\" (not a word of the linear case).");
    // Four handlers ran; a screen reader hears the last of them once.
    EXPECT_EQ(headless::Headless().Announcements().size(), before + 1);
}

// Random text from the pieces links are made of, and bytes of every kind: never a crash, every
// bar within its range, and at most one sentence of bounded length.
TEST(PreparedMoment, RandomTextNeverBreaksTheLinkOrTheWindows)
{
    const std::vector<std::string> pieces{"linear", "square-root", "theory", "&", "=", "k", "up", "down", "t", "T",
                                          "A", "angle", "fronts", "fronts-only", "stopped", "-", ".", "%", "%26",
                                          "0", "1", "5", "9", "\xE2\x88\x92", "\xff", std::string(1, '\0'), " ", "e"};
    std::mt19937 random(29);
    const auto randomText = [&] {
        std::string text;
        const int length = std::uniform_int_distribution<int>(0, 12)(random);
        for (int i = 0; i < length; ++i) {
            if (random() % 4 == 0)
                text.push_back(static_cast<char>(random() % 256));
            else
                text += pieces[random() % pieces.size()];
        }
        return text;
    };
    for (int i = 0; i < 20000; ++i) {
        const std::string text = randomText();
        const moment::ParsedLink parsed = moment::ParseLink(text);
        const std::string sentence = moment::IgnoredSentence(parsed.ignored);
        ASSERT_LT(sentence.size(), 400u) << text;
        for (const char c : sentence)
            ASSERT_TRUE(c >= 0x20 && c < 0x7f) << text;
        // Whatever was understood is understood again from the words written for it.
        ASSERT_EQ(moment::ParseLink(moment::LinkWords(parsed.moment)).moment, parsed.moment) << text;
    }
    // Fewer openings: each draws its window.
    for (int i = 0; i < 300; ++i) {
        const std::string text = randomText();
        SCOPED_TRACE(text);
        freshRun();
        prepared_moment::OpenLink(text);
        EXPECT_NE(headless::Headless().FrontCaption(), "");
        EXPECT_FALSE(headless::Headless().QuitCalled());
    }
}

}  // namespace
