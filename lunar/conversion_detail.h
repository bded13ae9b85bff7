// LunarToSolar as it is measured: the same search, also reporting how many probe tests it
// made (0 when the date failed the checks before the search). For tests and benchmarks.
#pragma once

#include <cstdint>

namespace lunar::detail {

inline constexpr int kMaxProbeTests = 100;

bool LunarToSolarCounted(std::uint16_t year, std::uint16_t month, std::uint16_t day,
                         std::uint8_t leap, std::uint16_t& solarYear, std::uint16_t& solarMonth,
                         std::uint16_t& solarDay, int& tests);

}  // namespace lunar::detail
