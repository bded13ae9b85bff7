// Conversion between solar (Gregorian) dates and lunar dates.
//
// A lunar date is a year (numbered as the solar year in which it begins), a month 1..12,
// a day 1..30 and a leap flag, set when the day lies in the leap month that follows month
// `month`. The library converts the solar days 1901-02-19..2048-12-31, which are the lunar
// dates 1901-01-01..2048-11-27.
//
// SolarToLunar walks from the epoch through the year table, year by year and month by
// month; no first days or running totals are kept. LunarToSolar has no walk of its own:
// it searches solar dates, starting from the one with the lunar date's own numbers, and
// converts each probe until it meets the wanted lunar date.
#pragma once

#include <cstdint>

namespace lunar {

// False, writing nothing, for a month outside 1..12, a year from 2049 on, a date before
// 1901-02-19, or a day counted so far past its month that it lies beyond lunar 2049. The
// day is counted as passed, so (2001, 4, 31) converts as 2001-05-01.
bool SolarToLunar(std::uint16_t year, std::uint16_t month, std::uint16_t day,
                  std::uint16_t& lunarYear, std::uint16_t& lunarMonth, std::uint16_t& lunarDay,
                  std::uint8_t& leap);

// True with the solar day of the lunar date; false, writing nothing, for a year outside
// 1901..2049, a month outside 1..12, or a date that the search does not meet within 100
// probe tests (a day the month lacks, a day after 2048-12-31). A leap flag on a month with
// no leap month after it is dropped; any leap value other than 0 or 1 on the leap month
// itself is never met.
bool LunarToSolar(std::uint16_t year, std::uint16_t month, std::uint16_t day, std::uint8_t leap,
                  std::uint16_t& solarYear, std::uint16_t& solarMonth, std::uint16_t& solarDay);

}  // namespace lunar
