// Controls with their geometry in twips, read back exactly as written, their values and their
// events. A control keeps its own state and rules; its peer in the toolkit only shows them and
// reports what the user does through the User… calls.
#pragma once

#include "canvas/raster_canvas.h"
#include "canvas/tee_canvas.h"
#include "surface/backend.h"

#include <functional>
#include <initializer_list>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace surface {

struct TwipsRect {
    float left, top, width, height;
};

// The logical pixels a rectangle in twips covers: its edges rounded, so that rectangles that meet
// in twips meet in pixels too and never overlap by a rounding; never negative in size.
PixelRect ToPixels(const TwipsRect& rect);

class Control {
public:
    virtual ~Control() = default;
    Control(const Control&) = delete;
    Control& operator=(const Control&) = delete;

    float Left() const { return geometry_.left; }
    float Top() const { return geometry_.top; }
    float Width() const { return geometry_.width; }
    float Height() const { return geometry_.height; }
    void SetLeft(float twips) { set(&TwipsRect::left, twips); }
    void SetTop(float twips) { set(&TwipsRect::top, twips); }
    void SetWidth(float twips) { set(&TwipsRect::width, twips); }
    void SetHeight(float twips) { set(&TwipsRect::height, twips); }
    // Where the control stands in logical pixels (ToPixels).
    PixelRect Pixels() const { return ToPixels(geometry_); }

    bool Visible() const { return visible_; }
    void SetVisible(bool visible);

    // Directly under `above`, left edges aligned: how the windows stack their columns.
    void PlaceUnder(const Control& above);

    // What a screen reader says the control is, or sets.
    const std::string& AccessibleName() const { return accessibleName_; }
    void SetAccessibleName(const std::string& name);
    // What a screen reader adds after the name; the peer is told only of changes.
    const std::string& Description() const { return description_; }
    void SetDescription(const std::string& description);
    // Named on the screen by this label: a screen reader ties the two.
    void SetLabel(const Label& label);
    void TakeFocus() const;

    ControlPeer& peer() const { return *peer_; }

protected:
    explicit Control(TwipsRect design) : geometry_(design) {}
    // Takes the toolkit's control and shows it at its design place.
    void Attach(std::unique_ptr<ControlPeer> peer);
    // Called after every change of position or size in pixels.
    virtual void geometryChanged() {}

private:
    void set(float TwipsRect::*field, float twips);
    void place();

    std::unique_ptr<ControlPeer> peer_;
    TwipsRect geometry_;
    std::optional<PixelRect> shownAt_;  // what the peer was last told
    bool visible_ = true;
    std::string accessibleName_;
    std::string description_;
};

// A control with a caption, which is also its accessible name.
class CaptionedControl : public Control {
public:
    const std::string& Caption() const { return caption_; }
    void SetCaption(const std::string& caption);

protected:
    CaptionedControl(std::string caption, TwipsRect design) : Control(design), caption_(std::move(caption)) {}
    CaptionPeer& captionPeer() const { return static_cast<CaptionPeer&>(peer()); }

private:
    std::string caption_;
};

class CommandButton : public CaptionedControl {
public:
    CommandButton(WindowPeer& window, const std::string& caption, TwipsRect design);
    std::function<void()> OnClick;
    // The user pressed it (mouse, Space or Enter).
    void UserClick();
};

// The option buttons of one window: exactly one of them selected once any is.
class OptionGroup {
public:
    void Select(OptionButton& chosen);
    const std::vector<OptionButton*>& members() const { return members_; }

private:
    friend class OptionButton;
    std::vector<OptionButton*> members_;
};

class OptionButton : public CaptionedControl {
public:
    OptionButton(WindowPeer& window, OptionGroup& group, const std::string& caption, TwipsRect design, bool value);
    ~OptionButton() override;
    bool Value() const { return value_; }
    // True selects this option and clears the others of its group; no Click is raised.
    void SetValue(bool value);
    std::function<void()> OnClick;
    // The user selected it (mouse, or an arrow key within the group); Click follows, also when it
    // was selected already.
    void UserClick();
    const OptionGroup& group() const { return group_; }

private:
    friend class OptionGroup;
    void show(bool value);

    OptionGroup& group_;
    bool value_ = false;
};

class CheckBox : public CaptionedControl {
public:
    CheckBox(WindowPeer& window, const std::string& caption, TwipsRect design);
    int Value() const { return value_; }  // 0 clear, 1 checked
    void SetValue(int value);
    std::function<void()> OnClick;
    // The user toggled it (mouse or Space); Click follows.
    void UserClick();

private:
    int value_ = 0;
};

