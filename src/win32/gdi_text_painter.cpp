// GDI draws the glyphs white on black into a bitmap of its own; every pixel it touched takes the
// text's colour in the store. Aliased glyphs touch a pixel wholly or not at all, so the same text
// at the same place covers the same pixels every time.
#include "win32/gdi_text_painter.h"

#include "surface/appearance.h"
#include "win32/program_face.h"
#include "win32/utf16.h"

#include "win32/windows_api.h"

#include <algorithm>
#include <cmath>

namespace win32 {

void GdiTextPainter::DrawText(surface::PixelImage& image, double devicePixelRatio, int x, int y,
                              const std::string& text, std::uint32_t pixel)
{
    const std::wstring wide = ToUtf16(text);
    if (wide.empty() || image.empty())
        return;
    HDC dc = CreateCompatibleDC(nullptr);
    HGDIOBJ oldFont =
        SelectObject(dc, ProgramFont(static_cast<int>(std::lround(surface::kFontPixels * devicePixelRatio)), true));
    SIZE size{};
    GetTextExtentPoint32W(dc, wide.c_str(), static_cast<int>(wide.size()), &size);
    // Room for what hangs past the advance (an italic's overhang, a glyph's side bearing).
    const int width = size.cx + size.cy, height = size.cy;
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    HBITMAP bitmap = CreateDIBSection(dc, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    if (bitmap && bits) {
        HGDIOBJ oldBitmap = SelectObject(dc, bitmap);
        std::fill_n(static_cast<std::uint32_t*>(bits), static_cast<std::size_t>(width) * height, 0u);
        SetBkMode(dc, TRANSPARENT);
        SetTextColor(dc, RGB(255, 255, 255));
        TextOutW(dc, 0, 0, wide.c_str(), static_cast<int>(wide.size()));
        GdiFlush();
        const int left = static_cast<int>(std::lround(x * devicePixelRatio));
        const int top = static_cast<int>(std::lround(y * devicePixelRatio));
        const auto* glyphs = static_cast<const std::uint32_t*>(bits);
        for (int row = 0; row < height; ++row) {
            const int imageY = top + row;
            if (imageY < 0 || imageY >= image.height())
                continue;
            for (int column = 0; column < width; ++column) {
                const int imageX = left + column;
                if (imageX >= 0 && imageX < image.width() &&
                    (glyphs[static_cast<std::size_t>(row) * width + column] & 0xffffffu) != 0)
                    image.setPixel(imageX, imageY, pixel);
            }
        }
        SelectObject(dc, oldBitmap);
        DeleteObject(bitmap);
    }
    SelectObject(dc, oldFont);
    DeleteDC(dc);
}

}  // namespace win32
