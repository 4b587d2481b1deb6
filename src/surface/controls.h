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
    // Where the control stands in logical pixels, rounded from its twips; never negative in size.
    PixelRect Pixels() const;

    bool Visible() const { return visible_; }
    void SetVisible(bool visible);

    // Directly under `above`, left edges aligned: how the windows stack their columns.
    void PlaceUnder(const Control& above);

    // What a screen reader says the control is, or sets.
    const std::string& AccessibleName() const { return accessibleName_; }
    void SetAccessibleName(const std::string& name);

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
    // The user moved it to this value (thumb, arrows or trough).
    void UserMove(int value);
    // A key pressed while it has the focus: Up and Left lower the value by SmallChange, Down and
    // Right raise it, whatever the orientation; Page Up and Page Down by LargeChange; Home and End
    // to Min and Max. Returns false for a key it does not take.
    bool UserKey(ScrollKey key);

private:
    Orientation orientation_;
    ScrollRange range_;
    int value_;
};

class Label : public CaptionedControl {
public:
    Label(WindowPeer& window, const std::string& caption, TwipsRect design);
};

// A multi-line text box wraps at its width and has no scroll bars; a single-line one scrolls.
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

}  // namespace surface
