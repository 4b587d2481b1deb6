// A seeded monkey: thousands of random user actions over all four windows, with the program's
// invariants checked after every one. SORVEL_MONKEY_SEED and SORVEL_MONKEY_ACTIONS replay a run.
#include "model/shared/clipped_drawing.h"
#include "model/shared/module_values.h"
#include "surface/application.h"
#include "window_support.h"
#include "windows/linear_case.h"
#include "windows/theory_window.h"
#include "windows/introduction.h"
#include "windows/square_root_case.h"
#include "windows/startup.h"

#include <cmath>
#include <cstdlib>
#include <deque>
#include <functional>
#include <map>
#include <optional>
#include <random>
#include <sstream>

namespace {

using linear::aktinon_sxedio;
using shell::EXPALANATIONS;
using shell::INTROD;
using square_root::SQUARE_RIZA;

// Watches what reaches a picture: every coordinate finite, every segment clipped to the drawing limit.
class BoundsCanvas : public surface::Canvas {
public:
    void Scale(float, float, float, float) override {}
    void Cls() override {}
    void Line(float x1, float y1, float x2, float y2, std::optional<surface::Rgb>) override { check({x1, y1, x2, y2}); }
    void PSet(float x, float y, std::optional<surface::Rgb>) override { check({x, y}); }
    void Print(const std::string&) override { check({currentX_, currentY_}); }
    void SetDrawWidth(int pixels) override { width_ = pixels; }
    int DrawWidth() const override { return width_; }
    void SetCurrentX(float x) override { currentX_ = x; }
    void SetCurrentY(float y) override { currentY_ = y; }
    // What can reach the watched picture is what it watches: the trains leave out, for it as for
    // the picture, the fronts that have left the picture, which after hours of running are most.
    std::optional<surface::UserBox> Reach(int width) const override
    {
        return picture ? picture->Reach(width) : std::nullopt;
    }

    const surface::Canvas* picture = nullptr;
    long long operations = 0;
    std::string fault;

private:
    void check(std::initializer_list<float> values)
    {
        ++operations;
        for (const float v : values)
            if (!std::isfinite(v) || std::fabs(v) > sorvel_kampyles::kDrawingLimit * 1.001)
                fault = "coordinate " + std::to_string(v) + " reached the canvas";
    }
    int width_ = 1;
    float currentX_ = 0, currentY_ = 0;
};

bool loadedAndShown(surface::Form& form)
{
    return form.IsLoaded() && form.Visible();
}

// The state the handler rules speak of, read before and after each action.
struct Snapshot {
    bool linearLoaded = false, squareLoaded = false;
    long long linearTicks = 0, squareTicks = 0;
    double linearNow = 0, linearPrev = 0, linearScrollNow = 0, linearScrollPrev = 0;
    double squareNow = 0, squarePrev = 0, squareScrollNow = 0, squareScrollPrev = 0;
    int linearBar = 0, squareBar = 0;
    int linearK = 0;
    bool startTimerSelected = false;

    static Snapshot take()
    {
        Snapshot s;
        aktinon_sxedio& L = aktinon_sxedio::instance();
        SQUARE_RIZA& S = SQUARE_RIZA::instance();
        s.linearLoaded = L.IsLoaded();
        s.squareLoaded = S.IsLoaded();
        s.linearTicks = L.METRHTHS_LINEAR;
        s.linearNow = L.TIMER_NOW;
        s.linearPrev = L.TIMER_PREV;
        s.linearScrollNow = L.SCROLL_NOW;
        s.linearScrollPrev = L.SCROLL_PREV;
        s.linearK = L.SPEED_K;
        s.squareTicks = S.METRITIS_SQUARE;
        s.squareNow = S.TIMER_NOW;
        s.squarePrev = S.TIMER_PREV;
        s.squareScrollNow = S.SCROLL_NOW;
        s.squareScrollPrev = S.SCROLL_PREV;
        if (s.linearLoaded)
            s.linearBar = L.controls().XRONOS->Value();
        if (s.squareLoaded) {
            s.squareBar = S.controls().XRONOS->Value();
            s.startTimerSelected = S.controls().starttimer->Value();
        }
        return s;
    }
};

class Monkey {
public:
    explicit Monkey(unsigned seed) : random_(seed), seed_(seed) { addActions(); }

