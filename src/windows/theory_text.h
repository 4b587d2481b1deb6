// The fixed explanatory text of the theory window.
#pragma once

#include <string>

namespace shell {

// The nine pieces of the text joined with nothing between them.
std::string TheoryText();

}  // namespace shell
