// A prepared moment as the words of a link: which window opens and what a user then did in it,
// read from the page's fragment or the desktop's one argument, and written for the moment shown.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace moment {

enum class Opens { Introduction, Theory, Linear, SquareRoot };

// What a link asks for, in the units of the controls it moves: a bar's value, an option's choice.
// An empty field is a control the link leaves as the window opens it.
struct Moment {
    Opens window = Opens::Introduction;
    std::optional<bool> speedIncreasesUpwards;  // linear: k=up (true) or k=down (false)
    std::optional<int> timeBar;                 // either case: XRONOS's value
    std::optional<int> angleBar;                // linear: VScroll1's value, tenths of a degree
    std::optional<int> aBar;                    // square root: HScroll1's value, A itself
    bool frontsOnly = false;                    // linear: "SHOW ONLY WAVE FRONTS"
    bool fronts = false;                        // square root: "WAVE FRONTS"
    bool stopped = false;                       // either case: the timer stopped
    friend bool operator==(const Moment&, const Moment&) = default;
};

struct ParsedLink {
    Moment moment;
    // Each word left out, quoted, with why: one entry a word.
    std::vector<std::string> ignored;
};

// Reads the words joined by '&' (percent escapes decoded). The first window word decides the
// window; a word that is unknown, out of range, malformed, repeated or of another window is left
// out and the rest still counts. Text with no window word opens the introduction.
ParsedLink ParseLink(std::string_view text);

// The words that open this moment again, as "Copy link to this moment" writes them.
std::string LinkWords(const Moment& moment);

// The one sentence that says what a link left out, or "" when it left out nothing.
std::string IgnoredSentence(const std::vector<std::string>& ignored);

}  // namespace moment