    // Runs the actions; returns the first broken rule, with the seed and the last actions, or "".
    std::string run(int count)
    {
        support::MessageCapture messages;
        shell::StartUp();
        for (int done = 0; done < count; ++done) {
            std::vector<std::size_t> eligible;
            int total = 0;
            for (std::size_t i = 0; i < actions_.size(); ++i)
                if (actions_[i].eligible()) {
                    eligible.push_back(i);
                    total += actions_[i].weight;
                }
            int pick = std::uniform_int_distribution<int>(0, total - 1)(random_);
            std::size_t chosen = eligible.front();
            for (const std::size_t i : eligible) {
                pick -= actions_[i].weight;
                if (pick < 0) {
                    chosen = i;
                    break;
                }
            }
            watchPictures();
            const Snapshot before = Snapshot::take();
            expectedK_.reset();
            std::string detail;
            actions_[chosen].run(detail);
            remember(actions_[chosen].name + detail);
            ++counts[actions_[chosen].name];
            if (std::string fault = check(before, actions_[chosen].name); !fault.empty())
                return report(done, fault);
            if (!messages.messages.empty())
                return report(done, "a message box was raised: " + messages.messages.front());
            ++actionsRun;
        }
        // The last action of a run is always END, which must stop everything.
        INTROD::instance().controls().Command1->UserClick();
        remember("INTROD END");
        if (!surface::EndRequested())
            return report(count, "END did not end the program");
        for (surface::Form* form :
             std::initializer_list<surface::Form*>{&aktinon_sxedio::instance(), &SQUARE_RIZA::instance()})
            if (form->IsLoaded() && form->Visible())
                return report(count, "a window stayed visible after END");
        if (aktinon_sxedio::instance().IsLoaded() && aktinon_sxedio::instance().controls().Timer1->Enabled())
            return report(count, "the linear timer runs after END");
        if (SQUARE_RIZA::instance().IsLoaded() && SQUARE_RIZA::instance().controls().Timer1->Enabled())
            return report(count, "the square-root timer runs after END");
        return {};
    }

    int actionsRun = 0;
    std::map<std::string, int> counts;
    long long operationsSeen = 0;
    double longestLinearTime = 0, longestSquareTime = 0;

private:
    struct Action {
        std::string name;
        int weight;
        std::function<bool()> eligible;
        std::function<void(std::string& detail)> run;
    };

    void add(std::string name, int weight, std::function<bool()> eligible, std::function<void(std::string&)> run)
    {
        actions_.push_back({std::move(name), weight, std::move(eligible), std::move(run)});
    }

    int anyValue(int min, int max)
    {
        const int roll = std::uniform_int_distribution<int>(0, 9)(random_);
        if (roll == 0)
            return min;
        if (roll == 1)
            return max;
        return std::uniform_int_distribution<int>(min, max)(random_);
    }

