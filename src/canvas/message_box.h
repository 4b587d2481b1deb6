// The modal message box, reached through a replaceable sink so that no test ever blocks on a dialog.
#pragma once

#include <functional>
#include <string>

namespace surface {

using MessageSink = std::function<void(const std::string&)>;

// Installs a new sink and returns the one it replaces.
MessageSink SetMessageSink(MessageSink sink);

// Shows the text through the current sink and returns when the user has closed it.
void MsgBox(const std::string& text);

}  // namespace surface
