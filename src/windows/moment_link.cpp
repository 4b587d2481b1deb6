// The words of a prepared moment: reading them with what is left out and why, and writing them.
#include "windows/moment_link.h"

#include <cstdint>
#include <cstdlib>

namespace moment {
namespace {

// A number word is short: seven digits before the point already pass every range, and the bars
// are read to a thousandth at most.
constexpr std::size_t kLongestNumber = 16;
constexpr std::int64_t kLargestWhole = 1'000'000;
constexpr std::int64_t kFinestFraction = 1'000'000'000;
// What the sentence quotes of one word, and how many words it names before it counts the rest:
// enough to see the mistake, never a wall of text read out by a screen reader.
constexpr std::size_t kQuotedLength = 24;
constexpr std::size_t kNamedWords = 5;

// A bar of a window as a link moves it: its word's range in the word's units, and how many
// of the bar's steps make one of those units.
struct BarWord {
    int min, max;  // in the bar's own steps
    int stepsPerUnit;
    const char* range;  // said when a value is out of it
};

constexpr BarWord kLinearTime{0, 1000, 1000, "0 to 1"};  // XRONOS counts milliseconds
constexpr BarWord kAngle{-900, 900, 10, "-90 to 90"};    // VScroll1 counts tenths of a degree
constexpr BarWord kA{500, 5000, 1, "500 to 5000"};        // HScroll1 is A itself
constexpr BarWord kRootTime{0, 10000, 1000, "0 to 10"};   // XRONOS counts thousandths of a unit

int hexDigit(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

// A link copied from a mail or a page may arrive with its '&' and '=' escaped; a '%' that starts
// no escape stays, and makes its word unknown.
std::string percentDecoded(std::string_view text)
{
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '%' && i + 2 < text.size()) {
            const int high = hexDigit(text[i + 1]), low = hexDigit(text[i + 2]);
            if (high >= 0 && low >= 0) {
                out.push_back(static_cast<char>(high * 16 + low));
                i += 2;
                continue;
            }
        }
        out.push_back(text[i]);
    }
    return out;
}

enum class NumberFault { None, Malformed, OutOfRange };

// A decimal number (an optional minus, the typographic one too, digits with at most one point)
// as the nearest of the bar's steps, half away from zero, in exact integer arithmetic so that no
// locale and no rounding of binary fractions decide which step a word means.
NumberFault readBar(std::string_view text, const BarWord& bar, int& steps)
{
    bool negative = false;
    if (text.starts_with("-")) {
        negative = true;
        text.remove_prefix(1);
    } else if (text.starts_with("\xE2\x88\x92")) {  // U+2212 MINUS SIGN, as lesson notes print it
        negative = true;
        text.remove_prefix(3);
    }
    if (text.empty() || text.size() > kLongestNumber)
        return NumberFault::Malformed;
    std::int64_t whole = 0, fraction = 0, scale = 1;
    bool point = false, digits = false;
    for (const char c : text) {
        if (c == '.' && !point) {
            point = true;
        } else if (c >= '0' && c <= '9') {
            digits = true;
            // Digits past the ninth cannot move a value across half a step of a thousandth, and
            // a whole part past kLargestWhole is out of every range: neither can overflow.
            if (point && scale < kFinestFraction) {
                fraction = fraction * 10 + (c - '0');
                scale *= 10;
            } else if (!point && whole <= kLargestWhole) {
                whole = whole * 10 + (c - '0');
            }
        } else {
            return NumberFault::Malformed;
        }
    }
    if (!digits)
        return NumberFault::Malformed;
    // Twice the value in steps, to round half away from zero: 2·(whole + fraction/scale)·per.
    const std::int64_t twice = 2 * whole * bar.stepsPerUnit + (2 * fraction * bar.stepsPerUnit) / scale;
    const std::int64_t rounded = (twice + 1) / 2;
    const std::int64_t value = negative ? -rounded : rounded;
    if (value < bar.min || value > bar.max)
        return NumberFault::OutOfRange;
    steps = static_cast<int>(value);
    return NumberFault::None;
}

// A word as the sentence quotes it: shortened, and with nothing in it that is not plain
// printable text, so that no link can write control characters onto a terminal or a page.
std::string quoted(std::string_view word)
{
    std::string out = "\"";
    for (std::size_t i = 0; i < word.size() && i < kQuotedLength; ++i) {
        const auto c = static_cast<unsigned char>(word[i]);
        out.push_back(c >= 0x20 && c < 0x7f ? static_cast<char>(c) : '?');
    }
    if (word.size() > kQuotedLength)
        out += "...";
    return out + "\"";
}

bool windowWord(std::string_view word, Opens& window)
{
    if (word == "linear")
        window = Opens::Linear;
    else if (word == "square-root")
        window = Opens::SquareRoot;
    else if (word == "theory")
        window = Opens::Theory;
    else
        return false;
    return true;
}

const char* nameOf(Opens window)
{
    switch (window) {
    case Opens::Linear: return "the linear case";
    case Opens::SquareRoot: return "the square-root case";
    case Opens::Theory: return "the theory";
    case Opens::Introduction: break;
    }
    return "the introduction";
}

// Reads one word of the window the link opens into the moment, or says why it cannot.
std::string readWord(std::string_view word, Moment& m)
{
    const std::size_t equals = word.find('=');
    const std::string_view key = word.substr(0, equals);
    const std::string_view value = equals == std::string_view::npos ? std::string_view{} : word.substr(equals + 1);
    const bool hasValue = equals != std::string_view::npos;

    const auto flag = [&](bool& field) -> std::string {
        if (hasValue)
            return "takes no value";
        if (field)
            return "repeated";
        field = true;
        return {};
    };
    const auto bar = [&](std::optional<int>& field, const BarWord& range) -> std::string {
        if (!hasValue)
            return "needs a value";
        if (field)
            return "repeated";
        int steps = 0;
        switch (readBar(value, range, steps)) {
        case NumberFault::Malformed: return "not a number";
        case NumberFault::OutOfRange: return std::string("not in ") + range.range;
        case NumberFault::None: break;
        }
        field = steps;
        return {};
    };

    if (m.window == Opens::Linear) {
        if (key == "k") {
            if (m.speedIncreasesUpwards)
                return "repeated";
            if (value == "up" && hasValue)
                m.speedIncreasesUpwards = true;
            else if (value == "down" && hasValue)
                m.speedIncreasesUpwards = false;
            else
                return "k is up or down";
            return {};
        }
        if (key == "t")
            return bar(m.timeBar, kLinearTime);
        if (key == "angle")
            return bar(m.angleBar, kAngle);
        if (key == "fronts-only")
            return flag(m.frontsOnly);
        if (key == "stopped")
            return flag(m.stopped);
    } else if (m.window == Opens::SquareRoot) {
        if (key == "A")
            return bar(m.aBar, kA);
        if (key == "T")
            return bar(m.timeBar, kRootTime);
        if (key == "fronts")
            return flag(m.fronts);
        if (key == "stopped")
            return flag(m.stopped);
    }
    if (m.window == Opens::Introduction)
        return "unknown word";
    return std::string("not a word of ") + nameOf(m.window);
}

std::vector<std::string_view> splitWords(std::string_view text)
{
    std::vector<std::string_view> words;
    std::size_t start = 0;
    while (start <= text.size()) {
        const std::size_t end = std::min(text.find('&', start), text.size());
        if (end > start)  // "a&&b" and a trailing '&' hold empty words, which say nothing
            words.push_back(text.substr(start, end - start));
        start = end + 1;
    }
    return words;
}

// A bar's value in the word's units, as short as it is exact: 4000 thousandths as "4", 125 as "0.125".
std::string unitsOf(int steps, int stepsPerUnit)
{
    std::string out = steps < 0 ? "-" : "";
    const int magnitude = std::abs(steps);
    out += std::to_string(magnitude / stepsPerUnit);
    int fraction = magnitude % stepsPerUnit;
    if (fraction == 0)
        return out;
    std::string digits;
    for (int place = stepsPerUnit / 10; place >= 1; place /= 10) {
        digits.push_back(static_cast<char>('0' + fraction / place));
        fraction %= place;
    }
    while (digits.back() == '0')
        digits.pop_back();
    return out + "." + digits;
}

}  // namespace

