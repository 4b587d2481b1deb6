// A keyboard alone reaches every control a user acts on: Tab order by TabIndex in each window,
// scroll bars that take the focus and move by their changes, buttons and boxes on Space.
#include "window_support.h"
#include "windows/aktinon_sxedio.h"
#include "windows/introd.h"
#include "windows/square_riza.h"
#include "windows/startup.h"

#include <QApplication>
#include <QKeyEvent>
#include <QScrollBar>

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
             return INTROD::instance().controls().Command1->widget();
         },
         {"END", "START", "EXPLANATIONS", "V LINEAR WITH Y"}},
        {"SORVEL",
         [] {
             sorvel_kampyles::ShowLinearCase();
             aktinon_sxedio::instance().Command5_Click();  // SINGLE RAY shows the start-angle bar
             return aktinon_sxedio::instance().controls().Option1->widget();
         },
         {"increase  upwards", "ALTERNATIVELY SHOW WAVEFRONTS AND RAYS OR ONLY RAYS", "time", "SHOW ONLY WAVE FRONTS",
          "BACK TO INTRODUTION", "END", "TIME", "STOP TIMER", "SINGLE RAY", "START AGAIN",
          "start angle of the single ray"}},
        {"CASE OF SQUARE ROOT",
         [] {
             sorvel_kampyles::ShowSquareRootCase();
             return SQUARE_RIZA::instance().controls().XRONOS->widget();
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

// Each key press moves a scroll bar by its SmallChange (arrows), its LargeChange (Page Up and
// Page Down) or to its Min or Max (Home, End), and raises one Change, whose handler then shows it.
TEST(Keyboard, ScrollBarsMoveByTheirChangesAndRaiseOneChangeAPress)
{
    struct Key {
        int key;
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
         {{Qt::Key_Down, 1},
          {Qt::Key_PageDown, 21},
          {Qt::Key_Up, 20},
          {Qt::Key_PageUp, 0},
          {Qt::Key_End, 1000},
          {Qt::Key_Home, 0}}},
        {"start angle",
         [&] {
             linear.Command5_Click();
             return linear.controls().VScroll1.get();
         },
         [&] { return linear.controls().Label1->Caption(); },
         {{Qt::Key_Down, 1}, {Qt::Key_PageDown, 51}, {Qt::Key_Home, -900}, {Qt::Key_End, 900}}},
        {"square-root time",
         [&] {
             sorvel_kampyles::ShowSquareRootCase();
             return square.controls().XRONOS.get();
         },
         [&] { return std::to_string(square.SCROLL_NOW); },
         {{Qt::Key_Down, 10}, {Qt::Key_PageDown, 60}, {Qt::Key_Up, 50}, {Qt::Key_End, 10000}, {Qt::Key_Home, 0}}},
        {"A",
         [&] { return square.controls().HScroll1.get(); },
         [&] { return square.controls().Text1->Text(); },
         {{Qt::Key_Home, 500},
          {Qt::Key_Right, 520},
          {Qt::Key_PageDown, 620},
          {Qt::Key_Left, 600},
          {Qt::Key_PageUp, 500},
          {Qt::Key_End, 5000}}},
    };
    for (const BarCase& c : cases) {
        surface::ScrollBar* bar = c.open();
        EXPECT_EQ(bar->bar()->focusPolicy(), Qt::StrongFocus) << c.bar;  // a click or Tab gives it the focus
        int changes = 0;
        const QMetaObject::Connection counting =
            QObject::connect(bar->bar(), &QScrollBar::valueChanged, [&] { ++changes; });
        for (const Key& k : c.keys) {
            const std::string before = c.shown();
            changes = 0;
            press(bar->bar(), k.key);
            EXPECT_EQ(bar->Value(), k.value) << c.bar << " after key " << k.key;
            EXPECT_EQ(changes, 1) << c.bar << " after key " << k.key;
            EXPECT_NE(c.shown(), before) << c.bar << " after key " << k.key;
        }
        QObject::disconnect(counting);
    }
    linear.Command4_Click();
    square.Command5_Click();
}

// Space presses a focused button or toggles a focused check box, as a click does.
TEST(Keyboard, SpaceActsOnButtonsAndCheckBoxes)
{
    sorvel_kampyles::ShowLinearCase();
    auto& linear = aktinon_sxedio::instance();
    auto& c = linear.controls();
    press(c.Command4->widget(), Qt::Key_Space);  // STOP TIMER
    EXPECT_FALSE(c.Timer1->Enabled());
    press(c.Command3->widget(), Qt::Key_Space);  // TIME
    EXPECT_TRUE(c.Timer1->Enabled());
    press(c.Check2->widget(), Qt::Key_Space);  // SHOW ONLY WAVE FRONTS
    EXPECT_EQ(c.Check2->Value(), 1);
    press(c.Command4->widget(), Qt::Key_Space);

    sorvel_kampyles::ShowSquareRootCase();
    auto& square = SQUARE_RIZA::instance();
    press(square.controls().Command5->widget(), Qt::Key_Space);  // TIME OFF
    EXPECT_FALSE(square.controls().Timer1->Enabled());
}

}  // namespace
