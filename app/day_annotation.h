// The short coloured text under each day number: the solar term that begins that day,
// else the day's festival, else the lunar day (or, on its first day, the lunar month).
#pragma once

#include <cstdint>

#include "app/lunar_date.h"
#include "runtime/colour.h"
#include "runtime/text.h"

namespace app {

inline constexpr runtime::Colour kTermColour = 0xFF0000;       // blue
inline constexpr runtime::Colour kHolidayColour = 255;         // red, category 1
inline constexpr runtime::Colour kGregorianDayColour = 65280;  // green, category 2
inline constexpr runtime::Colour kLunarDayColour = 0xFF0000;   // blue, any other category
inline constexpr runtime::Colour kMonthStartColour = 0xFF0090; // violet
inline constexpr runtime::Colour kDayNameColour = 0;           // black

// The name shown on a lunar month's first day, such as 一月大, 闰二月小 or 十二月大.
runtime::Text LunarMonthName(std::int32_t month, bool leap, std::int32_t days);

// 初一..初十, 十一..十九, 二十, 廿一..廿九, 三十; the empty text for any other day.
runtime::Text LunarDayName(std::int32_t day);

// Draws the annotation of DateNumber `date` for the day whose column centre is x and
// whose row starts at y; its lunar date goes into `lunar`. The canvas's font is already
// the annotation font; the text stays inside the canvas.
void DrawDayAnnotation(std::int32_t date, std::int32_t x, std::int32_t y, LunarDate& lunar);

}  // namespace app
