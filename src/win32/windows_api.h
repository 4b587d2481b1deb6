// The Windows API as this back end includes it: windows.h without the macro that would rename
// the surface's TextPainter::DrawText to DrawTextW wherever both are seen.
#pragma once

#include <windows.h>

#undef DrawText
