// Texts are UTF-8 in the program and UTF-16 at the Windows API: the one place they cross.
#pragma once

#include <string>

namespace win32 {

std::wstring ToUtf16(const std::string& text);
std::string ToUtf8(const std::wstring& text);

// A multi-line edit box ends its lines with CR LF; the program with LF alone.
std::wstring WithCrLf(const std::wstring& text);
std::wstring WithoutCr(const std::wstring& text);

}  // namespace win32
