// The peers of the page's elements: each shows what its control holds and forwards what the user did.
#include "web/web_backend.h"

#include "surface/controls.h"
#include "surface/appearance.h"
#include "surface/form.h"
#include "surface/teacher.h"
#include "surface/screen_scale.h"
#include "surface/tab_stops.h"
#include "surface/timer.h"
#include "web/dom.h"
#include "web/frame_pacer.h"

#include <algorithm>
#include <optional>

namespace web {
namespace {

// Geometry, visibility and name, common to every element; the element goes with its peer.
template <class Peer>
class Element : public Peer, public Forwarder {
public:
    Element(int window, const surface::Control& control, dom::Kind kind, int a = 0, int b = 0, int c = 0, int d = 0)
        : id_(TheWebBackend().Register(this)), control_(control)
    {
        dom::MakeControl(id_, window, kind, a, b, c, d);
    }
    ~Element() override
    {
        dom::Remove(id_);
        TheWebBackend().Unregister(id_);
    }
    void SetGeometry(const surface::PixelRect& rect) override { dom::Geometry(id_, rect); }
    void SetVisible(bool visible) override { dom::Visible(id_, visible); }
    void SetAccessibleName(const std::string& name) override { dom::Name(id_, name); }
    void SetDescription(const std::string& text) override { dom::Description(id_, text); }
    void TakeFocus() override { dom::Focus(id_); }
    void SetLabelledBy(surface::ControlPeer& label) override
    {
        dom::LabelFor(dynamic_cast<Forwarder&>(label).ElementId(), id_);
    }
    int ElementId() const override { return id_; }
    const surface::Control& ShownControl() const override { return control_; }
    int id() const { return id_; }

private:
    int id_;
    const surface::Control& control_;
};

class Button : public Element<surface::CaptionPeer> {
public:
    Button(int window, surface::CommandButton& button) : Element(window, button, dom::Kind::Button), button_(button) {}
    void SetCaption(const std::string& caption) override { dom::Caption(id(), caption); }
    void Clicked() override { button_.UserClick(); }

private:
    surface::CommandButton& button_;
};

// An option button or a check box: its click has selected or toggled the element already.
template <class Control>
class Toggle : public Element<surface::TogglePeer> {
public:
    Toggle(int window, dom::Kind kind, int group, Control& control)
        : Element(window, control, kind, group), control_(control)
    {
    }
    void SetCaption(const std::string& caption) override { dom::Caption(id(), caption); }
    void SetChecked(bool checked) override { dom::Checked(id(), checked); }
    void Clicked() override { control_.UserClick(); }

private:
    Control& control_;
};

class ScrollBar : public Element<surface::ScrollBarPeer> {
public:
    ScrollBar(int window, surface::ScrollBar& bar)
        : Element(window, bar, dom::Kind::Scroll, bar.orientation() == surface::Orientation::Vertical ? 1 : 0, bar.Min(),
                  bar.Max(), bar.Value()),
          bar_(bar)
    {
    }
    void SetValue(int value) override { dom::Value(id(), value); }
    void SetValueText(const std::string& text) override { dom::ValueText(id(), text); }
    // The square-root window lays itself out on every tick: the page is told only of changes.
    void SetThumb(const surface::ThumbExtent& thumb) override
    {
        if (thumb == thumb_)
            return;
        thumb_ = thumb;
        dom::Thumb(id(), thumb);
    }
    bool Pressed(double at, bool coarse) override { return bar_.UserPress(at, coarse); }
    void Dragged(double at) override { bar_.UserDrag(at); }
    bool Key(surface::ScrollKey key) override { return bar_.UserKey(key); }

private:
    surface::ScrollBar& bar_;
    surface::ThumbExtent thumb_{-1, -1, -1};
};

class Label : public Element<surface::CaptionPeer> {
public:
    Label(int window, surface::Label& label) : Element(window, label, dom::Kind::Label) {}
    void SetCaption(const std::string& caption) override { dom::Caption(id(), caption); }
};

class TextBox : public Element<surface::TextBoxPeer> {
public:
    TextBox(int window, surface::TextBox& box)
        : Element(window, box, dom::Kind::Text, box.MultiLine() ? 1 : 0), box_(box)
    {
    }
    void SetText(const std::string& text) override { dom::Text(id(), text); }
    void SetFontSize(double points) override { dom::FontSize(id(), points); }
    double DefaultFontSize() const override { return surface::kFontPoints; }
    void Edited(const std::string& text) override { box_.UserEdit(text); }

private:
    surface::TextBox& box_;
};

// Glyphs from the page's font, drawn by the page into the pixel store.
class PageTextPainter : public surface::TextPainter {
public:
    void DrawText(surface::PixelImage& image, double ratio, int x, int y, const std::string& text,
                  std::uint32_t pixel) override
    {
        dom::DrawText(image.bits(), image.width(), image.height(), ratio, x, y, text, pixel);
    }
};

}  // namespace

class WebPicture : public Element<surface::PicturePeer> {
public:
    WebPicture(int window, surface::Picture& picture) : Element(window, picture, dom::Kind::Picture), picture_(picture)
    {
        TheWebBackend().AddPicture(this);
    }
    ~WebPicture() override { TheWebBackend().RemovePicture(this); }
    double DevicePixelRatio() const override { return TheWebBackend().PictureRatio(); }
    void Update() override { dirty_ = true; }
    void ShowMenu(const std::vector<std::string>& items) override { dom::ShowMenu(id(), items); }
    surface::Picture& picture() const { return picture_; }

