// The arithmetic of an edit box's up-down button pair.
//
// A click reads the box's text as an integer the way the buttons always have (white
// space, an optional sign, the digits that follow; anything else is 0), steps it by one
// and wraps to the other bound when the step leaves the range: up past the upper bound,
// or from anywhere outside the range, gives the lower bound; down gives the upper. So
// an empty box or one holding "abc" steps up to 1 when 1 is in range, else to the lower
// bound, and down to the upper bound.
#pragma once

#include <cstdint>
#include <string_view>

#include "runtime/text.h"
#include "runtime/window_definition.h"

namespace runtime {

enum class UpDownArrow { kUp, kDown };

// The range a pair works in: the smaller of the two stored limits is the lower bound.
UpDownRange UpDownBounds(const UpDownRange& stored);

// The box text as the buttons read it. Values beyond the 32-bit range saturate, so they
// lie outside every range and wrap like any other.
std::int32_t UpDownValueOf(std::string_view text);

// One click on `arrow` from `value` in `bounds` (already ordered).
std::int32_t UpDownStep(std::int32_t value, UpDownArrow arrow, const UpDownRange& bounds);

// The text a click writes into the box: the stepped value as decimal digits.
Text UpDownClick(std::string_view text, UpDownArrow arrow, const UpDownRange& bounds);

}  // namespace runtime
