// The controls' state and rules; each change is handed to the control's peer to be shown.
#include "surface/controls.h"

#include "canvas/twips.h"

#include <algorithm>

namespace surface {

void Control::Attach(std::unique_ptr<ControlPeer> peer)
{
    peer_ = std::move(peer);
    place();
}

PixelRect Control::Pixels() const
{
    return {ToPixels(geometry_.left), ToPixels(geometry_.top), std::max(0, ToPixels(geometry_.width)),
            std::max(0, ToPixels(geometry_.height))};
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
    SetValue(1 - value_);
    if (OnClick)
        OnClick();
}

ScrollBar::ScrollBar(WindowPeer& window, Orientation orientation, TwipsRect design, ScrollRange range)
    : Control(design), orientation_(orientation), range_(range), value_(std::clamp(range.value, range.min, range.max))
{
    Attach(window.MakeScrollBar(*this));
}

void ScrollBar::SetValue(int value)
{
    value = std::clamp(value, range_.min, range_.max);
    if (value == value_)
        return;
    value_ = value;
    static_cast<ScrollBarPeer&>(peer()).SetValue(value);
    if (OnChange)
        OnChange();
}

void ScrollBar::UserMove(int value)
{
    SetValue(value);
}

bool ScrollBar::UserKey(ScrollKey key)
{
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

}  // namespace surface
