// A back end of the surface with no toolkit and no display, for handler tests, the monkey and long
// runs: windows keep a stacking order, timers fire when their driver says so, and the screen has
// the size it is given.
#pragma once

#include "headless/block_text_painter.h"
#include "surface/backend.h"

#include <string>
#include <vector>

namespace surface {
class Control;
}

namespace headless {

class HeadlessWindow;
class HeadlessTimer;

class HeadlessBackend : public surface::Backend {
public:
    HeadlessBackend(int width = 1024, int height = 768) : screen_{width, height} {}

    std::unique_ptr<surface::WindowPeer> MakeWindow(surface::Form& form) override;
    std::unique_ptr<surface::TimerPeer> MakeTimer(surface::Timer& timer) override;
    surface::PixelSize ScreenPixels() const override { return screen_; }
    bool MayTakeFront() override { return active_; }
    void Quit() override { quit_ = true; }
    surface::TextPainter* Text() override { return &text_; }

    void SetScreen(int width, int height) { screen_ = {width, height}; }
    // Device pixels to the logical one for pictures made from now on.
    void SetDevicePixelRatio(double ratio) { ratio_ = ratio; }
    // Another program is in front (false) or this one is the active application again (true).
    void SetActive(bool active) { active_ = active; }
    bool QuitCalled() const { return quit_; }

    // The caption of the window in front, or "" when none is shown.
    std::string FrontCaption() const;
    // The outer geometry the window of this form was last given, in logical pixels.
    surface::PixelRect OuterGeometry(const surface::Form& form) const;
    // The control of that accessible name in the shown window of that caption, or null: what a
    // user finds on the screen by its name.
    surface::Control* Find(const std::string& caption, const std::string& name) const;
    // How many places and texts the shown window of this form and its controls were told.
    int Told(const surface::Form& form) const;
    // The accessible names of a form's controls in the tab order it was given.
    std::vector<std::string> TabOrder(const surface::Form& form) const;

    // What the toolkit's clock does when it is due: fires every armed timer once.
    void FireTimers();
    int ArmedTimers() const;

private:
    friend class HeadlessWindow;
    friend class HeadlessTimer;
    const HeadlessWindow* windowOf(const surface::Form& form) const;

    surface::PixelSize screen_;
    double ratio_ = 1;
    bool active_ = true;
    bool quit_ = false;
    BlockTextPainter text_;
    std::vector<HeadlessWindow*> windows_;  // back to front among the shown ones
    std::vector<HeadlessTimer*> timers_;
};

// The back end installed now, which must be a headless one.
HeadlessBackend& Headless();

}  // namespace headless
