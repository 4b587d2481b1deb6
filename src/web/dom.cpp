// Hands each DOM operation to the page script (SorvelPage), strings as UTF-8 in the WebAssembly memory.
#include "web/dom.h"

#include <emscripten.h>

#include <cstdlib>

namespace web::dom {
namespace {

const char* kindName(Kind kind)
{
    switch (kind) {
    case Kind::Button:
        return "button";
    case Kind::Option:
        return "option";
    case Kind::Check:
        return "check";
    case Kind::Scroll:
        return "scroll";
    case Kind::Label:
        return "label";
    case Kind::Text:
        return "text";
    case Kind::Picture:
        return "picture";
    }
    return "label";
}

// clang-format off
EM_JS(void, jsMakeWindow, (int id, const char* caption), { SorvelPage.makeWindow(id, UTF8ToString(caption)); });
EM_JS(void, jsWindowGeometry, (int id, int l, int t, int w, int h), { SorvelPage.windowGeometry(id, l, t, w, h); });
EM_JS(void, jsStack, (const int* ids, const int* inputs, int count), {
    SorvelPage.stack(Array.from(HEAP32.subarray(ids >> 2, (ids >> 2) + count)),
                     Array.from(HEAP32.subarray(inputs >> 2, (inputs >> 2) + count)).map(Boolean));
});
EM_JS(void, jsRemoveWindow, (int id), { SorvelPage.removeWindow(id); });
EM_JS(void, jsTabOrder, (int windowId, const int* ids, int count), {
    SorvelPage.tabOrder(windowId, Array.from(HEAP32.subarray(ids >> 2, (ids >> 2) + count)));
});
EM_JS(void, jsMakeControl, (int id, int windowId, const char* kind, int a, int b, int c, int d), {
    SorvelPage.makeControl(id, windowId, UTF8ToString(kind), a, b, c, d);
});
EM_JS(void, jsGeometry, (int id, int l, int t, int w, int h), { SorvelPage.geometry(id, l, t, w, h); });
EM_JS(void, jsVisible, (int id, int shown), { SorvelPage.visible(id, shown !== 0); });
EM_JS(void, jsName, (int id, const char* text), { SorvelPage.name(id, UTF8ToString(text)); });
EM_JS(void, jsCaption, (int id, const char* text), { SorvelPage.caption(id, UTF8ToString(text)); });
EM_JS(void, jsChecked, (int id, int on), { SorvelPage.checked(id, on !== 0); });
EM_JS(void, jsValue, (int id, int value), { SorvelPage.value(id, value); });
EM_JS(void, jsThumb, (int id, int start, int length, int bar), { SorvelPage.thumb(id, start, length, bar); });
EM_JS(void, jsText, (int id, const char* text), { SorvelPage.text(id, UTF8ToString(text)); });
EM_JS(void, jsFontSize, (int id, double points), { SorvelPage.fontSize(id, points); });
EM_JS(void, jsBordered, (int id), { SorvelPage.bordered(id); });
EM_JS(void, jsRemove, (int id), { SorvelPage.remove(id); });
EM_JS(void, jsPixels, (int id, const void* rgba, int w, int h, int l, int t, int r, int b), {
    SorvelPage.pixels(id, rgba, w, h, l, t, r, b);
});
EM_JS(void, jsDrawText, (void* store, int w, int h, double ratio, int x, int y, const char* text, unsigned pixel), {
    SorvelPage.drawText(store, w, h, ratio, x, y, UTF8ToString(text), pixel);
});
EM_JS(int, jsScreenWidth, (), { return SorvelPage.screenWidth(); });
EM_JS(int, jsScreenHeight, (), { return SorvelPage.screenHeight(); });
EM_JS(double, jsDevicePixelRatio, (), { return SorvelPage.devicePixelRatio(); });
EM_JS(void, jsAppearance, (double scale, int height, int caption, int font, int focusWidth, int focusColour,
                          int touch), {
    SorvelPage.appearance(scale, height, caption, font, focusWidth, focusColour, touch);
});
EM_JS(int, jsDecimalSeparator, (), { return SorvelPage.decimalSeparator().codePointAt(0); });
EM_JS(void, jsAlert, (const char* text), { SorvelPage.alert(UTF8ToString(text)); });
EM_JS(void, jsEnd, (), { SorvelPage.end(); });
EM_JS(void, jsStart, (), { SorvelPage.start(); });
EM_JS(void, jsShowMenu, (int id, const char* items), { SorvelPage.showMenu(id, UTF8ToString(items).split("\n")); });
EM_JS(void, jsCopyPng, (const void* png, int size, const char* name), {
    SorvelPage.copyPng(HEAPU8.slice(png, png + size), UTF8ToString(name));
});
EM_JS(void, jsSavePng, (const void* png, int size, const char* name), {
    SorvelPage.savePng(HEAPU8.slice(png, png + size), UTF8ToString(name));
});
EM_JS(void, jsCopyLink, (const char* words), { SorvelPage.copyLink(UTF8ToString(words)); });
EM_JS(void, jsKeepAwake, (int on), { SorvelPage.keepAwake(on !== 0); });
EM_JS(void, jsFullScreen, (int on), { SorvelPage.fullScreen(on !== 0); });
EM_JS(int, jsFocusedId, (), { return SorvelPage.focusedId(); });
EM_JS(int, jsIsFullScreen, (), { return SorvelPage.isFullScreen() ? 1 : 0; });
// A string of the page's into the WebAssembly memory, which the caller frees.
EM_JS(char*, jsLinkFragment, (), {
    var text = SorvelPage.linkFragment();
    var size = lengthBytesUTF8(text) + 1;
    var at = _malloc(size);
    stringToUTF8(text, at, size);
    return at;
});
EM_JS(void, jsDescription, (int id, const char* text), { SorvelPage.description(id, UTF8ToString(text)); });
EM_JS(void, jsValueText, (int id, const char* text), { SorvelPage.valueText(id, UTF8ToString(text)); });
EM_JS(void, jsLabelFor, (int labelId, int id), { SorvelPage.labelFor(labelId, id); });
EM_JS(void, jsGroup, (int windowId, const char* name, const int* ids, int count), {
    SorvelPage.group(windowId, UTF8ToString(name), Array.from(HEAP32.subarray(ids >> 2, (ids >> 2) + count)));
});
EM_JS(void, jsFocus, (int id), { SorvelPage.focus(id); });
EM_JS(void, jsFocusClose, (int windowId), { SorvelPage.focusClose(windowId); });
EM_JS(void, jsAnnounce, (const char* text), { SorvelPage.announce(UTF8ToString(text)); });
// clang-format on

// One code point as UTF-8.
std::string utf8(int codePoint)
{
    std::string out;
    const auto c = static_cast<unsigned>(codePoint);
    if (c < 0x80) {
        out += static_cast<char>(c);
    } else if (c < 0x800) {
        out += static_cast<char>(0xc0 | (c >> 6));
        out += static_cast<char>(0x80 | (c & 0x3f));
    } else if (c < 0x10000) {
        out += static_cast<char>(0xe0 | (c >> 12));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3f));
        out += static_cast<char>(0x80 | (c & 0x3f));
    } else {
        out += static_cast<char>(0xf0 | (c >> 18));
        out += static_cast<char>(0x80 | ((c >> 12) & 0x3f));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3f));
        out += static_cast<char>(0x80 | (c & 0x3f));
    }
    return out;
}

}  // namespace

