// The size of the screen the windows are stretched over, in twips.
#pragma once

namespace surface {

// The primary screen's size in logical pixels times 15.
float ScreenWidth();
float ScreenHeight();

}  // namespace surface
