// Painting only copies the pixel store, in device pixels and only where it changed, so covering
// the window loses nothing and one repaint serves any number of drawing operations.
#include "win32/picture_window.h"

#include "surface/controls.h"
#include "win32/accessibility.h"
#include "win32/native_control.h"
#include "win32/win32_window.h"

namespace win32 {
namespace {

constexpr wchar_t kPictureClass[] = L"SorvelPicture";
// Posted to the picture when its pixels changed: handled once the drawing that changed them is done.
constexpr UINT kShowChanges = WM_APP + 1;

LRESULT CALLBACK pictureProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);

const wchar_t* pictureClass()
{
    static const bool registered = [] {
        WNDCLASSW pictureClass{};
        pictureClass.lpfnWndProc = pictureProc;
        pictureClass.hInstance = GetModuleHandleW(nullptr);
        pictureClass.hCursor = LoadCursorW(nullptr, MAKEINTRESOURCEW(32512));  // IDC_ARROW
        pictureClass.lpszClassName = kPictureClass;
        return RegisterClassW(&pictureClass) != 0;
    }();
    (void)registered;
    return kPictureClass;
}

class Picture : public Native<surface::PicturePeer> {
public:
    Picture(Win32Window& window, surface::Picture& picture)
        : Native(window, picture, pictureClass(), 0), picture_(picture)
    {
        AnnotateAsPicture(hwnd());
    }
    double DevicePixelRatio() const override { return window().ratio(); }
    void Update() override
    {
        if (!pending_) {
            pending_ = true;
            PostMessageW(hwnd(), kShowChanges, 0, 0);
        }
    }
    // The window moved to a monitor of another DPI: the picture is carried over at the new ratio.
    void Rescale() override
    {
        NativeControl::Rescale();
        if (picture_.raster().devicePixelRatio() != DevicePixelRatio())
            picture_.DevicePixelRatioChanged();
    }

    void showChanges()
    {
        pending_ = false;
        const surface::PixelArea changed = picture_.raster().TakeChangedArea();
        if (changed.empty())
            return;
        const RECT area{changed.left, changed.top, changed.right, changed.bottom};
        InvalidateRect(hwnd(), &area, FALSE);
        // The border is drawn over the picture's edge, which a change there paints over.
        if (picture_.Bordered())
            InvalidateRect(hwnd(), nullptr, FALSE);
    }

    void paint()
    {
        PAINTSTRUCT paint;
        HDC dc = BeginPaint(hwnd(), &paint);
        const surface::PixelImage& pixels = picture_.raster().image();
        BITMAPINFO info{};
        info.bmiHeader.biSize = sizeof info.bmiHeader;
        info.bmiHeader.biWidth = pixels.width();
        info.bmiHeader.biHeight = -pixels.height();  // top-down, as the store keeps its rows
        info.bmiHeader.biPlanes = 1;
        info.bmiHeader.biBitCount = 32;
        info.bmiHeader.biCompression = BI_RGB;
        // The whole store is handed over and the system copies what lies in the area being painted.
        if (!pixels.empty())
            SetDIBitsToDevice(dc, 0, 0, static_cast<DWORD>(pixels.width()), static_cast<DWORD>(pixels.height()), 0, 0,
                              0, static_cast<UINT>(pixels.height()), pixels.bits(), &info, DIB_RGB_COLORS);
        RECT client;
        GetClientRect(hwnd(), &client);
        // Where rounding leaves the area a device pixel larger than the store, the window's face shows.
        const RECT right{pixels.width(), 0, client.right, client.bottom};
        const RECT bottom{0, pixels.height(), client.right, client.bottom};
        FillRect(dc, &right, GetSysColorBrush(COLOR_BTNFACE));
        FillRect(dc, &bottom, GetSysColorBrush(COLOR_BTNFACE));
        if (picture_.Bordered())
            FrameRect(dc, &client, GetSysColorBrush(COLOR_BTNSHADOW));
        EndPaint(hwnd(), &paint);
    }

private:
    surface::Picture& picture_;
    bool pending_ = false;
};

LRESULT CALLBACK pictureProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    auto* picture = dynamic_cast<Picture*>(NativeControl::Of(hwnd));
    switch (message) {
    case kShowChanges:
        if (picture)
            picture->showChanges();
        return 0;
    case WM_PAINT:
        if (picture) {
            picture->paint();
            return 0;
        }
        break;
    case WM_ERASEBKGND:
        return 1;  // the store covers the whole area
    default:
        break;
    }
    return DefWindowProcW(hwnd, message, wParam, lParam);
}

}  // namespace

std::unique_ptr<surface::PicturePeer> MakePicture(Win32Window& window, surface::Picture& picture)
{
    return std::make_unique<Picture>(window, picture);
}

}  // namespace win32
