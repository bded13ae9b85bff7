// The conversions between solar and lunar dates, the lunar year table's lookups and the
// solar date routines, with any 16-bit years, months and days and any leap flag.
//
// Invariants: no crash, no undefined behaviour, and nothing written on failure. The
// lookups stay in their ranges (leap entry -1..12, month lengths 29 or 30 or 0, year
// lengths 353..355 or 383..385 or 0). SolarToLunar converts exactly the solar dates of
// months 1..12 from 1901-02-19 up to lunar 2049, each into a lunar date that its year
// has, and a real solar date of the span back through LunarToSolar to itself; a day
// past its month's end converts as the day it runs on to. LunarToSolar meets every lunar
// date from 1901-01-01 to 2048-11-27 within 56 probe tests, at a real solar day that
// converts back to it, and no lunar date that does not exist.
#include <cstddef>
#include <cstdint>

#include "fuzz/fuzz_input.h"
#include "lunar/conversion.h"
#include "lunar/conversion_detail.h"
#include "lunar/solar_date.h"
#include "lunar/year_table.h"

namespace {

using fuzz::Check;
using u16 = std::uint16_t;

constexpr u16 kUntouched = 0xBEEF;
constexpr std::uint8_t kUntouchedFlag = 0xEE;

struct Date {
  u16 year, month, day;
};

bool IsRealSolarDate(const Date& d) {
  return d.day >= 1 && d.day <= lunar::SolarMonthDays(d.year, d.month);
}

int Compare(const Date& a, const Date& b) {
  return lunar::CompareSolarDates(a.year, a.month, a.day, b.year, b.month, b.day);
}

// Half of the inputs land near the span, the rest anywhere in 16 bits.
Date TakeDate(fuzz::FuzzInput& in, bool near) {
  Date d{in.Take<u16>(), in.Take<u16>(), in.Take<u16>()};
  if (near) d = {static_cast<u16>(1895 + d.year % 160), static_cast<u16>(d.month % 14),
                 static_cast<u16>(d.day % 33)};
  return d;
}

void CheckTable(u16 year, u16 month) {
  const std::int16_t leapMonth = lunar::LeapMonthOf(year);
  const bool inSpan = year >= 1901 && year <= 2049;
  Check(inSpan ? leapMonth >= 0 && leapMonth <= 12 : leapMonth == -1);
  const std::uint32_t lengths = lunar::LunarMonthLengths(year, month);
  const std::uint32_t ordinary = lengths & 0xFFFF, leap = lengths >> 16;
  Check(inSpan && month >= 1 && month <= 12 ? ordinary == 29 || ordinary == 30 : lengths == 0);
  Check(leap == 0 || ((leap == 29 || leap == 30) && leapMonth == month));
  Check(lunar::LunarMonthDays(year, month, 0) == ordinary);
  Check(lunar::LunarMonthDays(year, month, 1) == leap);
  const u16 yearDays = lunar::LunarYearDays(year);
  Check(inSpan ? (leapMonth == 0 ? yearDays >= 353 && yearDays <= 355
                                 : yearDays >= 383 && yearDays <= 385)
               : yearDays == 0);
}

void CheckSolarRoutines(const Date& a, const Date& b, std::int16_t n) {
  Check(lunar::DaysBetween(a.year, a.month, a.day, b.year, b.month, b.day) ==
        -lunar::DaysBetween(b.year, b.month, b.day, a.year, a.month, a.day));
  Check(Compare(a, b) == -Compare(b, a));
  if (!IsRealSolarDate(a) || !IsRealSolarDate(b)) return;
  const std::int32_t between = lunar::DaysBetween(a.year, a.month, a.day, b.year, b.month, b.day);
  Check(Compare(a, b) == (between > 0) - (between < 0));
  // Far from the ends of 16-bit years, n days on and n days back is where it started.
  if (a.year < 100 || a.year > 65000) return;
  Date moved = a;
  lunar::AddSolarDays(moved.year, moved.month, moved.day, n);
  Check(IsRealSolarDate(moved));
  Check(lunar::DaysBetween(moved.year, moved.month, moved.day, a.year, a.month, a.day) == n);
  lunar::AddSolarDays(moved.year, moved.month, moved.day, -n);
  Check(Compare(moved, a) == 0);
}

void CheckSolarToLunar(const Date& solar) {
  u16 year = kUntouched, month = kUntouched, day = kUntouched;
  std::uint8_t leap = kUntouchedFlag;
  const bool converted = lunar::SolarToLunar(solar.year, solar.month, solar.day, year, month, day, leap);
  const bool accepted = solar.month >= 1 && solar.month <= 12 && solar.year < 2049 &&
                        Compare(solar, {1901, 2, 19}) >= 0;
  if (!converted) {
    Check(year == kUntouched && month == kUntouched && day == kUntouched && leap == kUntouchedFlag);
    // Only a day run on past lunar 2049 may fail among the accepted dates.
    Check(!accepted || !IsRealSolarDate(solar));
    return;
  }
  Check(accepted);
  Check(year >= 1901 && year <= 2049 && month >= 1 && month <= 12 && leap <= 1);
  Check(day >= 1 && day <= lunar::LunarMonthDays(year, month, leap));
  if (!IsRealSolarDate(solar)) {
    Date runOn{solar.year, solar.month, 1};
    lunar::AddSolarDays(runOn.year, runOn.month, runOn.day, solar.day - 1);
    // From 2049 on SolarToLunar refuses the year, though not a day run on into it.
    if (runOn.year >= 2049) return;
    u16 y = 0, m = 0, d = 0;
    std::uint8_t l = 0;
    Check(lunar::SolarToLunar(runOn.year, runOn.month, runOn.day, y, m, d, l));
    Check(y == year && m == month && d == day && l == leap);
    return;
  }
  Date back{kUntouched, kUntouched, kUntouched};
  Check(lunar::LunarToSolar(year, month, day, leap, back.year, back.month, back.day));
  Check(Compare(back, solar) == 0);
}

void CheckLunarToSolar(const Date& lunarDate, std::uint8_t leap) {
  Date solar{kUntouched, kUntouched, kUntouched};
  int tests = 0;
  const bool found = lunar::detail::LunarToSolarCounted(lunarDate.year, lunarDate.month, lunarDate.day,
                                                        leap, solar.year, solar.month, solar.day, tests);
  const bool inSpan = lunarDate.year >= 1901 && lunarDate.year <= 2049 && lunarDate.month >= 1 &&
                      lunarDate.month <= 12;
  const bool isLeapMonth = inSpan && lunar::LeapMonthOf(lunarDate.year) == lunarDate.month;
  const std::uint8_t effectiveLeap = leap != 0 && isLeapMonth ? 1 : 0;
  const bool exists = inSpan && !(leap > 1 && isLeapMonth) && lunarDate.day >= 1 &&
                      lunarDate.day <= lunar::LunarMonthDays(lunarDate.year, lunarDate.month, effectiveLeap) &&
                      Compare(lunarDate, {2048, 11, 27}) <= 0;
  Check(found == exists);
  if (!found) {
    Check(solar.year == kUntouched && solar.month == kUntouched && solar.day == kUntouched);
    return;
  }
  Check(tests <= 56);
  Check(IsRealSolarDate(solar) && Compare(solar, {1901, 2, 19}) >= 0 &&
        Compare(solar, {2048, 12, 31}) <= 0);
  u16 year = 0, month = 0, day = 0;
  std::uint8_t converted = 0;
  Check(lunar::SolarToLunar(solar.year, solar.month, solar.day, year, month, day, converted));
  Check(year == lunarDate.year && month == lunarDate.month && day == lunarDate.day &&
        converted == effectiveLeap);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  fuzz::FuzzInput in(data, size);
  const auto mode = in.Take<std::uint8_t>();
  const Date a = TakeDate(in, mode & 1);
  const Date b = TakeDate(in, mode & 2);
  const auto leap = in.Take<std::uint8_t>();
  const auto n = in.Take<std::int16_t>();
  CheckTable(a.year, a.month);
  CheckSolarRoutines(a, b, n);
  CheckSolarToLunar(a);
  CheckLunarToSolar(a, (mode & 4) ? leap : leap & 1);
  return 0;
}
