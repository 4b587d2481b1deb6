// A picture's pixels: device pixels row by row, each a 32-bit word, with no toolkit behind it.
#pragma once

#include <algorithm>
#include <cstdint>
#include <vector>

namespace surface {

// A rectangle of device pixels, [left, right) × [top, bottom); empty when it holds no pixel.
struct PixelArea {
    int left = 0, top = 0, right = 0, bottom = 0;

    bool empty() const { return left >= right || top >= bottom; }
    // The smallest area holding both.
    void unite(const PixelArea& other)
    {
        if (other.empty())
            return;
        if (empty()) {
            *this = other;
            return;
        }
        left = std::min(left, other.left);
        top = std::min(top, other.top);
        right = std::max(right, other.right);
        bottom = std::max(bottom, other.bottom);
    }
    friend bool operator==(const PixelArea&, const PixelArea&) = default;
};

// Packs a colour the way the pixel store keeps it: as the screen takes its pixels, so that showing
// a picture copies it as it is. The desktop's images take 0xffRRGGBB words; a browser's canvas
// takes the bytes R, G, B, A, which in WebAssembly's little-endian words are 0xffBBGGRR.
inline constexpr std::uint32_t PackPixel(int r, int g, int b)
{
#ifdef __EMSCRIPTEN__
    return 0xff000000u | static_cast<std::uint32_t>((b & 255) << 16 | (g & 255) << 8 | (r & 255));
#else
    return 0xff000000u | static_cast<std::uint32_t>((r & 255) << 16 | (g & 255) << 8 | (b & 255));
#endif
}

class PixelImage {
public:
    PixelImage() = default;
    PixelImage(int width, int height, std::uint32_t fill)
        : width_(width), height_(height), pixels_(static_cast<std::size_t>(width) * height, fill)
    {
    }

    int width() const { return width_; }
    int height() const { return height_; }
    bool empty() const { return pixels_.empty(); }
    std::uint32_t pixel(int x, int y) const { return pixels_[index(x, y)]; }
    void setPixel(int x, int y, std::uint32_t value) { pixels_[index(x, y)] = value; }
    std::uint32_t* bits() { return pixels_.data(); }
    const std::uint32_t* bits() const { return pixels_.data(); }
    void fill(std::uint32_t value) { pixels_.assign(pixels_.size(), value); }

    friend bool operator==(const PixelImage&, const PixelImage&) = default;

private:
    std::size_t index(int x, int y) const { return static_cast<std::size_t>(y) * width_ + x; }

    int width_ = 0;
    int height_ = 0;
    std::vector<std::uint32_t> pixels_;
};

}  // namespace surface
