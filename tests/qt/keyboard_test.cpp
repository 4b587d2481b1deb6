// On the desktop a keyboard alone reaches every control a user acts on: Tab order by TabIndex in
// each window, scroll bars that take the focus and their keys, buttons and boxes on Space.
#include "qt_support.h"
#include "windows/linear_case.h"
#include "windows/introduction.h"
#include "windows/square_root_case.h"
#include "windows/startup.h"

#include <QAbstractSlider>
#include <QApplication>
#include <QKeyEvent>

#include <functional>
#include <string>
#include <vector>

namespace {

using linear::aktinon_sxedio;
using shell::INTROD;
using square_root::SQUARE_RIZA;

void press(QWidget* widget, int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
{
    QKeyEvent down(QEvent::KeyPress, key, modifiers);
    QApplication::sendEvent(widget, &down);
    QKeyEvent up(QEvent::KeyRelease, key, modifiers);
    QApplication::sendEvent(widget, &up);
}

// Makes the window the active one with the focus on the first control, then presses Tab (or
// Shift+Tab) once for each further control and returns the names of the controls visited.
std::vector<std::string> visit(QWidget* window, QWidget* first, std::size_t count, bool backward)
{
    window->activateWindow();
    QApplication::setActiveWindow(window);
    first->setFocus(Qt::TabFocusReason);
    std::vector<std::string> names;
    for (std::size_t i = 0; i < count; ++i) {
        QWidget* focus = QApplication::focusWidget();
        names.push_back(focus ? focus->accessibleName().toStdString() : "(none)");
        press(focus ? focus : window, backward ? Qt::Key_Backtab : Qt::Key_Tab);
    }
    return names;
}

struct TabCase {
    const char* window;
    std::function<QWidget*()> open;  // shows the window and returns its first control
    // The controls in TabIndex order. A group of option buttons is one stop, entered at its first
    // button; the arrow keys move within it.
    std::vector<std::string> order;
};

TEST(Keyboard, TabAndShiftTabFollowTheTabIndexOfEveryWindow)
{
    const std::vector<TabCase> cases{
        {"INTRODUCTION",
         [] {
             shell::StartUp();
             return support::WidgetOf(*INTROD::instance().controls().Command1);
         },
         // A group of option buttons is one stop, at its selected option.
         {"END", "START", "EXPLANATIONS", "V AS SQUARE ROOT"}},
        {"SORVEL",
         [] {
             sorvel_kampyles::ShowLinearCase();
             aktinon_sxedio::instance().Command5_Click();  // SINGLE RAY shows the start-angle bar
             return support::WidgetOf(*aktinon_sxedio::instance().controls().Option1);
         },
         {"increase  upwards", "ALTERNATIVELY SHOW WAVEFRONTS AND RAYS OR ONLY RAYS", "time", "SHOW ONLY WAVE FRONTS",
          "BACK TO INTRODUTION", "END", "TIME", "STOP TIMER", "SINGLE RAY", "START AGAIN",
          "start angle of the single ray"}},
        {"CASE OF SQUARE ROOT",
         [] {
             sorvel_kampyles::ShowSquareRootCase();
             return support::WidgetOf(*SQUARE_RIZA::instance().controls().XRONOS);
         },
         {"time", "BACK TO INTRODUCTION", "END", "WAVE FRONTS", "A", "value of A", "TIME ON", "TIME OFF",
          "start timer"}},
    };
    for (const TabCase& c : cases) {
        QWidget* first = c.open();
        QWidget* window = first->window();
        const std::size_t n = c.order.size();
        // Once round and back to the first.
        std::vector<std::string> expected = c.order;
        expected.push_back(c.order.front());
        EXPECT_EQ(visit(window, first, n + 1, false), expected) << c.window;
        std::vector<std::string> backward{c.order.front()};
        backward.insert(backward.end(), c.order.rbegin(), c.order.rend());
        EXPECT_EQ(visit(window, first, n + 1, true), backward) << c.window;
    }
    aktinon_sxedio::instance().Command4_Click();
    SQUARE_RIZA::instance().Command5_Click();
}

// The keys a focused bar gets reach its rules (which the window tests check for every bar): one
// Change a press, and the widget shows where the bar is, vertical and horizontal alike.
TEST(Keyboard, ScrollBarsTakeTheFocusAndTheirKeys)
{
    struct Key {
        int key;
        int value;  // the bar's value after the press
    };
    sorvel_kampyles::ShowSquareRootCase();
    auto& c = SQUARE_RIZA::instance().controls();
    for (auto [bar, keys] :
         {std::pair{
              c.XRONOS.get(),
              std::vector<Key>{{Qt::Key_Down, 10}, {Qt::Key_PageDown, 60}, {Qt::Key_End, 10000}, {Qt::Key_Home, 0}}},
          std::pair{c.HScroll1.get(),
                    std::vector<Key>{
                        {Qt::Key_Right, 1020}, {Qt::Key_PageUp, 920}, {Qt::Key_Left, 900}, {Qt::Key_End, 5000}}}}) {
        QWidget* widget = support::WidgetOf(*bar);
        EXPECT_EQ(widget->focusPolicy(), Qt::StrongFocus);  // a click or Tab gives it the focus
        int changes = 0;
        const std::function<void()> handler = bar->OnChange;
        bar->OnChange = [&] {
            ++changes;
            handler();
        };
        for (const Key& k : keys) {
            changes = 0;
            press(widget, k.key);
            EXPECT_EQ(bar->Value(), k.value) << bar->AccessibleName() << " after key " << k.key;
            EXPECT_EQ(changes, 1) << bar->AccessibleName() << " after key " << k.key;
            EXPECT_EQ(static_cast<QAbstractSlider*>(widget)->value(), bar->Value());
        }
        bar->OnChange = handler;
    }
    SQUARE_RIZA::instance().Command5_Click();
}

// Space presses a focused button or toggles a focused check box, as a click does.
TEST(Keyboard, SpaceActsOnButtonsAndCheckBoxes)
{
    sorvel_kampyles::ShowLinearCase();
    auto& linear = aktinon_sxedio::instance();
    auto& c = linear.controls();
    press(support::WidgetOf(*c.Command4), Qt::Key_Space);  // STOP TIMER
    EXPECT_FALSE(c.Timer1->Enabled());
    press(support::WidgetOf(*c.Command3), Qt::Key_Space);  // TIME
    EXPECT_TRUE(c.Timer1->Enabled());
    press(support::WidgetOf(*c.Check2), Qt::Key_Space);  // SHOW ONLY WAVE FRONTS
    EXPECT_EQ(c.Check2->Value(), 1);
    press(support::WidgetOf(*c.Command4), Qt::Key_Space);

    sorvel_kampyles::ShowSquareRootCase();
    auto& square = SQUARE_RIZA::instance();
    press(support::WidgetOf(*square.controls().Command5), Qt::Key_Space);  // TIME OFF
    EXPECT_FALSE(square.controls().Timer1->Enabled());
}

}  // namespace
