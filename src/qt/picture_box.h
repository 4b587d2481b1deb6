// A picture area on the desktop: a widget that shows its picture's pixel store.
#pragma once

#include "qt/qt_controls.h"

namespace qt {

std::unique_ptr<surface::PicturePeer> MakePicture(QWidget* window, surface::Picture& picture);

}  // namespace qt
