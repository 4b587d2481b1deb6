// The browser back end of the surface: each window a layer of the page, each control a native
// element, timers on display frames, pictures put on canvases once a frame.
#pragma once

#include "surface/backend.h"
#include "surface/window_stack.h"

#include <map>
#include <memory>
#include <set>
#include <string>
#include <vector>

namespace surface {
class Control;
enum class ScrollKey;
}  // namespace surface

namespace web {

class WebTimer;
class WebPicture;
class WebWindow;

// What an element forwards from the user to its control.
class Forwarder {
public:
    virtual ~Forwarder() = default;
    virtual int ElementId() const = 0;
    // The control the element shows.
    virtual const surface::Control& ShownControl() const = 0;
    virtual void Clicked() {}
    // A scroll bar pressed, or its thumb dragged, this many logical pixels along it.
    virtual bool Pressed(double /*at*/, bool /*coarse*/) { return false; }
    virtual void Dragged(double /*at*/) {}
    virtual bool Key(surface::ScrollKey /*key*/) { return false; }
    virtual void Edited(const std::string& /*text*/) {}
};

class WebBackend : public surface::Backend {
public:
    WebBackend();
    ~WebBackend() override;

    std::unique_ptr<surface::WindowPeer> MakeWindow(surface::Form& form) override;
    std::unique_ptr<surface::TimerPeer> MakeTimer(surface::Timer& timer) override;
    surface::PixelSize ScreenPixels() const override;
    surface::PixelSize FrameSize() const override;
    bool MayTakeFront() override { return true; }  // the page is this program's alone
    void Quit() override;
    surface::TextPainter* Text() override;
    void Announce(const std::string& sentence) override;
    void CopyPng(const std::string& fileName, const std::vector<std::uint8_t>& png) override;
    void SavePng(const std::string& fileName, const std::vector<std::uint8_t>& png) override;
    void CopyLink(const std::string& words) override;
    void KeepAwake(bool awake) override;
    const surface::Control* FocusedControl() const override;

    // What the page reports.
    void Click(int id);
    bool Press(int id, double along, bool coarse);
    void Drag(int id, double along);
    // A key pressed on a control, by the page's name of it; true where the control took it.
    bool Key(int id, const std::string& key);
    // Tab (Shift+Tab when backward) pressed with the focus on that element (0: none of the
    // program's controls, such as a window's close button): the focus moves within the window in
    // front. True where the program moved it.
    bool Tab(int focusedId, bool backward);
    void Edit(int id, const std::string& text);
    void Close(int windowId);
    void Resize();
    void Frame(double nowMs);
    // The teacher's toolkit: a key anywhere on the page by the surface's name of it (true where
    // the program took it), the picture's menu asked for on a picture and an item of it chosen,
    // a window's full-screen button, and the page leaving full screen by itself.
    bool ProgramKey(const std::string& name);
    void PictureMenu(int id);
    void ChooseMenuItem(int index);
    void FullScreenButton(int windowId);
    void FullScreenEnded();

    // Device pixels to each logical pixel of the windows: the page's ratio times the program's scale.
    double PictureRatio() const { return ratio_ * scale_; }

    // Registration of the peers, by the ids their elements carry.
    int Register(Forwarder* forwarder);
    int RegisterWindow(WebWindow* window);
    void Unregister(int id);
    void AddPicture(WebPicture* picture) { pictures_.insert(picture); }
    void RemovePicture(WebPicture* picture) { pictures_.erase(picture); }
    void AddTimer(WebTimer* timer) { timers_.push_back(timer); }
    void RemoveTimer(WebTimer* timer);
    // The shown windows, back to front; the page is told the order whenever it changes.
    void ShowWindow(WebWindow* window, bool toFront);
    void HideWindow(WebWindow* window);
    bool Shown(const WebWindow* window) const { return stack_.Shown(window); }

private:
    int nextId_ = 1;
    std::map<int, Forwarder*> forwarders_;
    std::map<int, WebWindow*> windows_;
    std::set<WebPicture*> pictures_;
    std::vector<WebTimer*> timers_;
    surface::WindowStack<WebWindow> stack_;
    void restack();
    void followFullScreen();
    // Measures the viewport, chooses the program's scale for it and hands the page what it shows by.
    void measure();

    std::unique_ptr<surface::TextPainter> text_;
    surface::PixelSize viewport_;
    double scale_ = 1;
    double ratio_ = 1;
    bool ended_ = false;
};

WebBackend& TheWebBackend();

}  // namespace web
