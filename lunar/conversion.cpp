#include "lunar/conversion.h"

#include "lunar/conversion_detail.h"
#include "lunar/solar_date.h"
#include "lunar/year_table.h"

namespace lunar {
namespace {

// Lunar 1901-01-01 is solar 1901-02-19, 49 days after 1901-01-01.
constexpr std::uint16_t kEpochYear = 1901, kEpochMonth = 2, kEpochDay = 19;
constexpr std::int32_t kEpochOffset = 49;

// The first solar year that SolarToLunar refuses.
constexpr std::uint16_t kFirstRefusedYear = 2049;

struct Probe {
  std::uint16_t year, month, day;
};

struct Converted {
  std::uint16_t year = 0, month = 0, day = 0;
  std::uint8_t leap = 0;
};

bool Convert(const Probe& probe, Converted& out) {
  return SolarToLunar(probe.year, probe.month, probe.day, out.year, out.month, out.day, out.leap);
}

}  // namespace

bool SolarToLunar(std::uint16_t year, std::uint16_t month, std::uint16_t day,
                  std::uint16_t& lunarYear, std::uint16_t& lunarMonth, std::uint16_t& lunarDay,
                  std::uint8_t& leap) {
  if (month < 1 || month > 12 || year >= kFirstRefusedYear ||
      CompareSolarDates(year, month, day, kEpochYear, kEpochMonth, kEpochDay) < 0) {
    return false;
  }
  std::int32_t n = DaysBetween(year, month, day, kEpochYear, 1, 1) - kEpochOffset;

  std::uint16_t y = kFirstLunarYear;
  for (;;) {
    const std::int32_t yearDays = LunarYearDays(y);
    // Past lunar 2049 the table has no more years: the day lies after 2050-01-22.
    if (yearDays == 0) return false;
    if (n < yearDays) break;
    n -= yearDays;
    ++y;
  }

  for (std::uint16_t m = 1; m <= 12; ++m) {
    const std::uint32_t lengths = LunarMonthLengths(y, m);
    const std::int32_t ordinaryDays = static_cast<std::int32_t>(lengths & 0xFFFF);
    if (n < ordinaryDays) {
      lunarYear = y;
      lunarMonth = m;
      lunarDay = static_cast<std::uint16_t>(n + 1);
      leap = 0;
      return true;
    }
    n -= ordinaryDays;
    // Only the month that the leap month follows has a leap half.
    const std::int32_t leapDays = static_cast<std::int32_t>(lengths >> 16);
    if (n < leapDays) {
      lunarYear = y;
      lunarMonth = m;
      lunarDay = static_cast<std::uint16_t>(n + 1);
      leap = 1;
      return true;
    }
    n -= leapDays;
  }
  return false;  // not reached: n is less than the year's length
}

namespace detail {

bool LunarToSolarCounted(std::uint16_t year, std::uint16_t month, std::uint16_t day,
                         std::uint8_t leap, std::uint16_t& solarYear, std::uint16_t& solarMonth,
                         std::uint16_t& solarDay, int& tests) {
  tests = 0;
  if (year < kFirstLunarYear || year > kLastLunarYear || month < 1 || month > 12) return false;
  if (leap != 0 && LeapMonthOf(year) != month) leap = 0;

  Probe probe{year, month, day};
  Converted converted;
  if (!Convert(probe, converted)) {
    // A first probe before the epoch belongs to the first weeks of lunar 1901, whose solar
    // days follow the epoch: the search starts there. Any other first probe that does not
    // convert lies in 2049 or beyond, where no converted day can match.
    if (CompareSolarDates(probe.year, probe.month, probe.day, kEpochYear, kEpochMonth,
                          kEpochDay) >= 0) {
      return false;
    }
    probe = {kEpochYear, kEpochMonth, kEpochDay};
    Convert(probe, converted);
  }

  while (tests < kMaxProbeTests) {
    ++tests;
    const std::int32_t order =
        CompareSolarDates(converted.year, converted.month, converted.day, year, month, day);
    if (order == 0 && converted.leap == leap) {
      solarYear = probe.year;
      solarMonth = probe.month;
      solarDay = probe.day;
      return true;
    }
    if (order == 0) {
      // Same numbers, the other month of the pair: the ordinary month comes first.
      AddSolarDays(probe.year, probe.month, probe.day, converted.leap != 0 ? -31 : 31);
    } else {
      StepSolarDay(probe.year, probe.month, probe.day, order < 0 ? 1 : 0);
    }
    // A probe outside the span does not convert; the previous converted date stands.
    Convert(probe, converted);
  }
  return false;
}

}  // namespace detail

bool LunarToSolar(std::uint16_t year, std::uint16_t month, std::uint16_t day, std::uint8_t leap,
                  std::uint16_t& solarYear, std::uint16_t& solarMonth, std::uint16_t& solarDay) {
  int tests = 0;
  return detail::LunarToSolarCounted(year, month, day, leap, solarYear, solarMonth, solarDay,
                                     tests);
}

}  // namespace lunar
