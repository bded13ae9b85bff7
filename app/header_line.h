// The header line above the grid: era of the Gregorian year, stem-branch name and
// zodiac animal of the lunar year in which the month's 1st falls.
#pragma once

#include <cstdint>

#include "app/lunar_date.h"
#include "runtime/text.h"

namespace app {

// The era prefix for a Gregorian year, e.g. "◆光绪28" or "◆共和国元".
runtime::Text EraPrefix(std::int32_t year);

// `date` is the DateNumber of the month's 1st; its lunar date goes into `lunar`.
runtime::Text ComposeHeaderLine(std::int32_t year, std::int32_t date, LunarDate& lunar);

}  // namespace app
