// The calendar window: its number, its controls' numbers and its whole definition.
#pragma once

#include <cstdint>

#include "runtime/window_definition.h"

namespace app {

inline constexpr std::int32_t kCalendarWindow = 0x52010046;

inline constexpr std::int32_t 外形框1 = 0x1601005B;  // navy band: year, month, header line
inline constexpr std::int32_t 标签1 = 0x1601005C;    // 公历
inline constexpr std::int32_t 编辑框1 = 0x1601005E;  // the year box
inline constexpr std::int32_t 标签2 = 0x1601005F;    // 年
inline constexpr std::int32_t 编辑框2 = 0x16010060;  // the month box
inline constexpr std::int32_t 标签3 = 0x1601006E;    // 月
inline constexpr std::int32_t 标签4 = 0x16010073;    // the header line
inline constexpr std::int32_t 外形框2 = 0x16010064;  // white band behind the weekday names
inline constexpr std::int32_t 标签5 = 0x16010065;    // 星期日
inline constexpr std::int32_t 标签6 = 0x16010067;
inline constexpr std::int32_t 标签7 = 0x16010069;
inline constexpr std::int32_t 标签8 = 0x1601006A;
inline constexpr std::int32_t 标签9 = 0x1601006B;
inline constexpr std::int32_t 标签10 = 0x1601006C;
inline constexpr std::int32_t 标签11 = 0x1601006D;   // 星期六
inline constexpr std::int32_t 画板1 = 0x1601006F;    // the month grid

inline constexpr std::int32_t kCanvasWidth = 440;
inline constexpr std::int32_t kCanvasHeight = 280;

extern const runtime::WindowDefinition kCalendarWindowDefinition;

}  // namespace app
