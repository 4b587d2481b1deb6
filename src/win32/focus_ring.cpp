// A child window cut to the shape of a frame: it is drawn over the control it surrounds, takes no
// clicks, and is no control to a screen reader.
#include "win32/focus_ring.h"

#include "surface/appearance.h"

namespace win32 {
namespace {

constexpr wchar_t kRingClass[] = L"SorvelFocusRing";

LRESULT CALLBACK ringProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_NCHITTEST:
        return HTTRANSPARENT;  // a click goes to the control beneath
    case WM_ERASEBKGND:
        return 1;
    case WM_PAINT: {
        PAINTSTRUCT paint;
        HDC dc = BeginPaint(hwnd, &paint);
        const surface::Rgb colour = surface::kFocusOutlineColour;
        HBRUSH brush = CreateSolidBrush(RGB(colour.r, colour.g, colour.b));
        FillRect(dc, &paint.rcPaint, brush);
        DeleteObject(brush);
        EndPaint(hwnd, &paint);
        return 0;
    }
    case WM_GETOBJECT:
        return 0;  // no accessible object of its own
    default:
        return DefWindowProcW(hwnd, message, wParam, lParam);
    }
}

void registerClass()
{
    static const bool registered = [] {
        WNDCLASSW ringClass{};
        ringClass.lpfnWndProc = ringProc;
        ringClass.hInstance = GetModuleHandleW(nullptr);
        ringClass.lpszClassName = kRingClass;
        return RegisterClassW(&ringClass) != 0;
    }();
    (void)registered;
}

}  // namespace

FocusRing::~FocusRing()
{
    if (ring_ && IsWindow(ring_))
        DestroyWindow(ring_);
}

void FocusRing::Surround(HWND parent, const RECT& area, int width)
{
    if (IsRectEmpty(&area)) {
        Hide();
        return;
    }
    if (!ring_ || !IsWindow(ring_)) {
        registerClass();
        ring_ = CreateWindowExW(0, kRingClass, L"", WS_CHILD | WS_CLIPSIBLINGS, 0, 0, 0, 0, parent, nullptr,
                                GetModuleHandleW(nullptr), nullptr);
    }
    const int w = area.right - area.left, h = area.bottom - area.top;
    HRGN outer = CreateRectRgn(0, 0, w, h);
    HRGN inner = CreateRectRgn(width, width, w - width, h - width);
    CombineRgn(outer, outer, inner, RGN_DIFF);
    DeleteObject(inner);
    SetWindowRgn(ring_, outer, FALSE);  // the window owns the region from now on
    SetWindowPos(ring_, HWND_TOP, area.left, area.top, w, h, SWP_NOACTIVATE | SWP_SHOWWINDOW);
    InvalidateRect(ring_, nullptr, FALSE);
}

void FocusRing::Hide()
{
    if (ring_ && IsWindow(ring_))
        ShowWindow(ring_, SW_HIDE);
}

}  // namespace win32
