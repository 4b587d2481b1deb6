// Greedy line breaking at blanks.
#include "surface/caption_wrap.h"

namespace surface {

std::string WrapCaption(const std::string& caption, const std::function<int(const std::string&)>& width, int room)
{
    std::string text;
    std::string line;
    std::size_t start = 0;
    while (start <= caption.size()) {
        std::size_t blank = caption.find(' ', start);
        if (blank == std::string::npos)
            blank = caption.size();
        const std::string word = caption.substr(start, blank - start);
        start = blank + 1;
        const std::string longer = line.empty() ? word : line + ' ' + word;
        if (line.empty() || width(longer) <= room) {
            line = longer;
            continue;
        }
        text += line + '\n';
        line = word;
    }
    return text + line;
}

}  // namespace surface
