// Encodes the pixel store with stb_image_write (Debian's libstb-dev), the one PNG encoder of every
// edition: it carries its own deflate, so the page needs no zlib of its own.
#include "canvas/png.h"

#define STB_IMAGE_WRITE_STATIC
#define STB_IMAGE_WRITE_IMPLEMENTATION
#define STBI_WRITE_NO_STDIO
#include <stb_image_write.h>

namespace surface {
namespace {

void append(void* context, void* data, int size)
{
    auto* out = static_cast<std::vector<std::uint8_t>*>(context);
    const auto* bytes = static_cast<const std::uint8_t*>(data);
    out->insert(out->end(), bytes, bytes + size);
}

}  // namespace

std::vector<std::uint8_t> EncodePng(const PixelImage& image)
{
    std::vector<std::uint8_t> png;
    if (image.empty())
        return png;
    // The store's words in the byte order of the screen it is shown on (PackPixel); the file
    // takes red, green, blue.
    std::vector<std::uint8_t> rgb(static_cast<std::size_t>(image.width()) * image.height() * 3);
    std::size_t at = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const std::uint32_t word = image.pixel(x, y);
#ifdef __EMSCRIPTEN__
            rgb[at++] = static_cast<std::uint8_t>(word);
            rgb[at++] = static_cast<std::uint8_t>(word >> 8);
            rgb[at++] = static_cast<std::uint8_t>(word >> 16);
#else
            rgb[at++] = static_cast<std::uint8_t>(word >> 16);
            rgb[at++] = static_cast<std::uint8_t>(word >> 8);
            rgb[at++] = static_cast<std::uint8_t>(word);
#endif
        }
    }
    if (!stbi_write_png_to_func(append, &png, image.width(), image.height(), 3, rgb.data(), image.width() * 3))
        png.clear();
    return png;
}

}  // namespace surface
