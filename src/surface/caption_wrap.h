// Breaking captions into lines, as captions of buttons and boxes wrap rather than being cut off at the edge.
#pragma once

#include <functional>
#include <string>

namespace surface {

// Breaks a caption at blanks into lines no wider than `room` (a longer word keeps a line of its
// own), measuring with `width`, the toolkit's advance of a text in its font.
std::string WrapCaption(const std::string& caption, const std::function<int(const std::string&)>& width, int room);

}  // namespace surface
