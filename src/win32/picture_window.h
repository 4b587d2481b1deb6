// A picture area on Windows: a child window that shows the picture's pixel store.
#pragma once

#include "surface/backend.h"

#include <memory>

namespace win32 {

class Win32Window;

std::unique_ptr<surface::PicturePeer> MakePicture(Win32Window& window, surface::Picture& picture);

}  // namespace win32
