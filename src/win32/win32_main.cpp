// Windows entry point: the program's face and common controls, the Windows back end, the message
// box and the system's number format, then the start-up routine and the message loop.
#include "canvas/format.h"
#include "canvas/message_box.h"
#include "surface/form.h"
#include "win32/program_face.h"
#include "win32/utf16.h"
#include "win32/win32_backend.h"
#include "windows/startup.h"

#include "win32/windows_api.h"

#include <commctrl.h>

namespace {

std::string decimalSeparator()
{
    wchar_t separator[8] = L".";
    GetLocaleInfoEx(LOCALE_NAME_USER_DEFAULT, LOCALE_SDECIMAL, separator, 8);
    return win32::ToUtf8(separator);
}

}  // namespace

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int)
{
    // The standard controls of common controls 6, which the manifest asks for, drawn as the system draws its own.
    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_STANDARD_CLASSES};
    InitCommonControlsEx(&controls);
    win32::LoadProgramFace();
    surface::SetDecimalSeparator(decimalSeparator());
    surface::InstallBackend(std::make_unique<win32::Win32Backend>());
    surface::SetMessageSink([](const std::string& text) {
        MessageBoxW(GetActiveWindow(), win32::ToUtf16(text).c_str(), L"SORVEL", MB_OK | MB_ICONINFORMATION);
    });
    shell::StartUp();
    const int code = win32::TheWin32Backend().Run();
    surface::Form::DropAll();
    surface::InstallBackend(nullptr);
    return code;
}
