// Number formatting by the patterns the program uses ("0", "0.0" ... "0.0000").
#pragma once

#include <string>

namespace surface {

// Formats value with as many decimals as the pattern has zeros after its point, at least one
// integer digit, rounding half away from zero, with the system's decimal separator.
std::string Format(double value, const std::string& pattern);

// The separator Format writes; the program sets it from the system locale at start-up.
void SetDecimalSeparator(std::string separator);
const std::string& DecimalSeparator();

}  // namespace surface
