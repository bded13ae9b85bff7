// The lunar year table and its lookups.
//
// Everything the library knows of the lunar calendar is one constant table: for each lunar
// year a 16-bit word whose bits, from bit 15 down, give the lengths of its months in
// calendar order (set = 30 days, clear = 29), and a 4-bit leap entry naming the month that
// a leap month follows (0 = none). The leap month takes the bit right after the month whose
// number it shares. The table stores no dates: a year begins where the years before it end,
// counted from lunar 1901-01-01 = solar 1901-02-19.
//
// The lookups answer for the lunar years 1901..2049, the years whose days the library
// converts; every other reader of the table goes through LeapMonthOf and LunarMonthLengths.
#pragma once

#include <cstdint>

namespace lunar {

inline constexpr std::uint16_t kFirstLunarYear = 1901;
inline constexpr std::uint16_t kLastLunarYear = 2049;

// The month that the year's leap month follows (1..12), 0 for a year without one, and -1
// for a year outside 1901..2049.
std::int16_t LeapMonthOf(std::uint16_t year);

// Low 16 bits: the length of ordinary month `month` (29 or 30). High 16 bits: the length
// of the leap month after it when `month` is the year's leap entry, else 0. The whole
// value is 0 for a year outside 1901..2049 or a month outside 1..12.
std::uint32_t LunarMonthLengths(std::uint16_t year, std::uint16_t month);

// Length of the ordinary month (`leap` zero) or of the leap month after it (`leap`
// non-zero): 29 or 30, or 0 when there is no such month in 1901..2049.
std::uint16_t LunarMonthDays(std::uint16_t year, std::uint16_t month, std::uint8_t leap);

// 353..355 days, or 383..385 with a leap month; 0 for a year outside 1901..2049.
std::uint16_t LunarYearDays(std::uint16_t year);

}  // namespace lunar