    void addActions()
    {
        const auto introd = [] { return loadedAndShown(INTROD::instance()); };
        const auto linearShown = [] { return loadedAndShown(aktinon_sxedio::instance()); };
        const auto squareShown = [] { return loadedAndShown(SQUARE_RIZA::instance()); };
        const auto theoryShown = [] { return loadedAndShown(EXPALANATIONS::instance()); };
        const auto I = [] { return &INTROD::instance().controls(); };
        const auto L = [] { return &aktinon_sxedio::instance().controls(); };
        const auto S = [] { return &SQUARE_RIZA::instance().controls(); };
        // Closing the last window would end the program. The monkey closes a window only while one
        // with buttons stays shown, from which every window can be reached again.
        const auto withButtons = [=] { return introd() + linearShown() + squareShown(); };
        const auto closable = [=](auto shown, int ownButtons) {
            return [=] { return shown() && withButtons() > ownButtons; };
        };
        const auto linearK = [] { return aktinon_sxedio::instance().controls().Option1->Value() ? -8 : 8; };

        add("INTROD V LINEAR WITH Y", 2, introd, [=](std::string&) { I()->Option1->UserClick(); });
        add("INTROD V AS SQUARE ROOT", 2, introd, [=](std::string&) { I()->Option2->UserClick(); });
        add("INTROD START", 3, introd, [=](std::string&) { I()->Command2->UserClick(); });
        add("INTROD EXPLANATIONS", 1, introd, [=](std::string&) { I()->Command3->UserClick(); });
        add("INTROD close", 1, closable(introd, 1), [](std::string&) { INTROD::instance().FrameClosed(); });

        add("THEORY type", 1, theoryShown,
            [](std::string&) { EXPALANATIONS::instance().controls().Text1->SetText("typed"); });
        add("THEORY close", 1, closable(theoryShown, 0), [](std::string&) { EXPALANATIONS::instance().FrameClosed(); });

        add("SORVEL increase upwards", 2, linearShown, [=](std::string&) { L()->Option1->UserClick(); });
        add("SORVEL decrease upwards", 2, linearShown, [=](std::string&) { L()->Option2->UserClick(); });
        add("SORVEL ALTERNATIVELY", 1, linearShown, [=](std::string&) { L()->Check1->UserClick(); });
        add("SORVEL SHOW ONLY WAVE FRONTS", 2, linearShown, [=, this](std::string&) {
            L()->Check2->UserClick();
            expectedK_ = linearK();
        });
        add("SORVEL XRONOS", 4, linearShown, [=, this](std::string& detail) {
            const int value = anyValue(0, 1000);
            detail = " " + std::to_string(value);
            const bool changes = value != L()->XRONOS->Value();
            L()->XRONOS->SetValue(value);
            if (changes)
                expectedK_ = linearK();
        });
        add("SORVEL BACK TO INTRODUTION", 2, linearShown, [=](std::string&) { L()->Command1->UserClick(); });
        add("SORVEL TIME", 2, linearShown, [=](std::string&) { L()->Command3->UserClick(); });
        add("SORVEL STOP TIMER", 2, linearShown, [=](std::string&) { L()->Command4->UserClick(); });
        add("SORVEL SINGLE RAY", 2, linearShown, [=](std::string&) { L()->Command5->UserClick(); });
        add("SORVEL START AGAIN", 2, linearShown, [=](std::string&) { L()->Command6->UserClick(); });
        add(
            "SORVEL VScroll1", 4, [=] { return linearShown() && L()->VScroll1->Visible(); },
            [=, this](std::string& detail) {
                const int value = anyValue(-900, 900);
                detail = " " + std::to_string(value);
                const bool changes = value != L()->VScroll1->Value();
                L()->VScroll1->SetValue(value);
                if (changes)
                    expectedK_ = linearK();
            });
        add(
            "SORVEL tick", 25, [=] { return aktinon_sxedio::instance().IsLoaded() && L()->Timer1->Enabled(); },
            [=, this](std::string&) {
                aktinon_sxedio::instance().Timer1_Timer();
                expectedK_ = linearK();
            });
        // The timer left running for hours: the count has moved far on, and real actions go on from there.
        add(
            "SORVEL hours later", 1, [] { return aktinon_sxedio::instance().IsLoaded(); },
            [this](std::string& detail) {
                skipped_ = std::uniform_int_distribution<long long>(1000, 150000)(random_);
                detail = " " + std::to_string(skipped_) + " ticks";
                // As the last of those ticks left the window: its count, and its time.
                aktinon_sxedio& L = aktinon_sxedio::instance();
                L.METRHTHS_LINEAR += skipped_;
                L.TIMER_NOW = static_cast<double>(L.METRHTHS_LINEAR - 1) / 1000;
            });
        add("SORVEL time key", 2, linearShown, [=, this](std::string& detail) {
            const auto key = static_cast<surface::ScrollKey>(std::uniform_int_distribution<int>(0, 7)(random_));
            detail = " " + std::to_string(static_cast<int>(key));
            const int before = L()->XRONOS->Value();
            L()->XRONOS->UserKey(key);
            if (L()->XRONOS->Value() != before)
                expectedK_ = linearK();
        });
        add("SORVEL close", 1, closable(linearShown, 1),
            [](std::string&) { aktinon_sxedio::instance().FrameClosed(); });

        add("SQUARE BACK TO INTRODUCTION", 2, squareShown, [=](std::string&) { S()->Command1->UserClick(); });
        add("SQUARE WAVE FRONTS", 1, squareShown, [=, this](std::string&) {
            S()->Command3->UserClick();
        });
        add("SQUARE TIME ON", 3, squareShown, [=](std::string&) { S()->Command4->UserClick(); });
        add("SQUARE TIME OFF", 2, squareShown, [=](std::string&) { S()->Command5->UserClick(); });
        add("SQUARE start timer", 2, squareShown, [=](std::string&) { S()->starttimer->UserClick(); });
        add("SQUARE CONTINUE", 1, squareShown, [=](std::string&) { S()->CONTINUETIME->UserClick(); });
        add("SQUARE HScroll1", 2, squareShown, [=, this](std::string& detail) {
            const int value = anyValue(500, 5000);
            detail = " " + std::to_string(value);
            S()->HScroll1->SetValue(value);
        });
        add("SQUARE XRONOS", 3, squareShown, [=, this](std::string& detail) {
            const int value = anyValue(0, 10000);
            detail = " " + std::to_string(value);
            const bool changes = value != S()->XRONOS->Value();
            S()->XRONOS->SetValue(value);
        });
        add(
            "SQUARE tick", 20, [=] { return SQUARE_RIZA::instance().IsLoaded() && S()->Timer1->Enabled(); },
            [=, this](std::string&) {
                SQUARE_RIZA::instance().Timer1_Timer();
            });
        add(
            "SQUARE hours later", 1, [] { return SQUARE_RIZA::instance().IsLoaded(); },
            [this](std::string& detail) {
                skipped_ = std::uniform_int_distribution<long long>(100, 25000)(random_);
                detail = " " + std::to_string(skipped_) + " ticks";
                SQUARE_RIZA& S = SQUARE_RIZA::instance();
                S.METRITIS_SQUARE += skipped_;
                S.TIMER_NOW = static_cast<double>(S.METRITIS_SQUARE - 1) / 50;
            });
        add("SQUARE time key", 2, squareShown, [=, this](std::string& detail) {
            const auto key = static_cast<surface::ScrollKey>(std::uniform_int_distribution<int>(0, 7)(random_));
            detail = " " + std::to_string(static_cast<int>(key));
            const int before = S()->XRONOS->Value();
            S()->XRONOS->UserKey(key);
        });
        add("SQUARE close", 1, closable(squareShown, 1), [](std::string&) { SQUARE_RIZA::instance().FrameClosed(); });

        add(
            "screen", 1, [] { return true; },
            [this](std::string& detail) {
                // Monitors, projectors, tablets held upright and zoomed browsers.
                static const surface::PixelSize screens[] = {{640, 480},   {800, 600},   {1024, 768},
                                                             {1280, 1024}, {1920, 1080}, {3840, 2160},
                                                             {768, 1024},  {1080, 1920}, {683, 384}};
                const surface::PixelSize screen = screens[std::uniform_int_distribution<int>(0, 8)(random_)];
                detail = " " + std::to_string(screen.width) + "x" + std::to_string(screen.height);
                headless::Headless().SetScreen(screen.width, screen.height);
            });
    }