enum class ScrollKey { Up, Down, Left, Right, PageUp, PageDown, Home, End };

// Its Value stays within Min..Max; every change, by the user or by the program, raises Change at once.
class ScrollBar : public Control {
public:
    ScrollBar(WindowPeer& window, Orientation orientation, TwipsRect design, ScrollRange range);
    Orientation orientation() const { return orientation_; }
    int Value() const { return value_; }
    int Min() const { return range_.min; }
    int Max() const { return range_.max; }
    int SmallChange() const { return range_.smallChange; }
    int LargeChange() const { return range_.largeChange; }
    void SetValue(int value);
    std::function<void()> OnChange;
    // How a screen reader says a value, in its units; the bar says each value so from now on.
    using ValueTextRule = std::function<std::string(int value)>;
    void SetValueTextRule(ValueTextRule rule);
    std::string ValueText() const;
    // The user moved it to this value (thumb, arrows or trough).
    void UserMove(int value);
    // A key pressed while it has the focus: Up and Left lower the value by SmallChange, Down and
    // Right raise it, whatever the orientation; Page Up and Page Down by LargeChange; Home and End
    // to Min and Max. Returns false for a key it does not take.
    bool UserKey(ScrollKey key);

    // Where the thumb stands for the value, along the bar as it is laid out now.
    ThumbExtent Thumb() const;
    // A press (mouse, finger or pen) `at` logical pixels along the bar. On the thumb it takes
    // hold of it and returns true; in the trough it moves one LargeChange toward the press, once,
    // and returns false. A coarse pointer (a finger) holds the thumb anywhere within a target
    // of kTouchTarget pixels around its middle.
    bool UserPress(double at, bool coarse);
    // The held thumb follows the pointer, now `at` pixels along the bar; the value follows the thumb.
    void UserDrag(double at);

    // The thumb's length: that of the desktop's smallest thumb, so that it is as easy to catch.
    static constexpr int kThumbLength = 16;

protected:
    void geometryChanged() override;

private:
    void tellValueText();
    int length() const;
    void showThumb();

    Orientation orientation_;
    ScrollRange range_;
    int value_;
    ValueTextRule valueText_;
    double grip_ = 0;  // where along the thumb the pointer holds it
};

class Label : public CaptionedControl {
public:
    Label(WindowPeer& window, const std::string& caption, TwipsRect design);
};

// A multi-line text box wraps at its width, with a scroll bar only while its text is taller than
// the box (which the layouts avoid but on the smallest screens); a single-line one scrolls.
class TextBox : public Control {
public:
    TextBox(WindowPeer& window, const std::string& text, TwipsRect design, bool multiLine);
    bool MultiLine() const { return multiLine_; }
    const std::string& Text() const { return text_; }
    void SetText(const std::string& text);
    double FontSize() const { return fontSize_; }
    void SetFontSize(double points);
    // The user edited the text to this.
    void UserEdit(const std::string& text);

private:
    std::string text_;
    bool multiLine_;
    double fontSize_ = 0;
};

// A picture area: its drawing is kept in a pixel store, sized to the area in device pixels.
class Picture : public Control {
public:
    Picture(WindowPeer& window, TwipsRect design);
    RasterCanvas& raster() { return raster_; }
    const RasterCanvas& raster() const { return raster_; }

    // Where the window draws: the picture, and also the observer while one is set.
    Canvas& canvas();
    void SetObserver(Canvas* observer);

    // Shows a fixed image at the top-left corner inside the box's border, clipped to the box.
    void SetImage(const PixelImage& image);
    bool Bordered() const { return bordered_; }

    // The picture is now shown at another ratio of device pixels (a window moved to another
    // screen): what it shows stays at its logical place; what is drawn from now on is crisp there.
    void DevicePixelRatioChanged();

protected:
    void geometryChanged() override;

private:
    PicturePeer& picturePeer() const { return static_cast<PicturePeer&>(peer()); }

    RasterCanvas raster_;
    std::unique_ptr<TeeCanvas> tee_;
    bool bordered_ = false;
};

// Tab and Shift+Tab visit these controls in this order (their TabIndex order).
void SetTabOrder(WindowPeer& window, std::initializer_list<const Control*> controls);

// The option buttons of a group are one named group to a screen reader.
void NameGroup(WindowPeer& window, const OptionGroup& group, const std::string& name);

}  // namespace surface
