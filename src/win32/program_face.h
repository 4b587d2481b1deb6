// The program's own face (the page's subset of Liberation Sans), carried in the executable, so
// that every school PC measures and draws the windows' texts alike, whatever fonts it has.
#pragma once

#include "win32/windows_api.h"

namespace win32 {

// Makes the face carried as a resource known to this process alone; false where it is missing.
bool LoadProgramFace();

// The face at this height in device pixels: smoothed for the controls, aliased for text printed
// into a picture, which must cover the same pixels every time. Kept until the program ends.
HFONT ProgramFont(int devicePixels, bool aliased = false);

}  // namespace win32
