// BUTTON as push button, option button and check box; SCROLLBAR; STATIC; EDIT.
#include "win32/win32_controls.h"

#include "surface/caption_wrap.h"
#include "surface/controls.h"
#include "surface/appearance.h"
#include "win32/native_control.h"
#include "win32/program_face.h"
#include "win32/utf16.h"
#include "win32/win32_window.h"

#include <algorithm>
#include <map>

namespace win32 {
namespace {

// How wide a text is in a control's font, in device pixels.
int textWidth(HWND hwnd, const std::wstring& text)
{
    HDC dc = GetDC(hwnd);
    HGDIOBJ old = SelectObject(dc, reinterpret_cast<HFONT>(SendMessageW(hwnd, WM_GETFONT, 0, 0)));
    SIZE size{};
    GetTextExtentPoint32W(dc, text.c_str(), static_cast<int>(text.size()), &size);
    SelectObject(dc, old);
    ReleaseDC(hwnd, dc);
    return size.cx;
}

// What a button's frame, or a box's mark and the gap after it, leaves of its width for the caption.
int markAndGap(HWND hwnd, bool box)
{
    // The mark is as wide as a menu's check mark; the gap, and a push button's bevel and margin, a
    // third of the face's height on each side, as the system draws them.
    const int third = std::max(2, textWidth(hwnd, L"M") / 3);
    return box ? GetSystemMetrics(SM_CXMENUCHECK) + 2 * third : 4 * third;
}

// A button, option button or check box whose caption wraps within its width at blanks.
template <class Peer>
class Captioned : public Native<Peer> {
public:
    Captioned(Win32Window& window, const surface::Control& control, DWORD style, bool box)
        : Native<Peer>(window, control, L"BUTTON", style | BS_MULTILINE), box_(box)
    {
        // A box's button paints its whole width, which may reach under the formula beside it:
        // behind every other control (NativeControl puts the others in front), it leaves them whole.
        if (box)
            SetWindowPos(this->hwnd(), HWND_BOTTOM, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    }
    void SetCaption(const std::string& caption) override
    {
        caption_ = caption;
        wrap();
    }
    // An option button or a check box is outlined by its mark and caption, which may be far
    // narrower than its box (under the formula beside it); a push button whole.
    RECT OutlineArea() const override
    {
        RECT area = NativeControl::OutlineArea();
        if (!box_)
            return area;
        const HWND hwnd = this->hwnd();
        int widest = 0;
        for (const std::wstring& line : lines())
            widest = std::max(widest, textWidth(hwnd, line));
        const int width = this->device(surface::kFocusOutlineWidth);
        area.right = std::min(area.right, area.left + markAndGap(hwnd, true) + widest + 2 * width);
        return area;
    }

protected:
    void placed() override { wrap(); }

private:
    std::vector<std::wstring> lines() const
    {
        std::vector<std::wstring> out(1);
        for (const wchar_t c : shown_)
            if (c == L'\n')
                out.emplace_back();
            else if (c != L'\r')
                out.back() += c;
        return out;
    }

    void wrap()
    {
        const HWND hwnd = this->hwnd();
        RECT client;
        GetClientRect(hwnd, &client);
        const std::string wrapped = surface::WrapCaption(
            caption_, [hwnd](const std::string& text) { return textWidth(hwnd, ToUtf16(text)); },
            client.right - markAndGap(hwnd, box_));
        const std::wstring shown = WithCrLf(ToUtf16(wrapped));
        if (shown == shown_)
            return;
        shown_ = shown;
        SetWindowTextW(hwnd, shown.c_str());
    }

    bool box_;
    std::string caption_;
    std::wstring shown_;
};

class Button : public Captioned<surface::CaptionPeer> {
public:
    Button(Win32Window& window, surface::CommandButton& button)
        : Captioned(window, button, WS_TABSTOP | BS_PUSHBUTTON, false), button_(button)
    {
    }
    void Command(WORD notification) override
    {
        if (notification == BN_CLICKED)
            button_.UserClick();
    }

private:
    surface::CommandButton& button_;
};

// An option button shows the mark its control gives it: the control keeps its group's rule, and
// an automatic option button would clear the options of a neighbouring group as well.
class Option : public Captioned<surface::TogglePeer> {
public:
    Option(Win32Window& window, surface::OptionButton& option)
        : Captioned(window, option, WS_TABSTOP | BS_RADIOBUTTON, true), option_(option)
    {
    }
    void SetChecked(bool checked) override
    {
        SendMessageW(hwnd(), BM_SETCHECK, checked ? BST_CHECKED : BST_UNCHECKED, 0);
    }
    void Command(WORD notification) override
    {
        if (notification == BN_CLICKED)
            option_.UserClick();
    }
    // The arrows move within the group, selecting as they go, and round from the last to the first.
    bool Key(WPARAM key) override
    {
        const int step = key == VK_DOWN || key == VK_RIGHT ? 1 : key == VK_UP || key == VK_LEFT ? -1 : 0;
        if (step == 0)
            return false;
        const std::vector<surface::OptionButton*>& members = option_.group().members();
        const auto at = std::find(members.begin(), members.end(), &option_);
        if (at == members.end())
            return false;
        const int count = static_cast<int>(members.size());
        for (int i = 1; i < count; ++i) {
            surface::OptionButton* next = members[static_cast<std::size_t>(((at - members.begin()) + step * i + count) % count)];
            if (next->Visible()) {
                next->TakeFocus();
                next->UserClick();
                break;
            }
        }
        return true;
    }

private:
    surface::OptionButton& option_;
};

class Check : public Captioned<surface::TogglePeer> {
public:
    Check(Win32Window& window, surface::CheckBox& box)
        : Captioned(window, box, WS_TABSTOP | BS_AUTOCHECKBOX, true), box_(box)
    {
    }
    void SetChecked(bool checked) override
    {
        SendMessageW(hwnd(), BM_SETCHECK, checked ? BST_CHECKED : BST_UNCHECKED, 0);
    }
    void Command(WORD notification) override
    {
        if (notification == BN_CLICKED)
            box_.UserClick();
    }

private:
    surface::CheckBox& box_;
};

class ScrollBar : public Native<surface::ScrollBarPeer> {
public:
    ScrollBar(Win32Window& window, surface::ScrollBar& bar)
        : Native(window, bar, L"SCROLLBAR",
                 WS_TABSTOP | (bar.orientation() == surface::Orientation::Vertical ? SBS_VERT : SBS_HORZ)),
          bar_(bar)
    {
        SCROLLINFO info{sizeof info, SIF_RANGE | SIF_POS | SIF_PAGE, bar.Min(), bar.Max(), 0, bar.Value(), 0};
        SetScrollInfo(hwnd(), SB_CTL, &info, TRUE);
    }
    void SetValue(int value) override { SetScrollPos(hwnd(), SB_CTL, value, TRUE); }
    void SetValueText(const std::string& text) override { setValueText(text); }
    // The bar's requests are the control's steps; where the thumb stands is the control's value.
    void Scroll(WORD request) override
    {
        const int value = bar_.Value();
        switch (request) {
        case SB_LINEUP:
            bar_.UserMove(value - bar_.SmallChange());
            break;
        case SB_LINEDOWN:
            bar_.UserMove(value + bar_.SmallChange());
            break;
        case SB_PAGEUP:
            bar_.UserMove(value - bar_.LargeChange());
            break;
        case SB_PAGEDOWN:
            bar_.UserMove(value + bar_.LargeChange());
            break;
        case SB_TOP:
            bar_.UserMove(bar_.Min());
            break;
        case SB_BOTTOM:
            bar_.UserMove(bar_.Max());
            break;
        case SB_THUMBTRACK:
        case SB_THUMBPOSITION: {
            SCROLLINFO info{sizeof info, SIF_TRACKPOS, 0, 0, 0, 0, 0};
            GetScrollInfo(hwnd(), SB_CTL, &info);
            bar_.UserMove(info.nTrackPos);
            break;
        }
        default:
            break;
        }
    }
    // The keys are the control's, the same as in every edition.
    bool Key(WPARAM key) override
    {
        static const std::map<WPARAM, surface::ScrollKey> keys{
            {VK_UP, surface::ScrollKey::Up},         {VK_LEFT, surface::ScrollKey::Left},
            {VK_DOWN, surface::ScrollKey::Down},     {VK_RIGHT, surface::ScrollKey::Right},
            {VK_PRIOR, surface::ScrollKey::PageUp},  {VK_NEXT, surface::ScrollKey::PageDown},
            {VK_HOME, surface::ScrollKey::Home},     {VK_END, surface::ScrollKey::End}};
        const auto found = keys.find(key);
        return found != keys.end() && bar_.UserKey(found->second);
    }

private:
    surface::ScrollBar& bar_;
};

class Label : public Native<surface::CaptionPeer> {
public:
    Label(Win32Window& window, surface::Label& label) : Native(window, label, L"STATIC", SS_LEFT | SS_NOPREFIX) {}
    void SetCaption(const std::string& caption) override
    {
        SetWindowTextW(hwnd(), WithCrLf(ToUtf16(caption)).c_str());
    }
};

// A multi-line text box wraps at its width, with a scroll bar only while its text is taller than
// the box; a single-line one scrolls sideways.
class TextBox : public Native<surface::TextBoxPeer> {
public:
    TextBox(Win32Window& window, surface::TextBox& box)
        : Native(window, box, L"EDIT",
                 WS_TABSTOP | WS_BORDER |
                     (box.MultiLine() ? ES_MULTILINE | ES_AUTOVSCROLL | ES_WANTRETURN | WS_VSCROLL : ES_AUTOHSCROLL)),
          box_(box)
    {
    }
    void SetText(const std::string& text) override
    {
        quiet_ = true;
        SetWindowTextW(hwnd(), WithCrLf(ToUtf16(text)).c_str());
        quiet_ = false;
        fitScrollBar();
    }
    void SetFontSize(double points) override
    {
        points_ = points;
        applyFont();
    }
    double DefaultFontSize() const override { return surface::kFontPoints; }
    void Command(WORD notification) override
    {
        if (notification != EN_CHANGE || quiet_)
            return;
        const int length = GetWindowTextLengthW(hwnd());
        std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
        GetWindowTextW(hwnd(), text.data(), length + 1);
        text.resize(static_cast<std::size_t>(length));
        box_.UserEdit(ToUtf8(WithoutCr(text)));
        fitScrollBar();
    }
    void Rescale() override
    {
        NativeControl::Rescale();
        applyFont();
    }

protected:
    void placed() override
    {
        // The boxes were made for text that fills them (" A = 5000"): no margin inside the border
        // beyond a pixel, which a change of font would set back to the font's own.
        SendMessageW(hwnd(), EM_SETMARGINS, EC_LEFTMARGIN | EC_RIGHTMARGIN, MAKELPARAM(1, 1));
        fitScrollBar();
    }

private:
    void applyFont()
    {
        if (points_ <= 0)
            return;
        // Points at the 96 logical pixels an inch that the twips assume, times this monitor's ratio.
        const int pixels = device(points_ * 96.0 / 72.0);
        SendMessageW(hwnd(), WM_SETFONT, reinterpret_cast<WPARAM>(ProgramFont(pixels)), TRUE);
        placed();
    }
    void fitScrollBar()
    {
        if (!box_.MultiLine())
            return;
        RECT client;
        GetClientRect(hwnd(), &client);
        HDC dc = GetDC(hwnd());
        HGDIOBJ old = SelectObject(dc, reinterpret_cast<HFONT>(SendMessageW(hwnd(), WM_GETFONT, 0, 0)));
        TEXTMETRICW metrics{};
        GetTextMetricsW(dc, &metrics);
        SelectObject(dc, old);
        ReleaseDC(hwnd(), dc);
        const int lineHeight = std::max(1, static_cast<int>(metrics.tmHeight));
        const int lines = static_cast<int>(SendMessageW(hwnd(), EM_GETLINECOUNT, 0, 0));
        const bool needed = lines * lineHeight > client.bottom;
        if (needed != barShown_) {
            barShown_ = needed;
            ShowScrollBar(hwnd(), SB_VERT, needed);
        }
    }

    surface::TextBox& box_;
    double points_ = 0;
    bool quiet_ = false;
    bool barShown_ = true;
};

}  // namespace

std::unique_ptr<surface::CaptionPeer> MakeButton(Win32Window& window, surface::CommandButton& button)
{
    return std::make_unique<Button>(window, button);
}

std::unique_ptr<surface::TogglePeer> MakeOptionButton(Win32Window& window, surface::OptionButton& option)
{
    return std::make_unique<Option>(window, option);
}

std::unique_ptr<surface::TogglePeer> MakeCheckBox(Win32Window& window, surface::CheckBox& box)
{
    return std::make_unique<Check>(window, box);
}

std::unique_ptr<surface::ScrollBarPeer> MakeScrollBar(Win32Window& window, surface::ScrollBar& bar)
{
    return std::make_unique<ScrollBar>(window, bar);
}

std::unique_ptr<surface::CaptionPeer> MakeLabel(Win32Window& window, surface::Label& label)
{
    return std::make_unique<Label>(window, label);
}

std::unique_ptr<surface::TextBoxPeer> MakeTextBox(Win32Window& window, surface::TextBox& box)
{
    return std::make_unique<TextBox>(window, box);
}

}  // namespace win32