void MakeWindow(int id, const std::string& caption)
{
    jsMakeWindow(id, caption.c_str());
}

void WindowGeometry(int id, const surface::PixelRect& r)
{
    jsWindowGeometry(id, r.left, r.top, r.width, r.height);
}

void Stack(const std::vector<Layer>& layers)
{
    std::vector<int> ids, inputs;
    for (const Layer& layer : layers) {
        ids.push_back(layer.id);
        inputs.push_back(layer.takesInput ? 1 : 0);
    }
    jsStack(ids.data(), inputs.data(), static_cast<int>(layers.size()));
}

void RemoveWindow(int id)
{
    jsRemoveWindow(id);
}

void TabOrder(int windowId, const std::vector<int>& ids)
{
    jsTabOrder(windowId, ids.data(), static_cast<int>(ids.size()));
}

void MakeControl(int id, int windowId, Kind kind, int a, int b, int c, int d)
{
    jsMakeControl(id, windowId, kindName(kind), a, b, c, d);
}

void Geometry(int id, const surface::PixelRect& r)
{
    jsGeometry(id, r.left, r.top, r.width, r.height);
}

void Visible(int id, bool visible)
{
    jsVisible(id, visible ? 1 : 0);
}

void Name(int id, const std::string& name)
{
    jsName(id, name.c_str());
}

