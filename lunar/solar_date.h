// Solar (Gregorian) date routines that the conversions need.
//
// A solar date is a year, a month and a day, each unsigned 16-bit, in the Gregorian
// calendar carried back without a Julian change. None of these routines validate the day:
// a day is counted just as passed, so day 0 is the last day of the month before and a day
// past the month's end runs on into the following months. The lunar-to-solar search
// relies on this, as its first probe may be a date such as February 30.
#pragma once

#include <cstdint>

namespace lunar {

// 28..31 days; 0 for a month outside 1..12.
std::uint16_t SolarMonthDays(std::uint16_t year, std::uint16_t month);

// Day number of the first date minus that of the second.
std::int32_t DaysBetween(std::uint16_t year1, std::uint16_t month1, std::uint16_t day1,
                         std::uint16_t year2, std::uint16_t month2, std::uint16_t day2);

// 1 when the first (year, month, day) is the later, -1 when the earlier, 0 when equal,
// deciding by the year, then the month, then the day. Also orders lunar triples.
std::int32_t CompareSolarDates(std::uint16_t year1, std::uint16_t month1, std::uint16_t day1,
                               std::uint16_t year2, std::uint16_t month2, std::uint16_t day2);

// Moves the date one day forward (`forward` non-zero) or back, carrying into the month
// and the year. Forward from February 30 of a common year gives March 1, back from it
// February 29.
void StepSolarDay(std::uint16_t& year, std::uint16_t& month, std::uint16_t& day,
                  std::uint8_t forward);

// Moves the date |n| days, forward for positive n, one StepSolarDay at a time.
void AddSolarDays(std::uint16_t& year, std::uint16_t& month, std::uint16_t& day, std::int32_t n);

}  // namespace lunar
