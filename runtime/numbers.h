// Numbers: doubles, and 32-bit integers wherever a whole number is needed.
//
// Reading a number from a text never fails: a text that does not start with a number
// reads as 0. Turning a number into a text uses the shortest form a user expects: "%d"
// for integers, "%.13g" for numbers (31.0 gives 31).
#pragma once

#include <cstdint>
#include <string_view>

#include "runtime/text.h"

namespace runtime {

// Full-width forms folded, leading white space skipped, then the longest prefix of the
// form [sign] digits [. digits] [e|E [sign] digits]; 0 without one.
double ToNumber(std::string_view text);

Text ToText(std::int32_t integer);
Text ToText(double number);

// Rounds toward zero; values beyond the 32-bit range saturate at its ends and NaN gives
// 0, so any box text at all converts to an integer that fails a range check cleanly.
std::int32_t TruncateToInt(double number);

// a / b rounded toward zero. A divisor of 0 is a fatal runtime error.
double IntDivide(double a, double b);

// a - b * (a / b rounded toward zero): the sign of a, magnitude below that of b.
// A divisor of 0 is a fatal runtime error.
double Remainder(double a, double b);

}  // namespace runtime