    void RatioChanged() { picture_.DevicePixelRatioChanged(); }

    // Puts on the canvas the part of the pixels that changed since the last frame; the store
    // keeps them in the canvas's own byte order.
    void Flush()
    {
        if (!dirty_)
            return;
        dirty_ = false;
        if (picture_.Bordered() && !bordered_) {
            bordered_ = true;
            dom::Bordered(id());
        }
        const surface::PixelArea changed = picture_.raster().TakeChangedArea();
        if (changed.empty())
            return;
        const surface::PixelImage& image = picture_.raster().image();
        dom::Pixels(id(), image.bits(), image.width(), image.height(), changed);
    }

private:
    surface::Picture& picture_;
    bool dirty_ = true;
    bool bordered_ = false;
};

class WebWindow : public surface::WindowPeer {
public:
    explicit WebWindow(surface::Form& form) : form_(form), id_(TheWebBackend().RegisterWindow(this))
    {
        dom::MakeWindow(id_, form.Caption());
    }
    ~WebWindow() override
    {
        TheWebBackend().HideWindow(this);
        dom::RemoveWindow(id_);
        TheWebBackend().Unregister(id_);
    }

    void SetOuterGeometry(const surface::PixelRect& rect) override { dom::WindowGeometry(id_, rect); }
    void Show(bool toFront) override { TheWebBackend().ShowWindow(this, toFront); }
    void Hide() override { TheWebBackend().HideWindow(this); }
    // The page itself fills the screen; the windows follow the viewport as it grows.
    void SetFullScreen(bool on) override { dom::FullScreen(on); }
    void SetTabOrder(const std::vector<surface::ControlPeer*>& order) override
    {
        std::vector<int> ids;
        for (surface::ControlPeer* peer : order)
            ids.push_back(idOf(peer));
        dom::TabOrder(id_, ids);
    }

    std::unique_ptr<surface::CaptionPeer> MakeButton(surface::CommandButton& button) override
    {
        return std::make_unique<Button>(id_, button);
    }
    std::unique_ptr<surface::TogglePeer> MakeOptionButton(surface::OptionButton& option) override
    {
        return std::make_unique<Toggle<surface::OptionButton>>(id_, dom::Kind::Option, groupOf(option.group()), option);
    }
    std::unique_ptr<surface::TogglePeer> MakeCheckBox(surface::CheckBox& box) override
    {
        return std::make_unique<Toggle<surface::CheckBox>>(id_, dom::Kind::Check, -1, box);
    }
    std::unique_ptr<surface::ScrollBarPeer> MakeScrollBar(surface::ScrollBar& bar) override
    {
        return std::make_unique<ScrollBar>(id_, bar);
    }
    std::unique_ptr<surface::CaptionPeer> MakeLabel(surface::Label& label) override
    {
        return std::make_unique<Label>(id_, label);
    }
    std::unique_ptr<surface::TextBoxPeer> MakeTextBox(surface::TextBox& box) override
    {
        return std::make_unique<TextBox>(id_, box);
    }
    std::unique_ptr<surface::PicturePeer> MakePicture(surface::Picture& picture) override
    {
        return std::make_unique<WebPicture>(id_, picture);
    }

    void SetGroup(const std::string& name, const std::vector<surface::ControlPeer*>& members) override
    {
        std::vector<int> ids;
        for (surface::ControlPeer* peer : members)
            ids.push_back(idOf(peer));
        dom::Group(id_, name, ids);
    }

    surface::Form& form() const { return form_; }
    int id() const { return id_; }

private:
    static int idOf(surface::ControlPeer* peer) { return dynamic_cast<Forwarder&>(*peer).ElementId(); }

