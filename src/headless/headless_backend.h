// A back end of the surface with no toolkit and no display, for handler tests, the monkey and long
// runs: windows keep a stacking order, timers fire when their driver says so, and the screen has
// the size it is given, shown at the program's scale as the other back ends show it.
#pragma once

#include "headless/block_text_painter.h"
#include "surface/backend.h"
#include "surface/window_stack.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace surface {
class Control;
}

namespace headless {

class HeadlessWindow;
class HeadlessTimer;

// What a control's peer was last told for a screen reader.
struct Told {
    std::string name;
    std::string description;
    std::string valueText;
    std::string labelledBy;  // the caption of the label that names it on the screen
};

class HeadlessBackend : public surface::Backend {
public:
    HeadlessBackend(int width = 1024, int height = 768) : screen_{width, height} {}

    std::unique_ptr<surface::WindowPeer> MakeWindow(surface::Form& form) override;
    std::unique_ptr<surface::TimerPeer> MakeTimer(surface::Timer& timer) override;
    surface::PixelSize ScreenPixels() const override;
    surface::PixelSize FrameSize() const override { return frame_; }
    bool MayTakeFront() override { return active_; }
    void Quit() override { quit_ = true; }
    surface::TextPainter* Text() override { return &text_; }
    void Announce(const std::string& sentence) override { announcements_.push_back(sentence); }
    void CopyPng(const std::string& fileName, const std::vector<std::uint8_t>& png) override
    {
        clipboard_ = {png, fileName};
    }
    void SavePng(const std::string& fileName, const std::vector<std::uint8_t>& png) override
    {
        saved_ = {png, fileName};
    }
    void CopyLink(const std::string& words) override { clipboard_ = {{}, words}; }
    void KeepAwake(bool awake) override { awake_.push_back(awake); }
    const surface::Control* FocusedControl() const override { return focusedControl_; }

    // The screen in the back end's own pixels (a desktop's logical pixels, a page's CSS pixels).
    // Pictures follow the program's new scale at once, as a desktop's do when moved to another
    // screen, and the shown windows are laid out again, as a page's are when it changes size.
    void SetScreen(int width, int height);
    // Device pixels to each of the back end's own, for pictures made from now on.
    void SetDevicePixelRatio(double ratio) { ratio_ = ratio; }
    // What a window manager's frame takes of each window (none unless set).
    void SetFrame(int width, int height) { frame_ = {width, height}; }
    // The program's scale on this screen, and device pixels to each logical pixel of the windows.
    double Scale() const;
    double PictureRatio() const { return ratio_ * Scale(); }
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
    // The controls of the shown window of this form, in the order they were made.
    std::vector<surface::Control*> Controls(const surface::Form& form) const;
    // How many places and texts the shown window of this form and its controls were told.
    int TimesTold(const surface::Form& form) const;
    // The accessible names of a form's controls in the tab order it was given.
    std::vector<std::string> TabOrder(const surface::Form& form) const;

    // What the control of that name in the shown window of that caption was told, or nothing.
    std::optional<Told> WhatWasTold(const std::string& caption, const std::string& name) const;
    // "caption: name" of the control that took the focus last, or "" if none did.
    const std::string& Focused() const { return focused_; }
    // The named option groups of a form's window, each "name: member, member".
    std::vector<std::string> Groups(const surface::Form& form) const;
    // Every sentence announced in this run, in order.
    const std::vector<std::string>& Announcements() const { return announcements_; }

    // What the teacher's toolkit handed on: the clipboard's PNG or link, the PNG last saved with
    // its name, each change of keeping the screen awake, the items of the menu last shown.
    struct Handed {
        std::vector<std::uint8_t> png;
        std::string text;  // the link, or the file's name
    };
    const Handed& Clipboard() const { return clipboard_; }
    const Handed& Saved() const { return saved_; }
    const std::vector<bool>& KeptAwake() const { return awake_; }
    const std::vector<std::string>& MenuShown() const { return menu_; }
    void ShowMenu(const std::vector<std::string>& items) { menu_ = items; }
    // Whether the window of this form fills the screen, and is a dialog to a screen reader.
    bool FullScreen(const surface::Form& form) const;
    bool Dialog(const surface::Form& form) const;

    // What the toolkit's clock does when it is due: fires every armed timer once.
    void FireTimers();
    int ArmedTimers() const;

private:
    friend class HeadlessWindow;
    friend class HeadlessTimer;
    const HeadlessWindow* windowOf(const surface::Form& form) const;

    surface::PixelSize screen_;
    surface::PixelSize frame_;
    double ratio_ = 1;
    bool active_ = true;
    bool quit_ = false;
    BlockTextPainter text_;
    surface::WindowStack<HeadlessWindow> windows_;
    std::vector<HeadlessTimer*> timers_;
    std::vector<surface::Picture*> pictures_;  // of every window, shown or not
    std::string focused_;
    const surface::Control* focusedControl_ = nullptr;
    std::vector<std::string> announcements_;
    Handed clipboard_, saved_;
    std::vector<bool> awake_;
    std::vector<std::string> menu_;
};

// The back end installed now, which must be a headless one.
HeadlessBackend& Headless();

}  // namespace headless
