// Conversions at their edges:
//   SolarToLunar(y, m, d, &ly, &lm, &ld, &leap) -> bool
//   LunarToSolar(ly, lm, ld, leap, &y, &m, &d) -> bool, a search of at most 100 probe tests
// Both write their outputs only when they answer true.
#include "lunar/conversion.h"

#include <gtest/gtest.h>

#include "lunar/conversion_detail.h"
#include "tests/lunar/test_dates.h"

namespace lunar {
namespace {

constexpr Lunar kUntouchedLunar{7, 7, 7, 7};
constexpr Solar kUntouchedSolar{7, 7, 7};

bool ToLunar(const Solar& s, Lunar& out) {
  return SolarToLunar(s.year, s.month, s.day, out.year, out.month, out.day, out.leap);
}

bool ToSolar(const Lunar& l, Solar& out, int& tests) {
  return detail::LunarToSolarCounted(l.year, l.month, l.day, l.leap, out.year, out.month,
                                     out.day, tests);
}

TEST(SolarToLunar, EdgesOfTheSpanAndOfLeapMonths) {
  struct Case {
    Solar solar;
    Lunar lunar;
  };
  const Case cases[] = {
      {{1901, 2, 19}, {1901, 1, 1, 0}},
      {{2048, 12, 31}, {2048, 11, 27, 0}},
      {{2001, 5, 22}, {2001, 4, 30, 0}},
      {{2001, 5, 23}, {2001, 4, 1, 1}},    // first day of the leap fourth month
      {{2001, 6, 20}, {2001, 4, 29, 1}},
      {{2001, 6, 21}, {2001, 5, 1, 0}},
      {{2033, 12, 22}, {2033, 11, 1, 1}},
      {{2034, 1, 20}, {2033, 12, 1, 0}},
      {{2023, 3, 21}, {2023, 2, 30, 0}},
      {{2023, 3, 22}, {2023, 2, 1, 1}},
      {{2001, 4, 31}, {2001, 4, 9, 0}},    // counted as 2001-05-01
      {{2001, 5, 1}, {2001, 4, 9, 0}},
      {{2001, 3, 0}, {2001, 2, 6, 0}},     // counted as 2001-02-28
      {{2048, 12, 32}, {2048, 11, 28, 0}}, // past the span's end by counting, still 2048
      {{2048, 12, 418}, {2049, 12, 29, 0}}, // counted as 2050-01-22, lunar 2049's last day
  };
  for (const Case& c : cases) {
    Lunar out = kUntouchedLunar;
    EXPECT_TRUE(ToLunar(c.solar, out)) << c.solar;
    EXPECT_EQ(out, c.lunar) << c.solar;
  }
}

TEST(SolarToLunar, RefusedDatesWriteNothing) {
  const Solar refused[] = {
      {1901, 2, 18},   {1901, 1, 60},  // compared before the epoch, whatever its count
      {1900, 12, 31},  {2049, 1, 1},   {2049, 12, 31}, {65535, 1, 1},
      {2001, 0, 1},    {2001, 13, 1},  {0, 0, 0},
      {2048, 12, 419}, // counted as 2050-01-23, after lunar 2049
      {2048, 12, 65535},
  };
  for (const Solar& s : refused) {
    Lunar out = kUntouchedLunar;
    EXPECT_FALSE(ToLunar(s, out)) << s;
    EXPECT_EQ(out, kUntouchedLunar) << s;
  }
}

TEST(LunarToSolar, FindsTheSolarDay) {
  struct Case {
    Lunar lunar;
    Solar solar;
  };
  const Case cases[] = {
      {{2001, 4, 15, 1}, {2001, 6, 6}},
      {{2001, 4, 15, 0}, {2001, 5, 7}},
      {{2001, 3, 15, 1}, {2001, 4, 8}},   // 2001's leap month follows the fourth: flag dropped
      {{2001, 3, 15, 0}, {2001, 4, 8}},
      {{2001, 4, 30, 0}, {2001, 5, 22}},
      {{2001, 2, 30, 0}, {2001, 3, 24}},  // first probe 2001-02-30, counted as 2001-03-02
      {{2048, 11, 27, 0}, {2048, 12, 31}},
      {{2023, 2, 1, 1}, {2023, 3, 22}},
      {{2033, 11, 1, 1}, {2033, 12, 22}},
      {{1901, 1, 1, 0}, {1901, 2, 19}},   // first probes before the epoch
      {{1901, 1, 29, 0}, {1901, 3, 19}},
      {{1901, 2, 1, 0}, {1901, 3, 20}},
      {{1901, 2, 18, 0}, {1901, 4, 6}},
      {{1901, 2, 19, 0}, {1901, 4, 7}},   // the first whose first probe converts
  };
  for (const Case& c : cases) {
    Solar out = kUntouchedSolar;
    int tests = 0;
    EXPECT_TRUE(ToSolar(c.lunar, out, tests)) << c.lunar;
    EXPECT_EQ(out, c.solar) << c.lunar;
    EXPECT_LE(tests, 56) << c.lunar;
  }
}

// A leap date first meets the same numbers in the ordinary month, jumps 31 days on and
// steps back: 2001-04-15 leap is met at 2001-05-07 (test 23), 2001-06-07, 2001-06-06.
TEST(LunarToSolar, LeapDatesJumpFromTheOrdinaryMonth) {
  Solar out = kUntouchedSolar;
  int tests = 0;
  EXPECT_TRUE(ToSolar({2001, 4, 15, 1}, out, tests));
  EXPECT_EQ(out, (Solar{2001, 6, 6}));
  EXPECT_EQ(tests, 25);
}

TEST(LunarToSolar, WorstDatesTakeFiftySixTests) {
  struct Case {
    Lunar lunar;
    Solar solar;
  };
  const Case cases[] = {
      {{1919, 7, 30, 1}, {1919, 9, 23}},
      {{1938, 7, 30, 1}, {1938, 9, 23}},
  };
  for (const Case& c : cases) {
    Solar out = kUntouchedSolar;
    int tests = 0;
    EXPECT_TRUE(ToSolar(c.lunar, out, tests)) << c.lunar;
    EXPECT_EQ(out, c.solar) << c.lunar;
    EXPECT_EQ(tests, 56) << c.lunar;
  }
}

// Rejected by the checks before the search (no tests at all), by an unconvertible first
// probe, or by running out of tests; in every case the outputs keep what they held.
TEST(LunarToSolar, DatesWithoutASolarDayWriteNothing) {
  struct Case {
    Lunar lunar;
    int tests;
  };
  const Case cases[] = {
      {{1900, 1, 1, 0}, 0},
      {{2050, 1, 1, 0}, 0},
      {{2001, 0, 1, 0}, 0},
      {{2001, 13, 1, 0}, 0},
      {{2049, 1, 1, 0}, 0},      // every first probe of lunar 2049 lies in solar 2049
      {{2049, 12, 29, 0}, 0},
      {{2001, 3, 30, 0}, 100},   // the third month of 2001 has 29 days
      {{2001, 4, 30, 1}, 100},   // so has its leap fourth month
      {{2001, 5, 0, 0}, 100},
      {{2001, 5, 31, 0}, 100},
      {{2001, 5, 65535, 0}, 0},  // first probe counted far past lunar 2049
      {{1901, 1, 30, 0}, 100},   // before the epoch, and a 29-day month
      {{1901, 1, 0, 0}, 100},
      {{2048, 11, 28, 0}, 100},  // solar day after 2048-12-31
      {{2048, 12, 29, 0}, 100},
      {{2023, 2, 15, 2}, 100},   // a leap month is met only with the flag 1
  };
  for (const Case& c : cases) {
    Solar out = kUntouchedSolar;
    int tests = -1;
    EXPECT_FALSE(ToSolar(c.lunar, out, tests)) << c.lunar;
    EXPECT_EQ(out, kUntouchedSolar) << c.lunar;
    EXPECT_EQ(tests, c.tests) << c.lunar;
  }
}

TEST(LunarToSolar, PublicFormAgreesWithTheCountedOne) {
  Solar out = kUntouchedSolar;
  EXPECT_TRUE(LunarToSolar(1938, 7, 30, 1, out.year, out.month, out.day));
  EXPECT_EQ(out, (Solar{1938, 9, 23}));
  out = kUntouchedSolar;
  EXPECT_FALSE(LunarToSolar(2001, 3, 30, 0, out.year, out.month, out.day));
  EXPECT_EQ(out, kUntouchedSolar);
}

}  // namespace
}  // namespace lunar
