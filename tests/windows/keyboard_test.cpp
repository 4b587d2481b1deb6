// What a keyboard user relies on in the windows' own rules: each window's tab order by TabIndex,
// and scroll bars that move by their changes with one Change a key press.
#include "window_support.h"
#include "windows/linear_case.h"
#include "windows/introduction.h"
#include "windows/square_root_case.h"
#include "surface/tab_stops.h"
#include "windows/startup.h"

#include <algorithm>
#include <functional>
#include <string>
#include <vector>

namespace {

using linear::aktinon_sxedio;
using shell::INTROD;
using square_root::SQUARE_RIZA;
using surface::ScrollKey;

TEST(Keyboard, EveryWindowGivesItsControlsInTabIndexOrder)
{
    shell::StartUp();
    EXPECT_EQ(headless::Headless().TabOrder(INTROD::instance()),
              (std::vector<std::string>{"V LINEAR WITH Y", "V AS SQUARE ROOT", "END", "START", "EXPLANATIONS"}));
    sorvel_kampyles::ShowLinearCase();
    EXPECT_EQ(headless::Headless().TabOrder(aktinon_sxedio::instance()),
              (std::vector<std::string>{"increase  upwards", "decrease upwards",
                                        "ALTERNATIVELY SHOW WAVEFRONTS AND RAYS OR ONLY RAYS", "time",
                                        "SHOW ONLY WAVE FRONTS", "BACK TO INTRODUTION", "END", "TIME", "STOP TIMER",
                                        "SINGLE RAY", "START AGAIN", "start angle of the single ray"}));
    sorvel_kampyles::ShowSquareRootCase();
    EXPECT_EQ(headless::Headless().TabOrder(SQUARE_RIZA::instance()),
              (std::vector<std::string>{"time", "BACK TO INTRODUCTION", "END", "WAVE FRONTS", "A", "value of A",
                                        "TIME ON", "TIME OFF", "start timer", "CONTINUE"}));
}

// The names of the stops Tab meets going round a window from outside it, until it would leave the
// window's controls for its frame; Shift+Tab the other way.
std::vector<std::string> tabRound(const surface::Form& form, bool backward)
{
    std::vector<std::string> names;
    const surface::Control* at = nullptr;
    while ((at = surface::NextTabStop(form.TabOrder(), at, backward)) && names.size() < 50)
        names.push_back(at->AccessibleName());
    return names;
}

// An option group is one stop, entered at its selected button; a hidden control is none; Tab goes
// forward and Shift+Tab back through the same stops, and both leave the controls at their ends.
TEST(Keyboard, TabAndShiftTabGoRoundTheSameStopsWithEachGroupOnce)
{
    shell::StartUp();
    const auto reversed = [](std::vector<std::string> names) {
        std::reverse(names.begin(), names.end());
        return names;
    };
    const std::vector<std::string> introduction{"V AS SQUARE ROOT", "END", "START", "EXPLANATIONS"};
    EXPECT_EQ(tabRound(INTROD::instance(), false), introduction);
    EXPECT_EQ(tabRound(INTROD::instance(), true), reversed(introduction));

    sorvel_kampyles::ShowLinearCase();
    aktinon_sxedio& linear = aktinon_sxedio::instance();
    std::vector<std::string> stops{"increase  upwards", "ALTERNATIVELY SHOW WAVEFRONTS AND RAYS OR ONLY RAYS", "time",
                                   "SHOW ONLY WAVE FRONTS", "BACK TO INTRODUTION", "END", "TIME", "STOP TIMER",
                                   "SINGLE RAY", "START AGAIN"};
    EXPECT_EQ(tabRound(linear, false), stops);
    linear.controls().Command5->UserClick();  // the start-angle bar shows, and is a stop
    linear.controls().Option2->UserClick();
    stops.front() = "decrease upwards";
    stops.push_back("start angle of the single ray");
    EXPECT_EQ(tabRound(linear, false), stops);
    EXPECT_EQ(tabRound(linear, true), reversed(stops));
    // From the option that is not selected (a click put the focus there), Tab goes on from its group.
    EXPECT_EQ(surface::NextTabStop(linear.TabOrder(), linear.controls().Option1.get(), false),
              linear.controls().Check1.get());

    // A group with nothing selected is entered at its first button.
    sorvel_kampyles::ShowSquareRootCase();
    const std::vector<std::string> square{"time", "BACK TO INTRODUCTION", "END", "WAVE FRONTS", "A", "value of A",
                                          "TIME ON", "TIME OFF", "start timer"};
    EXPECT_EQ(tabRound(SQUARE_RIZA::instance(), false), square);
    EXPECT_EQ(surface::FirstTabStop(SQUARE_RIZA::instance().TabOrder()), SQUARE_RIZA::instance().controls().XRONOS.get());
}

// Each key press moves a scroll bar by its SmallChange (arrows), its LargeChange (Page Up and
// Page Down) or to its Min or Max (Home, End), and raises one Change, whose handler then shows it.
TEST(Keyboard, ScrollBarsMoveByTheirChangesAndRaiseOneChangeAPress)
{
    struct Key {
        ScrollKey key;
        int value;  // the bar's value after the press
    };
    struct BarCase {
        const char* bar;
        std::function<surface::ScrollBar*()> open;
        std::function<std::string()> shown;  // what the Change handler leaves for the user to see
        std::vector<Key> keys;
    };
    auto& linear = aktinon_sxedio::instance();
    auto& square = SQUARE_RIZA::instance();
    const std::vector<BarCase> cases{
        {"linear time",
         [&] {
             sorvel_kampyles::ShowLinearCase();
             return linear.controls().XRONOS.get();
         },
         [&] { return std::to_string(linear.SCROLL_NOW); },
         {{ScrollKey::Down, 1},
          {ScrollKey::PageDown, 21},
          {ScrollKey::Up, 20},
          {ScrollKey::PageUp, 0},
          {ScrollKey::End, 1000},
          {ScrollKey::Home, 0}}},
        {"start angle",
         [&] {
             linear.Command5_Click();
             return linear.controls().VScroll1.get();
         },
         [&] { return linear.controls().Label1->Caption(); },
         {{ScrollKey::Down, 1}, {ScrollKey::PageDown, 51}, {ScrollKey::Home, -900}, {ScrollKey::End, 900}}},
        {"square-root time",
         [&] {
             sorvel_kampyles::ShowSquareRootCase();
             return square.controls().XRONOS.get();
         },
         [&] { return std::to_string(square.SCROLL_NOW); },
         {{ScrollKey::Down, 10},
          {ScrollKey::PageDown, 60},
          {ScrollKey::Up, 50},
          {ScrollKey::End, 10000},
          {ScrollKey::Home, 0}}},
        {"A",
         [&] { return square.controls().HScroll1.get(); },
         [&] { return square.controls().Text1->Text(); },
         {{ScrollKey::Home, 500},
          {ScrollKey::Right, 520},
          {ScrollKey::PageDown, 620},
          {ScrollKey::Left, 600},
          {ScrollKey::PageUp, 500},
          {ScrollKey::End, 5000}}},
    };
    for (const BarCase& c : cases) {
        surface::ScrollBar* bar = c.open();
        int changes = 0;
        const std::function<void()> handler = bar->OnChange;
        bar->OnChange = [&] {
            ++changes;
            handler();
        };
        for (const Key& k : c.keys) {
            const std::string before = c.shown();
            changes = 0;
            EXPECT_TRUE(bar->UserKey(k.key));
            EXPECT_EQ(bar->Value(), k.value) << c.bar << " after key " << static_cast<int>(k.key);
            EXPECT_EQ(changes, 1) << c.bar << " after key " << static_cast<int>(k.key);
            EXPECT_NE(c.shown(), before) << c.bar << " after key " << static_cast<int>(k.key);
        }
        // At an end, a key toward it changes nothing and raises nothing.
        changes = 0;
        bar->UserKey(ScrollKey::End);
        bar->UserKey(ScrollKey::Down);
        EXPECT_EQ(bar->Value(), bar->Max()) << c.bar;
        EXPECT_LE(changes, 1) << c.bar;
        bar->OnChange = handler;
    }
}

}  // namespace
