// Twips, the program's unit of window and control geometry, and the size of the screen in twips.
#pragma once

namespace surface {

// 1440 twips to the inch at 96 logical pixels to the inch.
inline constexpr int kTwipsPerPixel = 15;

int ToPixels(double twips);

// The primary screen's size in logical pixels times 15.
float ScreenWidth();
float ScreenHeight();

// Lets tests lay the windows out for a screen of another size; (0, 0) restores the real one.
void SetScreenSizeForTesting(int widthPixels, int heightPixels);

}  // namespace surface
