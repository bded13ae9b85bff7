// The Gregorian day of a DateValue, the runtime's dates: days since 1899-12-30 00:00 as a
// double, valid from 100-01-01 (-657434) to 9999-12-31 (2958465). A fractional value lies
// within its day, counted forward from midnight, so -0.5 is 1899-12-29 12:00.
#pragma once

#include <cstdint>

namespace lunar {

inline constexpr double kFirstDateValue = -657434.0;  // 100-01-01
inline constexpr double kLastDateValue = 2958465.0;   // 9999-12-31

// False, writing nothing, for a value whose day lies outside the valid span (NaN included).
bool SplitDateValue(double date, std::uint16_t& year, std::uint16_t& month, std::uint16_t& day);

}  // namespace lunar
