// Reports the screen size the windows are stretched to, as the back end measures it.
#include "surface/screen.h"

#include "canvas/twips.h"
#include "surface/backend.h"

namespace surface {

float ScreenWidth()
{
    return static_cast<float>(TheBackend().ScreenPixels().width * kTwipsPerPixel);
}

float ScreenHeight()
{
    return static_cast<float>(TheBackend().ScreenPixels().height * kTwipsPerPixel);
}

}  // namespace surface
