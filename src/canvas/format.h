// Number formatting by the patterns the program uses ("0", "0.0" ... "0.0000").
#pragma once

#include <functional>
#include <string>

namespace surface {

// Formats value with as many decimals as the pattern has zeros after its point, at least one
// integer digit, rounding half away from zero, with the system's decimal separator.
std::string Format(double value, const std::string& pattern);

// The separator Format writes; the program sets it from the system locale at start-up.
void SetDecimalSeparator(std::string separator);
// Or tells how to find it: it is found when a number with decimals is first formatted, since
// asking a browser's locale costs a tenth of a second on the way to the first window.
void FindDecimalSeparatorWith(std::function<std::string()> find);

}  // namespace surface
