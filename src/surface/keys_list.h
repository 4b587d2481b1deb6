// What KEYS lists: the keys of a window, made from its tab stops and the kinds of control that
// stand there (the keyboard rules' own tables), and the program's own keys.
#pragma once

#include <string>
#include <vector>

namespace surface {

class Form;

// One line a key: what to press, and what it does or which control it works. The page lists "?"
// beside F1; the desktop leaves it to be typed.
std::vector<std::string> KeysLines(const Form& window, bool onPage);

}  // namespace surface
