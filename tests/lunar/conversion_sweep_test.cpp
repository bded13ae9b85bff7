// The conversions over every day they cover, solar 1901-02-19..2048-12-31:
//   each day converts; the next day is the next lunar day;
//   LunarToSolar(SolarToLunar(d)) == d within 56 probe tests;
//   each lunar year begins where the lengths of the years before it say.
#include <gtest/gtest.h>

#include "lunar/conversion.h"
#include "lunar/conversion_detail.h"
#include "tests/lunar/test_dates.h"
#include "lunar/solar_date.h"
#include "lunar/year_table.h"

namespace lunar {
namespace {

constexpr Solar kFirstDay{1901, 2, 19};
constexpr Solar kLastDay{2048, 12, 31};

Solar NextDay(Solar d) {
  StepSolarDay(d.year, d.month, d.day, 1);
  return d;
}

// The lunar day after `d`, worked out from the month lengths alone.
Lunar NextLunarDay(const Lunar& d) {
  if (d.day < LunarMonthDays(d.year, d.month, d.leap)) {
    return {d.year, d.month, static_cast<std::uint16_t>(d.day + 1), d.leap};
  }
  if (d.leap == 0 && LeapMonthOf(d.year) == d.month) return {d.year, d.month, 1, 1};
  if (d.month == 12) return {static_cast<std::uint16_t>(d.year + 1), 1, 1, 0};
  return {d.year, static_cast<std::uint16_t>(d.month + 1), 1, 0};
}

TEST(ConversionSweep, ConsecutiveDaysAreConsecutiveLunarDays) {
  Lunar expected{1901, 1, 1, 0};
  int days = 0;
  for (Solar d = kFirstDay;; d = NextDay(d)) {
    Lunar lunar{};
    ASSERT_TRUE(SolarToLunar(d.year, d.month, d.day, lunar.year, lunar.month, lunar.day,
                             lunar.leap))
        << d;
    ASSERT_EQ(lunar, expected) << d;
    ++days;
    if (d == kLastDay) break;
    expected = NextLunarDay(lunar);
  }
  EXPECT_EQ(expected, (Lunar{2048, 11, 27, 0}));
  EXPECT_EQ(days, DaysBetween(2048, 12, 31, 1901, 2, 19) + 1);
}

TEST(ConversionSweep, EveryLunarDateFindsItsSolarDayWithinFiftySixTests) {
  int worst = 0;
  for (Solar d = kFirstDay;; d = NextDay(d)) {
    Lunar lunar{};
    ASSERT_TRUE(SolarToLunar(d.year, d.month, d.day, lunar.year, lunar.month, lunar.day,
                             lunar.leap))
        << d;
    Solar found{};
    int tests = 0;
    ASSERT_TRUE(detail::LunarToSolarCounted(lunar.year, lunar.month, lunar.day, lunar.leap,
                                            found.year, found.month, found.day, tests))
        << lunar;
    ASSERT_EQ(found, d) << lunar;
    ASSERT_LE(tests, 56) << lunar;
    worst = std::max(worst, tests);
    if (d == kLastDay) break;
  }
  EXPECT_EQ(worst, 56);
}

// Lunar dates past 2048-11-27 have their solar days after the span, so none is found.
TEST(ConversionSweep, NoLunarDateAfterTheSpanIsFound) {
  Lunar d{2048, 11, 28, 0};
  while (d.year <= 2049) {
    Solar out{7, 7, 7};
    ASSERT_FALSE(LunarToSolar(d.year, d.month, d.day, d.leap, out.year, out.month, out.day))
        << d;
    ASSERT_EQ(out, (Solar{7, 7, 7})) << d;
    d = NextLunarDay(d);
  }
}

TEST(ConversionSweep, EachLunarYearBeginsAfterTheYearsBeforeIt) {
  Solar first = kFirstDay;
  for (std::uint16_t year = 1901; year <= 2049; ++year) {
    SCOPED_TRACE(year);
    if (year <= 2048) {
      Lunar lunar{};
      ASSERT_TRUE(SolarToLunar(first.year, first.month, first.day, lunar.year, lunar.month,
                               lunar.day, lunar.leap));
      EXPECT_EQ(lunar, (Lunar{year, 1, 1, 0}));
    }
    if (year == 1902) {
      EXPECT_EQ(first, (Solar{1902, 2, 8}));
    } else if (year == 2000) {
      EXPECT_EQ(first, (Solar{2000, 2, 5}));
    } else if (year == 2049) {
      EXPECT_EQ(first, (Solar{2049, 2, 2}));
    }
    AddSolarDays(first.year, first.month, first.day, LunarYearDays(year));
  }
  EXPECT_EQ(first, (Solar{2050, 1, 23}));
}

}  // namespace
}  // namespace lunar
