// SplitDateValue(date, &year, &month, &day): the Gregorian day of a DateValue (days since
// 1899-12-30), false outside 100-01-01..9999-12-31.
#include "lunar/date_value.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace lunar {
namespace {

struct Date {
  std::uint16_t year, month, day;
  bool operator==(const Date&) const = default;
};

std::ostream& operator<<(std::ostream& os, const Date& d) {
  return os << d.year << "-" << d.month << "-" << d.day;
}

constexpr bool IsLeapYear(int year) {
  return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
}

// Every day of the span, walked one calendar day at a time.
TEST(SplitDateValue, EveryDayOfTheSpan) {
  constexpr int kMonthDays[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  Date expected{100, 1, 1};
  for (double date = -657434; date <= 2958465; ++date) {
    Date got{};
    ASSERT_TRUE(SplitDateValue(date, got.year, got.month, got.day)) << date;
    ASSERT_EQ(got, expected) << date;
    const int monthDays =
        kMonthDays[expected.month - 1] + (expected.month == 2 && IsLeapYear(expected.year));
    if (++expected.day > monthDays) {
      expected.day = 1;
      if (++expected.month > 12) {
        expected.month = 1;
        ++expected.year;
      }
    }
  }
  EXPECT_EQ(expected, (Date{10000, 1, 1}));
}

TEST(SplitDateValue, TimesOfDayAndTheSpansEnds) {
  struct Case {
    double date;
    Date day;
  };
  const Case cases[] = {
      {0.0, {1899, 12, 30}},        {0.75, {1899, 12, 30}},      {-0.5, {1899, 12, 29}},
      {-1.0, {1899, 12, 29}},       {-657434.0, {100, 1, 1}},    {-657433.5, {100, 1, 1}},
      {2958465.0, {9999, 12, 31}},  {2958465.999, {9999, 12, 31}},
      {44915.5, {2022, 12, 20}},
  };
  for (const Case& c : cases) {
    Date got{};
    EXPECT_TRUE(SplitDateValue(c.date, got.year, got.month, got.day)) << c.date;
    EXPECT_EQ(got, c.day) << c.date;
  }
}

TEST(SplitDateValue, OutsideTheSpanWritesNothing) {
  const double outside[] = {
      -657434.25, -657435.0, 2958466.0, 1e300, -1e300,
      std::numeric_limits<double>::infinity(), -std::numeric_limits<double>::infinity(),
      std::numeric_limits<double>::quiet_NaN(),
  };
  for (double date : outside) {
    Date got{7, 7, 7};
    EXPECT_FALSE(SplitDateValue(date, got.year, got.month, got.day)) << date;
    EXPECT_EQ(got, (Date{7, 7, 7})) << date;
  }
}

}  // namespace
}  // namespace lunar