    void watchPictures()
    {
        if (aktinon_sxedio::instance().IsLoaded()) {
            linearWatch_.picture = &aktinon_sxedio::instance().controls().eikona->raster();
            aktinon_sxedio::instance().controls().eikona->SetObserver(&linearWatch_);
        }
        if (SQUARE_RIZA::instance().IsLoaded()) {
            squareWatch_.picture = &SQUARE_RIZA::instance().controls().SOURA1->raster();
            SQUARE_RIZA::instance().controls().SOURA1->SetObserver(&squareWatch_);
        }
    }

    std::string check(const Snapshot& before, const std::string& action)
    {
        const Snapshot after = Snapshot::take();
        std::ostringstream fault;
        for (BoundsCanvas* watch : {&linearWatch_, &squareWatch_})
            if (!watch->fault.empty())
                return watch->fault;
        operationsSeen = linearWatch_.operations + squareWatch_.operations;
        for (surface::Form* form :
             std::initializer_list<surface::Form*>{&aktinon_sxedio::instance(), &SQUARE_RIZA::instance()}) {
            if (!form->IsLoaded())
                continue;
            surface::Picture& picture = form == &SQUARE_RIZA::instance()
                                            ? *SQUARE_RIZA::instance().controls().SOURA1
                                            : *aktinon_sxedio::instance().controls().eikona;
            if (picture.raster().rejectedOperations() != 0)
                return "a coordinate that is not finite reached a picture";
            if (picture.Width() != picture.Height() || picture.Width() <= 0)
                return "a picture is not square";
            if (actionsRun % 500 == 0 && support::StrayPixels(picture.raster().image()) != 0)
                return "a picture holds pixels of a colour the program never draws";
        }

        // The linear window's tick counter and times.
        const bool linearTick = action == "SORVEL tick";
        const long long ticks = linearTick                       ? before.linearTicks + 1
                                : action == "SORVEL START AGAIN" ? 0
                                : action == "SORVEL hours later" ? before.linearTicks + skipped_
                                                                 : before.linearTicks;
        const aktinon_sxedio& L = aktinon_sxedio::instance();
        if (L.METRHTHS_LINEAR != ticks)
            fault << "METRHTHS_LINEAR " << L.METRHTHS_LINEAR << " instead of " << ticks;
        else if (linearTick && (L.TIMER_PREV != before.linearNow || L.TIMER_NOW != before.linearTicks / 1000.0))
            fault << "linear tick times " << L.TIMER_PREV << ", " << L.TIMER_NOW;
        else if (!linearTick && action != "SORVEL hours later" &&
                 (L.TIMER_NOW != before.linearNow || L.TIMER_PREV != before.linearPrev))
            fault << "linear tick times changed without a tick";
        else if (std::string bar =
                     barRule(before.linearLoaded && after.linearLoaded, before.linearBar, after.linearBar,
                             before.linearScrollNow, before.linearScrollPrev, L.SCROLL_NOW, L.SCROLL_PREV);
                 !bar.empty())
            fault << "linear " << bar;

        // The square-root window's.
        const bool squareTick = action == "SQUARE tick";
        const SQUARE_RIZA& S = SQUARE_RIZA::instance();
        long long squareTicks = squareTick ? before.squareTicks + 1 : before.squareTicks;
        if (action == "SQUARE hours later")
            squareTicks += skipped_;
        if (action == "SQUARE TIME ON" && before.startTimerSelected)
            squareTicks = 1;
        const double previous = before.startTimerSelected && before.squareTicks == 0 ? 0 : before.squareNow;
        if (!fault.str().empty()) {
        } else if (S.METRITIS_SQUARE != squareTicks)
            fault << "METRITIS_SQUARE " << S.METRITIS_SQUARE << " instead of " << squareTicks;
        else if (squareTick && (S.TIMER_PREV != previous || S.TIMER_NOW != before.squareTicks / 50.0))
            fault << "square-root tick times " << S.TIMER_PREV << ", " << S.TIMER_NOW;
        else if (!squareTick && action != "SQUARE hours later" &&
                 (S.TIMER_NOW != before.squareNow || S.TIMER_PREV != before.squarePrev))
            fault << "square-root tick times changed without a tick";
        else if (std::string bar =
                     barRule(before.squareLoaded && after.squareLoaded, before.squareBar, after.squareBar,
                             before.squareScrollNow, before.squareScrollPrev, S.SCROLL_NOW, S.SCROLL_PREV);
                 !bar.empty())
            fault << "square-root " << bar;
        else if (expectedK_ && L.SPEED_K != *expectedK_)
            fault << "SPEED_K " << L.SPEED_K << " instead of " << *expectedK_;
        else if (action.rfind("SQUARE", 0) == 0 && L.SPEED_K != before.linearK)
            fault << "the square-root window changed the linear window's k to " << L.SPEED_K;
        longestLinearTime = std::max(longestLinearTime, L.TIMER_NOW);
        longestSquareTime = std::max(longestSquareTime, S.TIMER_NOW);
        return fault.str();
    }

