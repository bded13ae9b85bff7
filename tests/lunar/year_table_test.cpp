// Lookups in the lunar year table:
//   LeapMonthOf(year) -> -1 | 0 | 1..12
//   LunarMonthLengths(year, month) -> leap month length << 16 | month length
//   LunarMonthDays(year, month, leap), LunarYearDays(year)
#include "lunar/year_table.h"

#include <gtest/gtest.h>

#include <map>
#include <vector>

namespace lunar {
namespace {

// Month lengths in calendar order, the leap month right after the month it follows.
struct TellingYear {
  std::uint16_t year;
  int leapAfter;
  std::vector<int> months;
  int yearDays;
};

const TellingYear kTellingYears[] = {
    {1901, 0, {29, 30, 29, 29, 30, 29, 30, 29, 30, 30, 30, 29}, 354},
    {1903, 5, {29, 30, 29, 30, 29, 29, 30, 29, 29, 30, 30, 29, 30}, 383},
    {1925, 4, {30, 29, 30, 29, 30, 30, 29, 30, 30, 29, 30, 29, 30}, 385},
    {1984, 10, {30, 29, 30, 30, 29, 29, 30, 29, 29, 30, 29, 30, 30}, 384},
    {2000, 0, {30, 30, 29, 29, 30, 29, 29, 30, 29, 30, 30, 29}, 354},
    {2001, 4, {30, 30, 29, 30, 29, 30, 29, 29, 30, 29, 30, 29, 30}, 384},
    {2023, 2, {29, 30, 29, 29, 30, 30, 29, 30, 30, 29, 30, 29, 30}, 384},
    {2033, 11, {29, 30, 29, 29, 30, 29, 30, 29, 30, 30, 30, 29, 30}, 384},
    {2048, 0, {29, 30, 30, 29, 30, 30, 29, 30, 29, 29, 30, 29}, 354},
    {2049, 0, {30, 29, 30, 29, 30, 30, 29, 30, 30, 29, 30, 29}, 355},
};

TEST(YearTable, TellingYearsReadBackMonthByMonth) {
  for (const TellingYear& t : kTellingYears) {
    SCOPED_TRACE(t.year);
    EXPECT_EQ(LeapMonthOf(t.year), t.leapAfter);
    std::vector<int> months;
    for (std::uint16_t m = 1; m <= 12; ++m) {
      months.push_back(LunarMonthDays(t.year, m, 0));
      if (m == t.leapAfter) months.push_back(LunarMonthDays(t.year, m, 1));
    }
    EXPECT_EQ(months, t.months);
    EXPECT_EQ(LunarYearDays(t.year), t.yearDays);
  }
}

// Every leap year of the span with the month its leap month follows; all others have 0.
TEST(YearTable, LeapEntriesOfEveryYear) {
  const std::map<int, int> leapYears = {
      {1903, 5},  {1906, 4},  {1909, 2},  {1911, 6}, {1914, 5}, {1917, 2}, {1919, 7},
      {1922, 5},  {1925, 4},  {1928, 2},  {1930, 6}, {1933, 5}, {1936, 3}, {1938, 7},
      {1941, 6},  {1944, 4},  {1947, 2},  {1949, 7}, {1952, 5}, {1955, 3}, {1957, 8},
      {1960, 6},  {1963, 4},  {1966, 3},  {1968, 7}, {1971, 5}, {1974, 4}, {1976, 8},
      {1979, 6},  {1982, 4},  {1984, 10}, {1987, 6}, {1990, 5}, {1993, 3}, {1995, 8},
      {1998, 5},  {2001, 4},  {2004, 2},  {2006, 7}, {2009, 5}, {2012, 4}, {2014, 9},
      {2017, 6},  {2020, 4},  {2023, 2},  {2025, 6}, {2028, 5}, {2031, 3}, {2033, 11},
      {2036, 6},  {2039, 5},  {2042, 2},  {2044, 7}, {2047, 5},
  };
  for (int year = 1901; year <= 2049; ++year) {
    const auto found = leapYears.find(year);
    EXPECT_EQ(LeapMonthOf(static_cast<std::uint16_t>(year)),
              found == leapYears.end() ? 0 : found->second)
        << year;
  }
}

TEST(YearTable, EveryYearHasTwelveOrThirteenMonthsOfPlausibleLength) {
  for (std::uint16_t year = 1901; year <= 2049; ++year) {
    SCOPED_TRACE(year);
    const int leapAfter = LeapMonthOf(year);
    int leapMonths = 0;
    for (std::uint16_t m = 1; m <= 12; ++m) {
      const std::uint32_t lengths = LunarMonthLengths(year, m);
      const std::uint32_t ordinary = lengths & 0xFFFF, leap = lengths >> 16;
      EXPECT_TRUE(ordinary == 29 || ordinary == 30);
      EXPECT_EQ(leap != 0, m == leapAfter);
      if (leap != 0) {
        EXPECT_TRUE(leap == 29 || leap == 30);
        ++leapMonths;
      }
    }
    const int days = LunarYearDays(year);
    if (leapAfter == 0) {
      EXPECT_EQ(leapMonths, 0);
      EXPECT_TRUE(days >= 353 && days <= 355) << days;
    } else {
      EXPECT_EQ(leapMonths, 1);
      EXPECT_TRUE(days >= 383 && days <= 385) << days;
    }
  }
}

TEST(YearTable, YearLengthsAddUpToTheWholeSpan) {
  int days = 0;
  for (std::uint16_t year = 1901; year <= 2049; ++year) days += LunarYearDays(year);
  EXPECT_EQ(days, 54395);  // 1901-02-19 to 2050-01-22 inclusive
}

TEST(YearTable, LookupsOutsideTheSpanGiveTheirFailureValues) {
  for (std::uint16_t year : {0, 1, 1900, 2050, 2100, 65535}) {
    SCOPED_TRACE(year);
    EXPECT_EQ(LeapMonthOf(year), -1);
    EXPECT_EQ(LunarYearDays(year), 0);
    EXPECT_EQ(LunarMonthLengths(year, 1), 0u);
    EXPECT_EQ(LunarMonthDays(year, 1, 0), 0);
  }
  for (std::uint16_t month : {0, 13, 65535}) {
    SCOPED_TRACE(month);
    EXPECT_EQ(LunarMonthLengths(2033, month), 0u);
    EXPECT_EQ(LunarMonthDays(2033, month, 0), 0);
  }
}

TEST(YearTable, LeapHalvesAndTheirNeighbours) {
  struct Case {
    std::uint16_t year, month;
    std::uint32_t lengths;
  };
  const Case cases[] = {
      {2033, 11, 29u << 16 | 30},  // leap 11th month on bit 4, then the 11th's bit 5
      {2033, 12, 30},              // after the leap month: bit 3
      {1903, 5, 29u << 16 | 29},
      {1903, 6, 30},               // bit 9, not bit 10 (the leap fifth month's)
      {2001, 3, 29},
      {2001, 4, 29u << 16 | 30},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(LunarMonthLengths(c.year, c.month), c.lengths) << c.year << "-" << c.month;
  }
}

TEST(YearTable, LunarMonthDaysPicksTheHalf) {
  struct Case {
    std::uint16_t year, month;
    std::uint8_t leap;
    int days;
  };
  const Case cases[] = {
      {2001, 4, 1, 29},
      {2001, 4, 0, 30},
      {2001, 3, 1, 0},  // no leap month after the third
      {2001, 4, 7, 29}, // any non-zero flag picks the leap half
      {2049, 12, 0, 29},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(LunarMonthDays(c.year, c.month, c.leap), c.days)
        << c.year << "-" << c.month << " leap " << int{c.leap};
  }
}

}  // namespace
}  // namespace lunar
