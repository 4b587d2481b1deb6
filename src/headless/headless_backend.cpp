// Peers that remember what they were told, and a stacking order of shown windows.
#include "headless/headless_backend.h"

#include "surface/controls.h"
#include "surface/form.h"
#include "surface/screen_scale.h"
#include "surface/timer.h"

#include <algorithm>
#include <cmath>
#include <functional>

namespace headless {

namespace {

// What every peer remembers, and the control it belongs to.
struct Remembered : Told {
    virtual ~Remembered() = default;
    surface::Control* control = nullptr;
    std::function<void()> focus;          // tells the back end that this peer took the focus
    const Remembered* namedBy = nullptr;  // the label tied to it
    surface::PixelRect geometry;
    bool shown = true;
    int told = 0;  // places and texts
};

template <class Base>
class Peer : public Base, public Remembered {
public:
    explicit Peer(surface::Control& of) { control = &of; }
    void SetGeometry(const surface::PixelRect& rect) override
    {
        geometry = rect;
        ++told;
    }
    void SetVisible(bool visible) override { shown = visible; }
    void SetAccessibleName(const std::string& text) override { name = text; }
    void SetDescription(const std::string& text) override { description = text; }
    void TakeFocus() override { focus(); }
    void SetLabelledBy(surface::ControlPeer& label) override { namedBy = &dynamic_cast<Remembered&>(label); }
};

class Caption : public Peer<surface::TogglePeer> {
public:
    using Peer::Peer;
    void SetCaption(const std::string&) override {}
    void SetChecked(bool) override {}
};

class Bar : public Peer<surface::ScrollBarPeer> {
public:
    using Peer::Peer;
    void SetValue(int) override {}
    void SetValueText(const std::string& text) override { valueText = text; }
};

class Text : public Peer<surface::TextBoxPeer> {
public:
    using Peer::Peer;
    void SetText(const std::string&) override { ++told; }
    void SetFontSize(double) override {}
    double DefaultFontSize() const override { return 9; }
};

class Picture : public Peer<surface::PicturePeer> {
public:
    Picture(surface::Control& of, HeadlessBackend& backend, std::function<void()> gone)
        : Peer(of), backend_(backend), gone_(std::move(gone))
    {
    }
    ~Picture() override { gone_(); }
    double DevicePixelRatio() const override { return backend_.PictureRatio(); }
    void Update() override {}
    void ShowMenu(const std::vector<std::string>& items) override { backend_.ShowMenu(items); }

private:
    HeadlessBackend& backend_;
    std::function<void()> gone_;  // the back end forgets the picture
};

}  // namespace

class HeadlessWindow : public surface::WindowPeer {
public:
    HeadlessWindow(HeadlessBackend& backend, const surface::Form& form) : backend_(backend), form_(form) {}
    ~HeadlessWindow() override { Hide(); }

    void SetOuterGeometry(const surface::PixelRect& rect) override
    {
        outer = rect;
        ++told;
    }
    void Show(bool toFront) override { backend_.windows_.Show(this, toFront); }
    void Hide() override { backend_.windows_.Hide(this); }
    void SetFullScreen(bool on) override { fullScreen = on; }
    void MarkAsDialog() override { dialog = true; }
    void SetTabOrder(const std::vector<surface::ControlPeer*>& order) override
    {
        tabOrder.clear();
        for (surface::ControlPeer* peer : order)
            tabOrder.push_back(dynamic_cast<Remembered&>(*peer).name);
    }
    void SetGroup(const std::string& name, const std::vector<surface::ControlPeer*>& members) override
    {
        std::string group = name + ":";
        for (surface::ControlPeer* peer : members)
            group += (group.back() == ':' ? " " : ", ") + dynamic_cast<Remembered&>(*peer).name;
        groups.push_back(group);
    }

    std::unique_ptr<surface::CaptionPeer> MakeButton(surface::CommandButton& c) override { return keep<Caption>(c); }
    std::unique_ptr<surface::TogglePeer> MakeOptionButton(surface::OptionButton& c) override
    {
        return keep<Caption>(c);
    }
    std::unique_ptr<surface::TogglePeer> MakeCheckBox(surface::CheckBox& c) override { return keep<Caption>(c); }
    std::unique_ptr<surface::ScrollBarPeer> MakeScrollBar(surface::ScrollBar& c) override { return keep<Bar>(c); }
    std::unique_ptr<surface::CaptionPeer> MakeLabel(surface::Label& c) override { return keep<Caption>(c); }
    std::unique_ptr<surface::TextBoxPeer> MakeTextBox(surface::TextBox& c) override { return keep<Text>(c); }
    std::unique_ptr<surface::PicturePeer> MakePicture(surface::Picture& c) override
    {
        backend_.pictures_.push_back(&c);
        auto peer =
            std::make_unique<Picture>(c, backend_, [&c, &pictures = backend_.pictures_] { std::erase(pictures, &c); });
        remember(*peer);
        return peer;
    }

    // The peer of this window whose accessible name this is, or null.
    const Remembered* find(const std::string& name) const
    {
        for (const Remembered* peer : peers)
            if (peer->name == name)
                return peer;
        return nullptr;
    }

    std::vector<Remembered*> peers;

    const surface::Form& form() const { return form_; }

