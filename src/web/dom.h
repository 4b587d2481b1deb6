// The page's DOM operations as C++ calls: each goes to the page script, which makes and changes
// the elements; nothing here decides anything.
#pragma once

#include "canvas/pixel_image.h"
#include "surface/backend.h"

#include <cstdint>
#include <string>
#include <vector>

namespace web::dom {

void MakeWindow(int id, const std::string& caption);
void WindowGeometry(int id, const surface::PixelRect& rect);
// The shown windows, back to front, each with whether it takes the keyboard, the pointer and a
// screen reader's attention; the others are hidden.
struct Layer {
    int id;
    bool takesInput;
};
void Stack(const std::vector<Layer>& layers);
void RemoveWindow(int id);
void TabOrder(int windowId, const std::vector<int>& ids);

enum class Kind { Button, Option, Check, Scroll, Label, Text, Picture };
// a..f: what the kind needs (an option's group; a scroll bar's orientation, Min, Max and value;
// whether a text box has many lines).
void MakeControl(int id, int windowId, Kind kind, int a = 0, int b = 0, int c = 0, int d = 0);
void Geometry(int id, const surface::PixelRect& rect);
void Visible(int id, bool visible);
void Name(int id, const std::string& name);
void Caption(int id, const std::string& caption);
void Checked(int id, bool checked);
void Value(int id, int value);
void Thumb(int id, const surface::ThumbExtent& thumb);
void Text(int id, const std::string& text);
void FontSize(int id, double points);
void Bordered(int id);
void Remove(int id);

// Of width × height pixels in the canvas's byte order (R, G, B, A), as the pixel store keeps
// them, those of `area`; all of them where the canvas is not of that size yet.
void Pixels(int id, const std::uint32_t* rgba, int width, int height, const surface::PixelArea& area);
void DrawText(std::uint32_t* store, int storeWidth, int storeHeight, double ratio, int x, int y,
              const std::string& text, std::uint32_t pixel);

int ScreenWidth();
int ScreenHeight();
// What the page shows the windows by.
struct Look {
    double scale;      // CSS pixels to each logical pixel of the windows
    int screenHeight;  // logical pixels; the page scrolls where the viewport is shorter
    int captionBar;    // the height of each window's caption bar, logical pixels
    int fontPixels;    // the face's size, logical pixels
    int focusWidth;    // the focus outline, logical pixels
    int focusColour;   // 0xRRGGBB
    int touchTarget;   // the least target a finger is given, CSS pixels
};
void Appearance(const Look& look);
double DevicePixelRatio();
std::string DecimalSeparator();
void Alert(const std::string& text);
void End();
void Start();
// The page's link fragment after its '#', as the address holds it (escapes and all).
std::string LinkFragment();

// What a screen reader is told: a description, a scroll bar's value in words, the label that
// names a control, a named group of option buttons, the focus, and the page's polite live region.
void Description(int id, const std::string& text);
void ValueText(int id, const std::string& text);
void LabelFor(int labelId, int id);
void Group(int windowId, const std::string& name, const std::vector<int>& ids);
void Focus(int id);
// The focus moves to the close button of that window's caption bar.
void FocusClose(int windowId);
void Announce(const std::string& sentence);

// The teacher's toolkit: the picture's menu shown on that picture's canvas, PNG bytes to the
// clipboard or a download, a moment's words to the clipboard as the page's link, the screen's wake
// lock, the page filling the screen, and which control has the focus (0: none of the program's).
void ShowMenu(int pictureId, const std::vector<std::string>& items);
void CopyPng(const std::vector<std::uint8_t>& png, const std::string& fileName);
void SavePng(const std::vector<std::uint8_t>& png, const std::string& fileName);
void CopyLink(const std::string& words);
void KeepAwake(bool awake);
void FullScreen(bool on);
bool IsFullScreen();
int FocusedId();

}  // namespace web::dom