    // The radio buttons of one group share a name in the page, per window and group.
    int groupOf(const surface::OptionGroup& group)
    {
        const auto at = std::find(groups_.begin(), groups_.end(), &group);
        if (at != groups_.end())
            return id_ * 100 + static_cast<int>(at - groups_.begin());
        groups_.push_back(&group);
        return id_ * 100 + static_cast<int>(groups_.size() - 1);
    }

    surface::Form& form_;
    int id_;
    std::vector<const surface::OptionGroup*> groups_;
};

class WebTimer : public surface::TimerPeer {
public:
    explicit WebTimer(surface::Timer& timer) : timer_(timer), pacer_(1000.0 / 60) { TheWebBackend().AddTimer(this); }
    ~WebTimer() override { TheWebBackend().RemoveTimer(this); }
    void Arm(int) override { armed_ = true; }
    void Disarm() override { armed_ = false; }

    void Frame(double nowMs)
    {
        if (armed_ && pacer_.TickAt(nowMs)) {
            armed_ = false;
            timer_.Fire();  // arms again while the timer stays enabled
        }
    }

private:
    surface::Timer& timer_;
    FramePacer pacer_;
    bool armed_ = false;
};

namespace {
WebBackend* theBackend = nullptr;
}  // namespace

WebBackend& TheWebBackend()
{
    return *theBackend;
}

namespace {
// The caption bar the page draws at the top of each window, inside its outer size.
constexpr int kCaptionBar = 24;
}  // namespace

WebBackend::WebBackend() : text_(std::make_unique<PageTextPainter>())
{
    theBackend = this;
    measure();
}

void WebBackend::measure()
{
    viewport_ = {dom::ScreenWidth(), dom::ScreenHeight()};
    ratio_ = dom::DevicePixelRatio();
    scale_ = surface::ProgramScale(viewport_);
    const surface::Rgb focus = surface::kFocusOutlineColour;
    dom::Appearance({scale_, ScreenPixels().height, kCaptionBar, surface::kFontPixels, surface::kFocusOutlineWidth,
                     (focus.r << 16) | (focus.g << 8) | focus.b, surface::kTouchTarget});
}

WebBackend::~WebBackend()
{
    theBackend = nullptr;
}

std::unique_ptr<surface::WindowPeer> WebBackend::MakeWindow(surface::Form& form)
{
    return std::make_unique<WebWindow>(form);
}

std::unique_ptr<surface::TimerPeer> WebBackend::MakeTimer(surface::Timer& timer)
{
    return std::make_unique<WebTimer>(timer);
}

surface::PixelSize WebBackend::ScreenPixels() const
{
    return surface::ProgramScreen(viewport_, scale_);
}

surface::PixelSize WebBackend::FrameSize() const
{
    return {0, kCaptionBar};
}

void WebBackend::Quit()
{
    ended_ = true;
    dom::End();
}

surface::TextPainter* WebBackend::Text()
{
    return text_.get();
}

void WebBackend::Announce(const std::string& sentence)
{
    if (!ended_)
        dom::Announce(sentence);
}

int WebBackend::Register(Forwarder* forwarder)
{
    const int id = nextId_++;
    forwarders_[id] = forwarder;
    return id;
}

int WebBackend::RegisterWindow(WebWindow* window)
{
    const int id = nextId_++;
    windows_[id] = window;
    return id;
}

void WebBackend::Unregister(int id)
{
    forwarders_.erase(id);
    windows_.erase(id);
}

void WebBackend::RemoveTimer(WebTimer* timer)
{
    std::erase(timers_, timer);
}

void WebBackend::Click(int id)
{
    if (const auto at = forwarders_.find(id); at != forwarders_.end())
        at->second->Clicked();
}

bool WebBackend::Press(int id, double along, bool coarse)
{
    const auto at = forwarders_.find(id);
    return at != forwarders_.end() && at->second->Pressed(along, coarse);
}

void WebBackend::Drag(int id, double along)
{
    if (const auto at = forwarders_.find(id); at != forwarders_.end())
        at->second->Dragged(along);
}

namespace {

// The page's names of the keys a scroll bar takes.
std::optional<surface::ScrollKey> scrollKeyNamed(const std::string& name)
{
    using surface::ScrollKey;
    static const std::map<std::string, ScrollKey> keys{
        {"ArrowUp", ScrollKey::Up},     {"ArrowDown", ScrollKey::Down},     {"ArrowLeft", ScrollKey::Left},
        {"ArrowRight", ScrollKey::Right}, {"PageUp", ScrollKey::PageUp},   {"PageDown", ScrollKey::PageDown},
        {"Home", ScrollKey::Home},      {"End", ScrollKey::End}};
    const auto at = keys.find(name);
    return at != keys.end() ? std::optional(at->second) : std::nullopt;
}

}  // namespace

bool WebBackend::Key(int id, const std::string& key)
{
    const auto at = forwarders_.find(id);
    const std::optional<surface::ScrollKey> scrollKey = scrollKeyNamed(key);
    return at != forwarders_.end() && scrollKey && at->second->Key(*scrollKey);
}

bool WebBackend::Tab(int focusedId, bool backward)
{
    WebWindow* front = stack_.Front();
    if (!front)
        return false;
    const auto focused = forwarders_.find(focusedId);
    const surface::Control* from = focused != forwarders_.end() ? &focused->second->ShownControl() : nullptr;
    // Past the last control (before the first) the window's close button takes the focus, as the
    // last stop of the window's own frame.
    if (const surface::Control* next = surface::NextTabStop(front->form().TabOrder(), from, backward))
        next->TakeFocus();
    else
        dom::FocusClose(front->id());
    return true;
}

void WebBackend::ShowWindow(WebWindow* window, bool toFront)
{
    // The square-root window shows itself on every tick: the page hears only of a new order.
    if (stack_.Show(window, toFront))
        restack();
}

void WebBackend::HideWindow(WebWindow* window)
{
    if (stack_.Hide(window))
        restack();
}

void WebBackend::restack()
{
    std::vector<dom::Layer> layers;
    for (const WebWindow* window : stack_.Order())
        layers.push_back({window->id(), stack_.TakesInput(window)});
    dom::Stack(layers);
}

void WebBackend::Edit(int id, const std::string& text)
{
    if (const auto at = forwarders_.find(id); at != forwarders_.end())
        at->second->Edited(text);
}

void WebBackend::Close(int windowId)
{
    const auto at = windows_.find(windowId);
    if (at == windows_.end())
        return;
    at->second->form().FrameClosed();
    // As on the desktop, the program ends when no window is left.
    const bool anyShown =
        std::any_of(windows_.begin(), windows_.end(), [this](const auto& w) { return stack_.Shown(w.second); });
    if (!anyShown && !ended_)
        Quit();
}

void WebBackend::Resize()
{
    const double pictureRatio = PictureRatio();
    measure();
    if (PictureRatio() != pictureRatio)
        for (WebPicture* picture : std::vector<WebPicture*>(pictures_.begin(), pictures_.end()))
            picture->RatioChanged();
    surface::Form::ScreenChanged();
}

void WebBackend::Frame(double nowMs)
{
    // A tick may close windows and so end timers: tick from a copy, skipping those gone.
    const std::vector<WebTimer*> due = timers_;
    for (WebTimer* timer : due)
        if (std::find(timers_.begin(), timers_.end(), timer) != timers_.end())
            timer->Frame(nowMs);
    for (WebPicture* picture : pictures_)
        picture->Flush();
}

void WebBackend::CopyPng(const std::string& fileName, const std::vector<std::uint8_t>& png)
{
    dom::CopyPng(png, fileName);
}

void WebBackend::SavePng(const std::string& fileName, const std::vector<std::uint8_t>& png)
{
    dom::SavePng(png, fileName);
}

void WebBackend::CopyLink(const std::string& words)
{
    dom::CopyLink(words);
}

void WebBackend::KeepAwake(bool awake)
{
    dom::KeepAwake(awake);
}

const surface::Control* WebBackend::FocusedControl() const
{
    const auto at = forwarders_.find(dom::FocusedId());
    return at != forwarders_.end() ? &at->second->ShownControl() : nullptr;
}

// Some engines tell of leaving full screen only some time after it (WebKit): before a key or the
// button toggles it, the page's own state is what counts.
void WebBackend::followFullScreen()
{
    if (!dom::IsFullScreen())
        surface::Form::FullScreenEnded();
}

bool WebBackend::ProgramKey(const std::string& name)
{
    followFullScreen();
    return surface::teacher::PressKey(name, true);
}

void WebBackend::PictureMenu(int id)
{
    for (WebPicture* picture : pictures_)
        if (picture->ElementId() == id)
            surface::teacher::OpenMenu(picture->picture());
}

void WebBackend::ChooseMenuItem(int index)
{
    surface::teacher::ChooseMenuItem(index);
}

void WebBackend::FullScreenButton(int windowId)
{
    const auto at = windows_.find(windowId);
    if (at == windows_.end())
        return;
    followFullScreen();
    surface::Form& form = at->second->form();
    form.SetFullScreen(!form.FullScreen());
}

void WebBackend::FullScreenEnded()
{
    surface::Form::FullScreenEnded();
}

}  // namespace web
