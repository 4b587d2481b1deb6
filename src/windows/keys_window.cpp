// KEYS: its lines from the keyboard's own tables, its place on the screen, and the way back.
#include "windows/keys_window.h"

#include "canvas/twips.h"
#include "surface/keys_list.h"
#include "surface/screen.h"

#include <algorithm>

namespace shell {

namespace {
// A line is a label of one row of the windows' font; the longest ("ALTERNATIVELY SHOW
// WAVEFRONTS AND RAYS OR ONLY RAYS" after its key) fits 640 pixels.
constexpr float kWidth = 9600;
constexpr float kLine = 300;  // 20 pixels: the font's 13 and room between lines
constexpr float kMargin = 180;
constexpr surface::TwipsRect kClose{kMargin, 0, 1500, 420};
}  // namespace

KEYS::KEYS() : FormOf("KEYS", kWidth, 3000)
{
}

void KEYS::MakeControls(surface::WindowPeer& w, Controls& c)
{
    w.MarkAsDialog();
    float top = kMargin;
    for (const std::string& line : text_) {
        c.lines.push_back(std::make_unique<surface::Label>(w, line, surface::TwipsRect{kMargin, top, kWidth - 2 * kMargin, kLine}));
        top += kLine;
    }
    c.Close = Button(w, "CLOSE", {kClose.left, top + kMargin, kClose.width, kClose.height}, &KEYS::Close_Click);
    SetTabOrder(w, {c.Close.get()});
}

void KEYS::LayOut()
{
    Controls& c = controls();
    const float frameHeight = Height() - ClientHeight();
    const float height = c.Close->Top() + c.Close->Height() + kMargin + frameHeight;
    SetWidth(std::min(kWidth + (Width() - ClientWidth()), surface::ScreenWidth()));
    SetHeight(std::min(height, surface::ScreenHeight()));
    SetLeft(surface::WholePixels((surface::ScreenWidth() - Width()) / 2));
    SetTop(surface::WholePixels((surface::ScreenHeight() - Height()) / 2));
}

void KEYS::Open(bool onPage)
{
    surface::Form* front = surface::Form::Front();
    if (front == this)
        return;
    // Opened over another window than before: its lines are made anew, and the way back is to
    // the window in front now.
    returnTo_ = nullptr;
    FrameClosed();
    returnTo_ = front;
    returnFocus_ = surface::TheBackend().FocusedControl();
    // Over no window (all closed), only the program's own keys.
    text_ = surface::KeysLines(front ? *front : static_cast<surface::Form&>(*this), onPage);
    Load();
    LayOut();
    Show();
}

bool KEYS::CloseDialog()
{
    if (!Visible())
        return false;
    FrameClosed();
    return true;
}

void KEYS::Close_Click()
{
    CloseDialog();
}

void KEYS::Closed()
{
    surface::Form* back = returnTo_;
    const surface::Control* focus = returnFocus_;
    returnTo_ = nullptr;
    returnFocus_ = nullptr;
    if (!back || !back->Visible())
        return;
    back->ShowAfterDialog();
    // The control is still one of that window's (a window closed meanwhile has new ones).
    const std::vector<const surface::Control*>& order = back->TabOrder();
    if (focus && std::find(order.begin(), order.end(), focus) != order.end() && focus->Visible())
        focus->TakeFocus();
}

}  // namespace shell