    surface::PixelRect outer;
    int told = 0;  // outer geometries
    bool fullScreen = false;
    bool dialog = false;

private:
    template <class Kind, class Control>
    std::unique_ptr<Kind> keep(Control& control)
    {
        auto peer = std::make_unique<Kind>(control);
        remember(*peer);
        return peer;
    }
    void remember(Remembered& peer)
    {
        peers.push_back(&peer);
        peer.focus = [this, &peer] {
            backend_.focused_ = form_.Caption() + ": " + peer.name;
            backend_.focusedControl_ = peer.control;
        };
    }

public:
    std::vector<std::string> tabOrder;
    std::vector<std::string> groups;

private:
    HeadlessBackend& backend_;
    const surface::Form& form_;
};

class HeadlessTimer : public surface::TimerPeer {
public:
    HeadlessTimer(HeadlessBackend& backend, surface::Timer& timer) : backend_(backend), timer_(timer)
    {
        backend_.timers_.push_back(this);
    }
    ~HeadlessTimer() override { std::erase(backend_.timers_, this); }
    void Arm(int) override { armed = true; }
    void Disarm() override { armed = false; }

    void fire()
    {
        if (!armed)
            return;
        armed = false;
        timer_.Fire();
    }

    bool armed = false;

private:
    HeadlessBackend& backend_;
    surface::Timer& timer_;
};

double HeadlessBackend::Scale() const
{
    return surface::ProgramScale(screen_);
}

surface::PixelSize HeadlessBackend::ScreenPixels() const
{
    return surface::ProgramScreen(screen_, Scale());
}

std::unique_ptr<surface::WindowPeer> HeadlessBackend::MakeWindow(surface::Form& form)
{
    return std::make_unique<HeadlessWindow>(*this, form);
}

std::unique_ptr<surface::TimerPeer> HeadlessBackend::MakeTimer(surface::Timer& timer)
{
    return std::make_unique<HeadlessTimer>(*this, timer);
}

void HeadlessBackend::SetScreen(int width, int height)
{
    const double ratio = PictureRatio();
    screen_ = {width, height};
    if (PictureRatio() != ratio)
        for (surface::Picture* picture : std::vector<surface::Picture*>(pictures_))
            picture->DevicePixelRatioChanged();
    surface::Form::ScreenChanged();
}

const HeadlessWindow* HeadlessBackend::windowOf(const surface::Form& form) const
{
    // Only shown windows are in the stack; a loaded, hidden one has kept what it was told too,
    // but tests ask of shown ones.
    for (const HeadlessWindow* window : windows_.Order())
        if (&window->form() == &form)
            return window;
    return nullptr;
}

std::string HeadlessBackend::FrontCaption() const
{
    const HeadlessWindow* front = windows_.Front();
    return front ? front->form().Caption() : std::string();
}

surface::PixelRect HeadlessBackend::OuterGeometry(const surface::Form& form) const
{
    const HeadlessWindow* window = windowOf(form);
    return window ? window->outer : surface::PixelRect{};
}

bool HeadlessBackend::FullScreen(const surface::Form& form) const
{
    const HeadlessWindow* window = windowOf(form);
    return window && window->fullScreen;
}

bool HeadlessBackend::Dialog(const surface::Form& form) const
{
    const HeadlessWindow* window = windowOf(form);
    return window && window->dialog;
}

std::vector<surface::Control*> HeadlessBackend::Controls(const surface::Form& form) const
{
    std::vector<surface::Control*> controls;
    if (const HeadlessWindow* window = windowOf(form))
        for (const Remembered* peer : window->peers)
            controls.push_back(peer->control);
    return controls;
}

int HeadlessBackend::TimesTold(const surface::Form& form) const
{
    const HeadlessWindow* window = windowOf(form);
    if (!window)
        return 0;
    int told = window->told;
    for (const Remembered* peer : window->peers)
        told += peer->told;
    return told;
}

std::vector<std::string> HeadlessBackend::TabOrder(const surface::Form& form) const
{
    const HeadlessWindow* window = windowOf(form);
    return window ? window->tabOrder : std::vector<std::string>{};
}

void HeadlessBackend::FireTimers()
{
    // A tick may close windows and so end timers: fire from a copy, skipping those gone.
    const std::vector<HeadlessTimer*> due = timers_;
    for (HeadlessTimer* timer : due)
        if (std::find(timers_.begin(), timers_.end(), timer) != timers_.end())
            timer->fire();
}

surface::Control* HeadlessBackend::Find(const std::string& caption, const std::string& name) const
{
    for (const HeadlessWindow* window : windows_.Order())
        if (window->form().Caption() == caption) {
            const Remembered* peer = window->find(name);
            return peer ? peer->control : nullptr;
        }
    return nullptr;
}

std::optional<Told> HeadlessBackend::WhatWasTold(const std::string& caption, const std::string& name) const
{
    for (const HeadlessWindow* window : windows_.Order())
        if (window->form().Caption() == caption) {
            const Remembered* peer = window->find(name);
            if (!peer)
                return std::nullopt;
            Told told = *peer;
            if (peer->namedBy)
                told.labelledBy = peer->namedBy->name;  // the label's caption as it reads now
            return told;
        }
    return std::nullopt;
}

std::vector<std::string> HeadlessBackend::Groups(const surface::Form& form) const
{
    const HeadlessWindow* window = windowOf(form);
    return window ? window->groups : std::vector<std::string>{};
}

int HeadlessBackend::ArmedTimers() const
{
    return static_cast<int>(
        std::count_if(timers_.begin(), timers_.end(), [](const HeadlessTimer* t) { return t->armed; }));
}

HeadlessBackend& Headless()
{
    return dynamic_cast<HeadlessBackend&>(surface::TheBackend());
}

}  // namespace headless