void Caption(int id, const std::string& caption)
{
    jsCaption(id, caption.c_str());
}

void Checked(int id, bool checked)
{
    jsChecked(id, checked ? 1 : 0);
}

void Value(int id, int value)
{
    jsValue(id, value);
}

void Thumb(int id, const surface::ThumbExtent& thumb)
{
    jsThumb(id, thumb.start, thumb.length, thumb.barLength);
}

void Text(int id, const std::string& text)
{
    jsText(id, text.c_str());
}

void FontSize(int id, double points)
{
    jsFontSize(id, points);
}

void Bordered(int id)
{
    jsBordered(id);
}

void Remove(int id)
{
    jsRemove(id);
}

void Pixels(int id, const std::uint32_t* rgba, int width, int height, const surface::PixelArea& area)
{
    jsPixels(id, rgba, width, height, area.left, area.top, area.right, area.bottom);
}

void DrawText(std::uint32_t* store, int storeWidth, int storeHeight, double ratio, int x, int y,
              const std::string& text, std::uint32_t pixel)
{
    jsDrawText(store, storeWidth, storeHeight, ratio, x, y, text.c_str(), pixel);
}

int ScreenWidth()
{
    return jsScreenWidth();
}

int ScreenHeight()
{
    return jsScreenHeight();
}

double DevicePixelRatio()
{
    return jsDevicePixelRatio();
}

void Appearance(const Look& look)
{
    jsAppearance(look.scale, look.screenHeight, look.captionBar, look.fontPixels, look.focusWidth, look.focusColour,
                 look.touchTarget);
}

std::string DecimalSeparator()
{
    return utf8(jsDecimalSeparator());
}

void Alert(const std::string& text)
{
    jsAlert(text.c_str());
}

void End()
{
    jsEnd();
}

void ShowMenu(int pictureId, const std::vector<std::string>& items)
{
    // The items' texts hold no line break: one text of lines crosses to the page.
    std::string lines;
    for (const std::string& item : items)
        lines += (lines.empty() ? "" : "\n") + item;
    jsShowMenu(pictureId, lines.c_str());
}

void CopyPng(const std::vector<std::uint8_t>& png, const std::string& fileName)
{
    jsCopyPng(png.data(), static_cast<int>(png.size()), fileName.c_str());
}

void SavePng(const std::vector<std::uint8_t>& png, const std::string& fileName)
{
    jsSavePng(png.data(), static_cast<int>(png.size()), fileName.c_str());
}

void CopyLink(const std::string& words)
{
    jsCopyLink(words.c_str());
}

void KeepAwake(bool awake)
{
    jsKeepAwake(awake ? 1 : 0);
}

void FullScreen(bool on)
{
    jsFullScreen(on ? 1 : 0);
}

bool IsFullScreen()
{
    return jsIsFullScreen() != 0;
}

int FocusedId()
{
    return jsFocusedId();
}

std::string LinkFragment()
{
    char* text = jsLinkFragment();
    std::string fragment(text);
    std::free(text);
    return fragment;
}

void Start()
{
    jsStart();
}

void Description(int id, const std::string& text)
{
    jsDescription(id, text.c_str());
}

void ValueText(int id, const std::string& text)
{
    jsValueText(id, text.c_str());
}

void LabelFor(int labelId, int id)
{
    jsLabelFor(labelId, id);
}

void Group(int windowId, const std::string& name, const std::vector<int>& ids)
{
    jsGroup(windowId, name.c_str(), ids.data(), static_cast<int>(ids.size()));
}

void Focus(int id)
{
    jsFocus(id);
}

void FocusClose(int windowId)
{
    jsFocusClose(windowId);
}

void Announce(const std::string& sentence)
{
    jsAnnounce(sentence.c_str());
}

}  // namespace web::dom
