// Hands a picture's PNG and a moment's words on to the desktop: the system clipboard, and a file
// the user picks in a save dialog.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace qt {

void CopyPngToClipboard(const std::vector<std::uint8_t>& png);
void CopyTextToClipboard(const std::string& text);

// Where a picture is saved: the path the user picked for the suggested name, or "" when they
// cancelled. The program's own asks with a save dialog; tests put a chooser in its place that
// never blocks, and get the one it replaces back.
using SavePathChooser = std::function<std::string(const std::string& suggestedName)>;
SavePathChooser SetSavePathChooser(SavePathChooser chooser);

// Asks where, then writes the bytes as they are; a file that cannot be written is said so.
void SavePng(const std::string& suggestedName, const std::vector<std::uint8_t>& png);

}  // namespace qt
