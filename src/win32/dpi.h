// Device pixels and the program's scale: Windows' DPI of the primary monitor and of each window,
// asked of functions that only newer Windows has, and the frame a window's style adds.
#pragma once

#include "surface/backend.h"

#include "win32/windows_api.h"

namespace win32 {

// Windows' logical pixel: 96 a logical inch.
inline constexpr int kBaseDpi = 96;

// The primary monitor's DPI, which the program's scale and the windows' places are computed from.
int PrimaryDpi();
// The DPI of the monitor a window is on now.
int WindowDpi(HWND window);
// What the frame of a window of this style takes of its outer size, in device pixels at this DPI.
SIZE FrameExtent(DWORD style, DWORD exStyle, int dpi);

// The primary monitor in Windows' logical pixels.
surface::PixelSize PrimaryScreen();
// The program's scale for the primary monitor (surface::ProgramScale), chosen once at start.
double ProgramScale();
// Device pixels to one of the program's logical pixels on a monitor of this DPI.
inline double DeviceRatio(int dpi)
{
    return ProgramScale() * dpi / kBaseDpi;
}

}  // namespace win32