ParsedLink ParseLink(std::string_view text)
{
    const std::string decoded = percentDecoded(text);
    const std::vector<std::string_view> words = splitWords(decoded);
    ParsedLink parsed;
    Moment& m = parsed.moment;
    // The window first, wherever its word stands, so that every other word is judged by it.
    std::size_t windowAt = words.size();
    for (std::size_t i = 0; i < words.size() && windowAt == words.size(); ++i)
        if (windowWord(words[i], m.window))
            windowAt = i;
    for (std::size_t i = 0; i < words.size(); ++i) {
        if (i == windowAt)
            continue;
        Opens other = Opens::Introduction;
        const std::string why = windowWord(words[i], other) ? "a link opens one window" : readWord(words[i], m);
        if (!why.empty())
            parsed.ignored.push_back(quoted(words[i]) + " (" + why + ")");
    }
    return parsed;
}

std::string LinkWords(const Moment& m)
{
    switch (m.window) {
    case Opens::Introduction: return "";
    case Opens::Theory: return "theory";
    case Opens::Linear: {
        std::string words = "linear";
        if (m.speedIncreasesUpwards)
            words += *m.speedIncreasesUpwards ? "&k=up" : "&k=down";
        if (m.stopped)
            words += "&stopped";
        if (m.frontsOnly)
            words += "&fronts-only";
        if (m.timeBar)
            words += "&t=" + unitsOf(*m.timeBar, kLinearTime.stepsPerUnit);
        if (m.angleBar)
            words += "&angle=" + unitsOf(*m.angleBar, kAngle.stepsPerUnit);
        return words;
    }
    case Opens::SquareRoot: {
        std::string words = "square-root";
        if (m.aBar)
            words += "&A=" + unitsOf(*m.aBar, kA.stepsPerUnit);
        if (m.stopped)
            words += "&stopped";
        if (m.fronts)
            words += "&fronts";
        if (m.timeBar)
            words += "&T=" + unitsOf(*m.timeBar, kRootTime.stepsPerUnit);
        return words;
    }
    }
    return "";
}

std::string IgnoredSentence(const std::vector<std::string>& ignored)
{
    if (ignored.empty())
        return "";
    std::string sentence = "Left out of the link: ";
    for (std::size_t i = 0; i < ignored.size() && i < kNamedWords; ++i)
        sentence += (i ? ", " : "") + ignored[i];
    if (ignored.size() > kNamedWords)
        sentence += " and " + std::to_string(ignored.size() - kNamedWords) + " more";
    return sentence + ".";
}

}  // namespace moment
