// What a toolkit provides to the windows: native peers of windows, controls and timers, the
// screen, ending the program and fonts. The neutral surface keeps every value and rule; a peer
// only shows what it is told and forwards what the user does.
#pragma once

#include "canvas/text_painter.h"

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace surface {

class CheckBox;
class CommandButton;
class Control;
class Form;
class Label;
class OptionButton;
class Picture;
class ScrollBar;
class TextBox;
class Timer;

// A rectangle in logical pixels.
struct PixelRect {
    int left = 0, top = 0, width = 0, height = 0;
    friend bool operator==(const PixelRect&, const PixelRect&) = default;
};

struct PixelSize {
    int width = 0, height = 0;
    friend bool operator==(const PixelSize&, const PixelSize&) = default;
};

struct ScrollRange {
    int min, max, smallChange, largeChange, value;
};

enum class Orientation { Horizontal, Vertical };

class ControlPeer {
public:
    virtual ~ControlPeer() = default;
    virtual void SetGeometry(const PixelRect& rect) = 0;  // within the window's client area
    virtual void SetVisible(bool visible) = 0;
    virtual void SetAccessibleName(const std::string& name) = 0;
    // What a screen reader adds after the name: for a picture, what it shows now.
    virtual void SetDescription(const std::string& description) = 0;
    // The keyboard focus moves here.
    virtual void TakeFocus() = 0;
    // This control is named on the screen by that label's caption.
    virtual void SetLabelledBy(ControlPeer& label) = 0;
};

// A button, a label: a control that shows a caption.
class CaptionPeer : public ControlPeer {
public:
    virtual void SetCaption(const std::string& caption) = 0;
};

// An option button or a check box: a caption and a mark.
class TogglePeer : public CaptionPeer {
public:
    virtual void SetChecked(bool checked) = 0;
};

// Where a scroll bar's thumb stands, in logical pixels along the bar from its top or left end.
struct ThumbExtent {
    int start = 0, length = 0, barLength = 0;
    friend bool operator==(const ThumbExtent&, const ThumbExtent&) = default;
};

class ScrollBarPeer : public ControlPeer {
public:
    virtual void SetValue(int value) = 0;
    // What a screen reader says for the value, in its units.
    virtual void SetValueText(const std::string& text) = 0;
    // Where to draw the thumb; a toolkit whose scroll bars draw their own thumb ignores it.
    virtual void SetThumb(const ThumbExtent& /*thumb*/) {}
};

class TextBoxPeer : public ControlPeer {
public:
    virtual void SetText(const std::string& text) = 0;
    virtual void SetFontSize(double points) = 0;
    virtual double DefaultFontSize() const = 0;
};

class PicturePeer : public ControlPeer {
public:
    // Device pixels to the logical pixel where the picture is shown now.
    virtual double DevicePixelRatio() const = 0;
    // The picture's pixels changed: show them again, once, when the toolkit next paints.
    virtual void Update() = 0;
    // Shows the picture's menu of these items, at the pointer when it is over the picture, else
    // at its middle; the choice goes to teacher::ChooseMenuItem.
    virtual void ShowMenu(const std::vector<std::string>& /*items*/) {}
};

class WindowPeer {
public:
    virtual ~WindowPeer() = default;
    // The outer geometry, frame included, in logical pixels of the screen.
    virtual void SetOuterGeometry(const PixelRect& rect) = 0;
    virtual void Show(bool toFront) = 0;
    virtual void Hide() = 0;
    // Tab and Shift+Tab visit these controls in this order.
    virtual void SetTabOrder(const std::vector<ControlPeer*>& order) = 0;

    virtual std::unique_ptr<CaptionPeer> MakeButton(CommandButton& button) = 0;
    virtual std::unique_ptr<TogglePeer> MakeOptionButton(OptionButton& option) = 0;
    virtual std::unique_ptr<TogglePeer> MakeCheckBox(CheckBox& box) = 0;
    virtual std::unique_ptr<ScrollBarPeer> MakeScrollBar(ScrollBar& bar) = 0;
    virtual std::unique_ptr<CaptionPeer> MakeLabel(Label& label) = 0;
    virtual std::unique_ptr<TextBoxPeer> MakeTextBox(TextBox& box) = 0;
    virtual std::unique_ptr<PicturePeer> MakePicture(Picture& picture) = 0;
    // These option buttons form one group, which a screen reader names so.
    virtual void SetGroup(const std::string& name, const std::vector<ControlPeer*>& members) = 0;
    // The window fills its screen without a frame (true), or is framed where it was told (false).
    virtual void SetFullScreen(bool /*on*/) {}
    // A screen reader meets the window as a dialog, and the desktop frames it as one.
    virtual void MarkAsDialog() {}
};

class TimerPeer {
public:
    virtual ~TimerPeer() = default;
    // Calls Timer::Fire once, delayMs from now or later; a new call replaces the one pending.
    virtual void Arm(int delayMs) = 0;
    virtual void Disarm() = 0;
};

class Backend {
public:
    virtual ~Backend() = default;
    // A new top-level window for the form; closing it by its frame calls Form::FrameClosed.
    virtual std::unique_ptr<WindowPeer> MakeWindow(Form& form) = 0;
    virtual std::unique_ptr<TimerPeer> MakeTimer(Timer& timer) = 0;
    // The screen the windows are laid out on, in logical pixels: the primary screen at the
    // program's scale (ProgramScreen), which the back end shows each logical pixel at.
    virtual PixelSize ScreenPixels() const = 0;
    // What the frame round a window takes of its outer size, in logical pixels: the borders'
    // width across, and the caption bar's and borders' height down.
    virtual PixelSize FrameSize() const = 0;
    // Whether a window may come to the front now: only while this program is the active
    // application, so that a window shown on every tick never pops over another program.
    virtual bool MayTakeFront() = 0;
    // Leaves the event loop; the windows are gone already.
    virtual void Quit() = 0;
    // Glyphs for text printed into pictures; may be null where pictures show no text.
    virtual TextPainter* Text() = 0;
    // Says the sentence once, politely: after what is being said, without interrupting it.
    virtual void Announce(const std::string& sentence) = 0;

    // The teacher's toolkit hands these on: a PNG to the system clipboard as image/png (where a
    // browser allows no image there, a download under its name), a PNG to a file the user picks
    // under this name (a download on the page), the words of a moment to the clipboard as a link.
    // A back end without a clipboard or files does nothing.
    virtual void CopyPng(const std::string& /*fileName*/, const std::vector<std::uint8_t>& /*png*/) {}
    virtual void SavePng(const std::string& /*fileName*/, const std::vector<std::uint8_t>& /*png*/) {}
    virtual void CopyLink(const std::string& /*words*/) {}
    // Keeps the screen from dimming and locking while true (a screensaver's inhibition, a wake
    // lock); where the platform has no such call, nothing changes.
    virtual void KeepAwake(bool /*awake*/) {}
    // The control that holds the keyboard focus now, or null.
    virtual const Control* FocusedControl() const { return nullptr; }
};

// The back end every form, control and timer is made with. The program installs one at start-up.
Backend& TheBackend();
// Installs a back end and returns the one it replaces. Each installation starts a new run.
std::unique_ptr<Backend> InstallBackend(std::unique_ptr<Backend> backend);
// Counts the installations: which run of the program this is.
int CurrentRun();

}  // namespace surface
