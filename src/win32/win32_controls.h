// The peers of the standard controls: each shows what its control holds and forwards what the user does.
#pragma once

#include "surface/backend.h"

#include <memory>

namespace win32 {

class Win32Window;

std::unique_ptr<surface::CaptionPeer> MakeButton(Win32Window& window, surface::CommandButton& button);
std::unique_ptr<surface::TogglePeer> MakeOptionButton(Win32Window& window, surface::OptionButton& option);
std::unique_ptr<surface::TogglePeer> MakeCheckBox(Win32Window& window, surface::CheckBox& box);
std::unique_ptr<surface::ScrollBarPeer> MakeScrollBar(Win32Window& window, surface::ScrollBar& bar);
std::unique_ptr<surface::CaptionPeer> MakeLabel(Win32Window& window, surface::Label& label);
std::unique_ptr<surface::TextBoxPeer> MakeTextBox(Win32Window& window, surface::TextBox& box);

}  // namespace win32
