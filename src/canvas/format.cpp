// Formats numbers for labels and messages the way the program's patterns describe.
#include "canvas/format.h"

#include <cmath>
#include <cstdio>
#include <stdexcept>
#include <utility>

namespace surface {
namespace {

std::string& separator()
{
    static std::string value = ".";
    return value;
}

// How to find the separator, until it is first needed.
std::function<std::string()>& finder()
{
    static std::function<std::string()> find;
    return find;
}

const std::string& foundSeparator()
{
    if (finder())
        separator() = std::exchange(finder(), nullptr)();
    return separator();
}

int decimalsOf(const std::string& pattern)
{
    const auto point = pattern.find('.');
    if (pattern.empty() || pattern.front() != '0' || pattern.find_first_not_of("0.") != std::string::npos)
        throw std::invalid_argument("unsupported number pattern: " + pattern);
    return point == std::string::npos ? 0 : static_cast<int>(pattern.size() - point - 1);
}

}  // namespace

std::string Format(double value, const std::string& pattern)
{
    const int decimals = decimalsOf(pattern);
    if (!std::isfinite(value))
        return std::isnan(value) ? "NaN" : (value > 0 ? "Inf" : "-Inf");

    // Round half away from zero on the value as printed with a few guard digits, so that
    // 0.125 gives 0.13 as a reader expects rather than the binary neighbour's 0.12.
    char guarded[512];
    std::snprintf(guarded, sizeof guarded, "%.*f", decimals + 3, std::fabs(value));
    std::string digits(guarded);
    const auto point = digits.find('.');
    std::string kept = digits.substr(0, point == std::string::npos ? digits.size() : point + 1 + decimals);
    const bool roundUp = point != std::string::npos && digits[point + 1 + decimals] >= '5';
    if (roundUp) {
        int i = static_cast<int>(kept.size()) - 1;
        for (; i >= 0; --i) {
            if (kept[i] == '.')
                continue;
            if (kept[i] == '9') {
                kept[i] = '0';
            } else {
                ++kept[i];
                break;
            }
        }
        if (i < 0)
            kept.insert(kept.begin(), '1');
    }
    if (!kept.empty() && kept.back() == '.')
        kept.pop_back();

    const bool allZero = kept.find_first_not_of("0.") == std::string::npos;
    std::string text = (value < 0 && !allZero) ? "-" + kept : kept;
    if (const auto p = text.find('.'); p != std::string::npos)
        text.replace(p, 1, foundSeparator());
    return text;
}

void SetDecimalSeparator(std::string value)
{
    finder() = nullptr;
    separator() = std::move(value);
}

void FindDecimalSeparatorWith(std::function<std::string()> find)
{
    finder() = std::move(find);
}

}  // namespace surface
