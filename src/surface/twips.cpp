// Converts twips to pixels and reports the screen size the windows are stretched to.
#include "surface/twips.h"

#include <QGuiApplication>
#include <QScreen>

#include <cmath>

namespace surface {
namespace {

QSize& screenOverride()
{
    static QSize size;
    return size;
}

QSize screenPixels()
{
    if (!screenOverride().isEmpty())
        return screenOverride();
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen ? screen->size() : QSize(1024, 768);
}

}  // namespace

int ToPixels(double twips)
{
    return static_cast<int>(std::lround(twips / kTwipsPerPixel));
}

float ScreenWidth()
{
    return static_cast<float>(screenPixels().width() * kTwipsPerPixel);
}

float ScreenHeight()
{
    return static_cast<float>(screenPixels().height() * kTwipsPerPixel);
}

void SetScreenSizeForTesting(int widthPixels, int heightPixels)
{
    screenOverride() = QSize(widthPixels, heightPixels);
}

}  // namespace surface
