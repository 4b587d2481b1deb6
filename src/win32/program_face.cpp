// Loads the face from the executable's resources and keeps one font object a size.
#include "win32/program_face.h"

#include "win32/resources/resource_ids.h"

#include <map>
#include <utility>

namespace win32 {
namespace {

// The family name the build gives the cut-down face.
constexpr wchar_t kFaceName[] = L"Sorvel Sans";

}  // namespace

bool LoadProgramFace()
{
    HRSRC found = FindResourceW(nullptr, MAKEINTRESOURCEW(kFaceResource), MAKEINTRESOURCEW(10) /* RT_RCDATA */);
    if (!found)
        return false;
    HGLOBAL loaded = LoadResource(nullptr, found);
    void* bytes = loaded ? LockResource(loaded) : nullptr;
    if (!bytes)
        return false;
    DWORD installed = 0;
    return AddFontMemResourceEx(bytes, SizeofResource(nullptr, found), nullptr, &installed) != nullptr &&
           installed > 0;
}

HFONT ProgramFont(int devicePixels, bool aliased)
{
    static std::map<std::pair<int, bool>, HFONT> fonts;
    HFONT& font = fonts[{devicePixels, aliased}];
    if (!font) {
        LOGFONTW face{};
        face.lfHeight = -devicePixels;  // negative: the em's height, as the page and the desktop size it
        face.lfWeight = FW_NORMAL;
        face.lfCharSet = DEFAULT_CHARSET;
        face.lfQuality = aliased ? NONANTIALIASED_QUALITY : DEFAULT_QUALITY;
        lstrcpynW(face.lfFaceName, kFaceName, LF_FACESIZE);
        font = CreateFontIndirectW(&face);
    }
    return font;
}

}  // namespace win32
