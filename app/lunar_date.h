// The lunar date that one redraw works with.
#pragma once

#include <cstdint>

namespace app {

// Starts at zero with each redraw; a conversion that fails leaves it as it was.
struct LunarDate {
  std::int32_t year = 0;
  std::int32_t month = 0;
  std::int32_t day = 0;
  std::int32_t leap = 0;
};

// Converts the DateNumber `date` (year * 10000 + month * 100 + day) into `lunar`.
void TakeLunarDate(std::int32_t date, LunarDate& lunar);

}  // namespace app