    // A time bar's memories move only when its value changes, to the value in thousandths.
    static std::string barRule(bool stayedLoaded, int before, int after, double nowBefore, double prevBefore,
                               double now, double prev)
    {
        if (stayedLoaded && before != after) {
            if (now != after / 1000.0 || prev != nowBefore)
                return "time bar memories " + std::to_string(prev) + ", " + std::to_string(now) + " after a move to " +
                       std::to_string(after);
        } else if (now != nowBefore || prev != prevBefore) {
            return "time bar memories changed without a move";
        }
        return {};
    }

    void remember(const std::string& action)
    {
        last_.push_back(action);
        if (last_.size() > 30)
            last_.pop_front();
    }

    std::string report(int done, const std::string& fault)
    {
        std::ostringstream text;
        text << fault << "\nafter " << done + 1 << " actions; replay with SORVEL_MONKEY_SEED=" << seed_
             << " SORVEL_MONKEY_ACTIONS=" << done + 1 << "\nlast actions:";
        for (const std::string& action : last_)
            text << "\n  " << action;
        return text.str();
    }

    std::mt19937 random_;
    unsigned seed_;
    std::vector<Action> actions_;
    std::deque<std::string> last_;
    std::optional<int> expectedK_;
    long long skipped_ = 0;  // ticks the last "hours later" moved a counter on
    BoundsCanvas linearWatch_, squareWatch_;
};

unsigned fromEnvironment(const char* name, unsigned fallback)
{
    const char* value = std::getenv(name);
    return value && *value ? static_cast<unsigned>(std::strtoul(value, nullptr, 10)) : fallback;
}

TEST(Monkey, TwentyThousandRandomActionsKeepEveryRule)
{
    const unsigned seed = fromEnvironment("SORVEL_MONKEY_SEED", 20261208);
    const int count = static_cast<int>(fromEnvironment("SORVEL_MONKEY_ACTIONS", 20000));
    Monkey monkey(seed);
    const std::string fault = monkey.run(count);
    EXPECT_TRUE(fault.empty()) << fault;
    // Hours of running are part of the walk: the long times at which fronts leave the picture.
    if (count >= 20000) {
        EXPECT_GE(monkey.longestLinearTime, 100);
        EXPECT_GE(monkey.longestSquareTime, 400);
    }
    for (const auto& [name, n] : monkey.counts)
        std::printf("%6d  %s\n", n, name.c_str());
    std::printf(
        "seed %u: %d actions, %lld drawing operations watched, longest times %.3f s (linear) and %.2f (square root)\n",
        seed, monkey.actionsRun, monkey.operationsSeen, monkey.longestLinearTime, monkey.longestSquareTime);
}

}  // namespace
