#include "lunar/solar_date.h"

namespace lunar {
namespace {

constexpr std::int32_t kDaysBeforeMonth[12] = {0,   31,  59,  90,  120, 151,
                                               181, 212, 243, 273, 304, 334};

constexpr bool IsLeapYear(std::int32_t year) {
  return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
}

constexpr bool IsMonth(std::uint16_t month) { return month >= 1 && month <= 12; }

std::int32_t DayNumber(std::uint16_t year, std::uint16_t month, std::uint16_t day) {
  const std::int32_t before = year - 1;
  std::int32_t days = 365 * before + before / 4 - before / 100 + before / 400;
  // Callers pass months 1..12; any other month adds nothing rather than reading past
  // the table.
  if (IsMonth(month)) {
    days += kDaysBeforeMonth[month - 1];
    if (month > 2 && IsLeapYear(year)) days += 1;
  }
  return days + day;
}

}  // namespace

std::uint16_t SolarMonthDays(std::uint16_t year, std::uint16_t month) {
  switch (month) {
    case 1: case 3: case 5: case 7: case 8: case 10: case 12:
      return 31;
    case 4: case 6: case 9: case 11:
      return 30;
    case 2:
      return IsLeapYear(year) ? 29 : 28;
    default:
      return 0;
  }
}

std::int32_t DaysBetween(std::uint16_t year1, std::uint16_t month1, std::uint16_t day1,
                         std::uint16_t year2, std::uint16_t month2, std::uint16_t day2) {
  return DayNumber(year1, month1, day1) - DayNumber(year2, month2, day2);
}

std::int32_t CompareSolarDates(std::uint16_t year1, std::uint16_t month1, std::uint16_t day1,
                               std::uint16_t year2, std::uint16_t month2, std::uint16_t day2) {
  if (year1 != year2) return year1 > year2 ? 1 : -1;
  if (month1 != month2) return month1 > month2 ? 1 : -1;
  if (day1 != day2) return day1 > day2 ? 1 : -1;
  return 0;
}

void StepSolarDay(std::uint16_t& year, std::uint16_t& month, std::uint16_t& day,
                  std::uint8_t forward) {
  if (forward != 0) {
    if (day + 1 > SolarMonthDays(year, month)) {
      day = 1;
      if (++month > 12) {
        month = 1;
        ++year;
      }
    } else {
      ++day;
    }
    return;
  }
  if (day > 1) {
    --day;
    return;
  }
  // Day 1 steps to the last day of the month before; day 0, already that last day,
  // to the day before it.
  const std::uint16_t stepsPastEnd = day == 0 ? 1 : 0;
  if (month <= 1) {
    month = 12;
    --year;
  } else {
    --month;
  }
  day = static_cast<std::uint16_t>(SolarMonthDays(year, month) - stepsPastEnd);
}

void AddSolarDays(std::uint16_t& year, std::uint16_t& month, std::uint16_t& day, std::int32_t n) {
  const std::uint8_t forward = n > 0 ? 1 : 0;
  const std::int64_t steps = n > 0 ? std::int64_t{n} : -std::int64_t{n};
  for (std::int64_t i = 0; i < steps; ++i) StepSolarDay(year, month, day, forward);
}

}  // namespace lunar
