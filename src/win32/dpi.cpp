// The per-monitor DPI functions came with Windows 10 (1607); on an older system every monitor
// has the system's DPI and the frame is what the plain function says.
#include "win32/dpi.h"

#include "surface/screen_scale.h"

namespace win32 {
namespace {

template <class Function>
Function user32(const char* name)
{
    return reinterpret_cast<Function>(reinterpret_cast<void*>(GetProcAddress(GetModuleHandleW(L"user32.dll"), name)));
}

int screenDpi()
{
    HDC screen = GetDC(nullptr);
    const int dpi = GetDeviceCaps(screen, LOGPIXELSX);
    ReleaseDC(nullptr, screen);
    return dpi > 0 ? dpi : kBaseDpi;
}

}  // namespace

int PrimaryDpi()
{
    using Function = UINT(WINAPI*)();
    static const Function system = user32<Function>("GetDpiForSystem");
    const int dpi = system ? static_cast<int>(system()) : screenDpi();
    return dpi > 0 ? dpi : kBaseDpi;
}

int WindowDpi(HWND window)
{
    using Function = UINT(WINAPI*)(HWND);
    static const Function forWindow = user32<Function>("GetDpiForWindow");
    const int dpi = forWindow && window ? static_cast<int>(forWindow(window)) : 0;
    return dpi > 0 ? dpi : PrimaryDpi();
}

SIZE FrameExtent(DWORD style, DWORD exStyle, int dpi)
{
    using Function = BOOL(WINAPI*)(RECT*, DWORD, BOOL, DWORD, UINT);
    static const Function forDpi = user32<Function>("AdjustWindowRectExForDpi");
    RECT rect{0, 0, 0, 0};
    if (forDpi)
        forDpi(&rect, style, FALSE, exStyle, static_cast<UINT>(dpi));
    else
        AdjustWindowRectEx(&rect, style, FALSE, exStyle);
    return {rect.right - rect.left, rect.bottom - rect.top};
}

surface::PixelSize PrimaryScreen()
{
    // The process is aware of each monitor's DPI (its manifest says so): the metrics are device pixels.
    const int dpi = PrimaryDpi();
    return {MulDiv(GetSystemMetrics(SM_CXSCREEN), kBaseDpi, dpi), MulDiv(GetSystemMetrics(SM_CYSCREEN), kBaseDpi, dpi)};
}

double ProgramScale()
{
    static const double scale = surface::ProgramScale(PrimaryScreen());
    return scale;
}

}  // namespace win32
