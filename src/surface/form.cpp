// Loads forms on first reference, unloads them when their frame is closed, and ends them all.
#include "surface/form.h"

#include "canvas/twips.h"
#include "surface/application.h"
#include "surface/controls.h"
#include "surface/screen.h"
#include "surface/tab_stops.h"
#include "surface/teacher.h"
#include "surface/timer.h"

#include <set>
#include <vector>

namespace surface {
namespace {

std::set<Form*>& liveForms()
{
    static std::set<Form*> forms;
    return forms;
}

std::vector<std::function<void()>>& drops()
{
    static std::vector<std::function<void()>> all;
    return all;
}

const Form* front = nullptr;  // the window the program last brought to the front
// The window last shown at all: at start-up the window manager may hold the keyboard focus while
// the first window shows, so that it is not brought to the front, yet it is the one in front.
const Form* lastShown = nullptr;

}  // namespace

Form::Form(std::string caption, float clientWidthTwips, float clientHeightTwips)
    : caption_(std::move(caption)), clientWidth_(clientWidthTwips), clientHeight_(clientHeightTwips)
{
    liveForms().insert(this);
}

Form::~Form()
{
    liveForms().erase(this);
    if (front == this)
        front = nullptr;
    if (lastShown == this)
        lastShown = nullptr;
}

void Form::Register(std::function<void()> drop)
{
    drops().push_back(std::move(drop));
}

void Form::DropAll()
{
    // The last made first: a form may refer to those made before it while it goes.
    std::vector<std::function<void()>> all = std::move(drops());
    drops().clear();
    for (auto drop = all.rbegin(); drop != all.rend(); ++drop)
        (*drop)();
}

void Form::HideAll()
{
    for (Form* form : liveForms())
        form->Hide();
}

void Form::ScreenChanged()
{
    // From a copy, so that the loop stays sound whatever a layout does.
    for (Form* form : std::vector<Form*>(liveForms().begin(), liveForms().end()))
        if (form->Visible())
            form->LayOut();
}

void Form::Load()
{
    if (window_)
        return;
    window_ = TheBackend().MakeWindow(*this);
    placedAt_.reset();
    shown_ = false;
    width_ = clientWidth_;
    height_ = clientHeight_;
    place();
    CreateControls(*window_);
    Form_Load();
}

void Form::FrameClosed()
{
    if (!window_)
        return;
    // The controls go first, their timers with them, so no tick reaches a window that is gone.
    std::unique_ptr<WindowPeer> old = std::move(window_);
    shown_ = false;
    tabOrder_.clear();
    fullScreen_ = false;
    DestroyControls();
    old->Hide();
    Closed();
    teacher::UpdateKeepAwake();
}

float Form::get(float Form::*field)
{
    Load();
    return this->*field;
}

void Form::set(float Form::*field, float twips)
{
    Load();
    this->*field = twips;
    place();
}

float Form::ClientWidth()
{
    // A window that fills its screen has no frame to take room.
    const int frame = fullScreen_ ? 0 : TheBackend().FrameSize().width;
    return Width() - static_cast<float>(frame * kTwipsPerPixel);
}

float Form::ClientHeight()
{
    const int frame = fullScreen_ ? 0 : TheBackend().FrameSize().height;
    return Height() - static_cast<float>(frame * kTwipsPerPixel);
}

Form* Form::Front()
{
    if (front && front->Visible())
        return const_cast<Form*>(front);
    return lastShown && lastShown->Visible() ? const_cast<Form*>(lastShown) : nullptr;
}

void Form::SetFullScreen(bool on)
{
    if (!IsLoaded() || on == fullScreen_)
        return;
    fullScreen_ = on;
    window_->SetFullScreen(on);
    // Laid out again for the room it has now; nothing a user set changes.
    if (Visible())
        LayOut();
}

void Form::FullScreenEnded()
{
    for (Form* form : std::vector<Form*>(liveForms().begin(), liveForms().end())) {
        if (!form->fullScreen_)
            continue;
        form->fullScreen_ = false;
        if (form->Visible())
            form->LayOut();
    }
}

void Form::CoverScreen()
{
    SetTop(0);
    SetLeft(0);
    SetWidth(ScreenWidth());
    SetHeight(ScreenHeight());
}

void Form::place()
{
    if (!window_)
        return;
    // Opening procedures stretch their window over the screen on every call: the peer hears only of a change.
    const PixelRect outer = ToPixels(TwipsRect{left_, top_, width_, height_});
    if (outer == placedAt_)
        return;
    placedAt_ = outer;
    window_->SetOuterGeometry(outer);
}

void Form::SetTabOrder(WindowPeer& window, std::initializer_list<const Control*> controls)
{
    tabOrder_.assign(controls);
    surface::SetTabOrder(window, controls);
}

bool Form::InFront() const
{
    return front == this && Visible();
}

void Form::Show()
{
    Load();
    const bool wasInFront = InFront();
    const bool toFront = MayTakeFront();
    shown_ = true;
    lastShown = this;
    window_->Show(toFront);
    if (!toFront)
        return;
    front = this;
    teacher::UpdateKeepAwake();
    if (wasInFront || Timer::Ticking())
        return;
    if (const Control* first = FirstTabStop(tabOrder_))
        first->TakeFocus();
}

void Form::ShowAfterDialog()
{
    Load();
    shown_ = true;
    lastShown = this;
    window_->Show(true);
    front = this;
    teacher::UpdateKeepAwake();
}

void Form::Hide()
{
    if (!window_)
        return;
    shown_ = false;
    window_->Hide();
    teacher::UpdateKeepAwake();
}

}  // namespace surface
