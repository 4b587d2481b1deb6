// The controls' state and rules; each change is handed to the control's peer to be shown.
#include "surface/controls.h"

#include "canvas/twips.h"
#include "surface/announcements.h"
#include "surface/appearance.h"

#include <algorithm>
#include <cmath>

namespace surface {

void Control::Attach(std::unique_ptr<ControlPeer> peer)
{
    peer_ = std::move(peer);
    place();
}

PixelRect ToPixels(const TwipsRect& rect)
{
    const int left = ToPixels(rect.left), top = ToPixels(rect.top);
    return {left, top, std::max(0, ToPixels(static_cast<double>(rect.left) + rect.width) - left),
            std::max(0, ToPixels(static_cast<double>(rect.top) + rect.height) - top)};
}

void Control::place()
{
    // Windows lay themselves out again on every call of their opening procedure, the
    // square-root window on every tick: the peer hears only of a place it does not show yet.
    const PixelRect pixels = Pixels();
    if (pixels == shownAt_)
        return;
    shownAt_ = pixels;
    peer_->SetGeometry(pixels);
    geometryChanged();
}

void Control::set(float TwipsRect::*field, float twips)
{
    geometry_.*field = twips;
    place();
}

void Control::PlaceUnder(const Control& above)
{
    SetTop(above.Height() + above.Top());
    SetLeft(above.Left());
}

void Control::SetVisible(bool visible)
{
    visible_ = visible;
    peer_->SetVisible(visible);
}

void Control::SetAccessibleName(const std::string& name)
{
    accessibleName_ = name;
    peer_->SetAccessibleName(name);
}

void Control::SetDescription(const std::string& description)
{
    if (description == description_)
        return;
    description_ = description;
    peer_->SetDescription(description);
}

void Control::SetLabel(const Label& label)
{
    peer_->SetLabelledBy(label.peer());
}

void Control::TakeFocus() const
{
    peer_->TakeFocus();
}

void CaptionedControl::SetCaption(const std::string& caption)
{
    caption_ = caption;
    captionPeer().SetCaption(caption);
    SetAccessibleName(caption);
}

CommandButton::CommandButton(WindowPeer& window, const std::string& caption, TwipsRect design)
    : CaptionedControl(caption, design)
{
    Attach(window.MakeButton(*this));
    SetCaption(caption);
}

void CommandButton::UserClick()
{
    const UserAction action;
    if (OnClick)
        OnClick();
}

void OptionGroup::Select(OptionButton& chosen)
{
    for (OptionButton* option : members_)
        option->show(option == &chosen);
}

OptionButton::OptionButton(WindowPeer& window, OptionGroup& group, const std::string& caption, TwipsRect design,
                           bool value)
    : CaptionedControl(caption, design), group_(group)
{
    group_.members_.push_back(this);
    Attach(window.MakeOptionButton(*this));
    SetCaption(caption);
    SetValue(value);
}

OptionButton::~OptionButton()
{
    std::erase(group_.members_, this);
}

void OptionButton::show(bool value)
{
    value_ = value;
    static_cast<TogglePeer&>(peer()).SetChecked(value);
}

void OptionButton::SetValue(bool value)
{
    if (value)
        group_.Select(*this);
    else
        show(false);
}

void OptionButton::UserClick()
{
    const UserAction action;
    group_.Select(*this);
    if (OnClick)
        OnClick();
}

CheckBox::CheckBox(WindowPeer& window, const std::string& caption, TwipsRect design) : CaptionedControl(caption, design)
{
    Attach(window.MakeCheckBox(*this));
    SetCaption(caption);
    SetValue(0);
}

void CheckBox::SetValue(int value)
{
    value_ = value != 0 ? 1 : 0;
    static_cast<TogglePeer&>(peer()).SetChecked(value_ == 1);
}

void CheckBox::UserClick()
{
    const UserAction action;
    SetValue(1 - value_);
    if (OnClick)
        OnClick();
}

ScrollBar::ScrollBar(WindowPeer& window, Orientation orientation, TwipsRect design, ScrollRange range)
    : Control(design), orientation_(orientation), range_(range), value_(std::clamp(range.value, range.min, range.max))
{
    Attach(window.MakeScrollBar(*this));
}

void ScrollBar::SetValueTextRule(ValueTextRule rule)
{
    valueText_ = std::move(rule);
    tellValueText();
}

std::string ScrollBar::ValueText() const
{
    return valueText_ ? valueText_(value_) : std::to_string(value_);
}

void ScrollBar::tellValueText()
{
    if (valueText_)
        static_cast<ScrollBarPeer&>(peer()).SetValueText(ValueText());
}

void ScrollBar::SetValue(int value)
{
    value = std::clamp(value, range_.min, range_.max);
    if (value == value_)
        return;
    value_ = value;
    static_cast<ScrollBarPeer&>(peer()).SetValue(value);
    // Told before the handler runs, so that what the handler announces follows the value.
    tellValueText();
    showThumb();
    if (OnChange)
        OnChange();
}

void ScrollBar::UserMove(int value)
{
    const UserAction action;
    SetValue(value);
}

bool ScrollBar::UserKey(ScrollKey key)
{
    const UserAction action;
    switch (key) {
    case ScrollKey::Up:
    case ScrollKey::Left:
        SetValue(value_ - range_.smallChange);
        return true;
    case ScrollKey::Down:
    case ScrollKey::Right:
        SetValue(value_ + range_.smallChange);
        return true;
    case ScrollKey::PageUp:
        SetValue(value_ - range_.largeChange);
        return true;
    case ScrollKey::PageDown:
        SetValue(value_ + range_.largeChange);
        return true;
    case ScrollKey::Home:
        SetValue(range_.min);
        return true;
    case ScrollKey::End:
        SetValue(range_.max);
        return true;
    }
    return false;
}

int ScrollBar::length() const
{
    const PixelRect rect = Pixels();
    return orientation_ == Orientation::Vertical ? rect.height : rect.width;
}

ThumbExtent ScrollBar::Thumb() const
{
    const int bar = length();
    const int thumb = std::min(kThumbLength, bar);
    const int span = range_.max - range_.min;
    const double along = span > 0 ? double(value_ - range_.min) / span : 0;
    return {static_cast<int>(std::lround(along * (bar - thumb))), thumb, bar};
}

bool ScrollBar::UserPress(double at, bool coarse)
{
    const ThumbExtent thumb = Thumb();
    const double middle = thumb.start + thumb.length / 2.0;
    const double reach = std::max<double>(thumb.length, coarse ? kTouchTarget : 0) / 2;
    if (std::abs(at - middle) <= reach) {
        grip_ = at - thumb.start;
        return true;
    }
    SetValue(value_ + (at < middle ? -range_.largeChange : range_.largeChange));
    return false;
}

void ScrollBar::UserDrag(double at)
{
    const ThumbExtent thumb = Thumb();
    const int travel = thumb.barLength - thumb.length;
    if (travel <= 0)
        return;
    const double along = std::clamp((at - grip_) / travel, 0.0, 1.0);
    SetValue(range_.min + static_cast<int>(std::lround(along * (range_.max - range_.min))));
}

void ScrollBar::geometryChanged()
{
    showThumb();
}

void ScrollBar::showThumb()
{
    static_cast<ScrollBarPeer&>(peer()).SetThumb(Thumb());
}

Label::Label(WindowPeer& window, const std::string& caption, TwipsRect design) : CaptionedControl(caption, design)
{
    Attach(window.MakeLabel(*this));
    SetCaption(caption);
}

TextBox::TextBox(WindowPeer& window, const std::string& text, TwipsRect design, bool multiLine)
    : Control(design), multiLine_(multiLine)
{
    Attach(window.MakeTextBox(*this));
    fontSize_ = static_cast<TextBoxPeer&>(peer()).DefaultFontSize();
    SetText(text);
}

void TextBox::SetText(const std::string& text)
{
    // The peer shows text_ already, also where the user typed it.
    if (text == text_)
        return;
    text_ = text;
    static_cast<TextBoxPeer&>(peer()).SetText(text);
}

void TextBox::SetFontSize(double points)
{
    fontSize_ = points;
    static_cast<TextBoxPeer&>(peer()).SetFontSize(points);
}

void TextBox::UserEdit(const std::string& text)
{
    const UserAction action;
    text_ = text;
}

Picture::Picture(WindowPeer& window, TwipsRect design) : Control(design)
{
    raster_.SetTextPainter(TheBackend().Text());
    Attach(window.MakePicture(*this));
    raster_.SetChangedCallback([this] { picturePeer().Update(); });
}

Canvas& Picture::canvas()
{
    if (tee_)
        return *tee_;
    return raster_;
}

void Picture::SetObserver(Canvas* observer)
{
    tee_ = observer ? std::make_unique<TeeCanvas>(raster_, *observer) : nullptr;
}

void Picture::SetImage(const PixelImage& image)
{
    bordered_ = true;
    raster_.DrawImage(image, 1, 1);  // inside the one-pixel border
}

void Picture::geometryChanged()
{
    const PixelRect rect = Pixels();
    raster_.Resize(rect.width, rect.height, picturePeer().DevicePixelRatio());
    picturePeer().Update();
}

void Picture::DevicePixelRatioChanged()
{
    raster_.Resize(raster_.logicalWidth(), raster_.logicalHeight(), picturePeer().DevicePixelRatio());
    picturePeer().Update();
}

void SetTabOrder(WindowPeer& window, std::initializer_list<const Control*> controls)
{
    std::vector<ControlPeer*> order;
    for (const Control* control : controls)
        order.push_back(&control->peer());
    window.SetTabOrder(order);
}

void NameGroup(WindowPeer& window, const OptionGroup& group, const std::string& name)
{
    std::vector<ControlPeer*> members;
    for (const OptionButton* option : group.members())
        members.push_back(&option->peer());
    window.SetGroup(name, members);
}

}  // namespace surface
