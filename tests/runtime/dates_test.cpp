// Dates as days since 1899-12-30, read from texts in every form a user may type.
#include <gtest/gtest.h>

#include <cmath>

#include "runtime/clock.h"
#include "runtime/dates.h"

namespace runtime {
namespace {

TEST(ToDateValue, ReadsTheWholeGrammar) {
  struct Case {
    const char* text;
    int year, month = 0, day = 0, hour = 0, minute = 0, second = 0;  // year 0: invalid
  };
  const Case cases[] = {
      {"20221201", 2022, 12, 1, 0, 0, 0},
      {"2022-12-01", 2022, 12, 1, 0, 0, 0},
      {"2022/12/1", 2022, 12, 1, 0, 0, 0},
      {"2022.12.1", 2022, 12, 1, 0, 0, 0},
      {"2022:12:1", 2022, 12, 1, 0, 0, 0},
      {"2022年12月1日", 2022, 12, 1, 0, 0, 0},
      {"２０２２年１２月１日", 2022, 12, 1, 0, 0, 0},
      {"2022-12-01 23:59:59", 2022, 12, 1, 23, 59, 59},
      {"2022-12-0108.30.15", 2022, 12, 1, 8, 30, 15},
      {"2022年12月1日8时5分3秒", 2022, 12, 1, 8, 5, 3},
      {"2022-12-1 8:05", 2022, 12, 1, 8, 5, 0},
      {"2024-02-29", 2024, 2, 29, 0, 0, 0},
      {"2000-02-29", 2000, 2, 29, 0, 0, 0},
      {"100-1-1", 100, 1, 1, 0, 0, 0},
      {"9999-12-31", 9999, 12, 31, 0, 0, 0},
      {"20230231", 0},          // 31 February
      {"2023-02-29", 0},
      {"1900-02-29", 0},
      {"99-12-31", 0},          // before the year 100
      {"2022-13-01", 0},
      {"2022-12-32", 0},
      {"2022-12", 0},           // a missing day counts as 0
      {"2022", 0},
      {"12345", 0},             // year 1234, month 5, no day
      {"2022-12-01 24:00", 0},
      {"2022-12-01 12:60", 0},
      {"2022-12-01x", 0},
      {"2022-12-01 12:30:45秒x", 0},
      {" 2022-12-01", 0},
      {"", 0},
      {"abc", 0},
  };
  for (const Case& c : cases) {
    const DateValue date = ToDateValue(c.text);
    if (c.year == 0) {
      EXPECT_EQ(date, kFirstDateValue) << c.text;
      continue;
    }
    EXPECT_EQ(date, MakeDateValue(c.year, c.month, c.day, c.hour, c.minute, c.second)) << c.text;
    EXPECT_EQ(YearOf(date), c.year) << c.text;
    EXPECT_EQ(MonthOf(date), c.month) << c.text;
    EXPECT_EQ(DayOf(date), c.day) << c.text;
  }
}

TEST(DateValue, CountsDaysFrom1899_12_30AndClampsToItsSpan) {
  EXPECT_EQ(MakeDateValue(1899, 12, 30), 0);
  EXPECT_EQ(MakeDateValue(2022, 12, 1), 44896);
  EXPECT_EQ(MakeDateValue(100, 1, 1), -657434);
  EXPECT_EQ(MakeDateValue(9999, 12, 31), 2958465);
  EXPECT_EQ(MakeDateValue(2022, 12, 1, 18), 44896.75);
  EXPECT_EQ(ToDateValue("20230231"), -657434);
  EXPECT_EQ(YearOf(ToDateValue("20230231")), 100);

  struct Case {
    DateValue date;
    int year, month, day;
  };
  const Case cases[] = {
      {44896.99, 2022, 12, 1},  {-1.25, 1899, 12, 28},  {-1e12, 100, 1, 1},
      {1e12, 9999, 12, 31},     {std::nan(""), 100, 1, 1}, {2958465.9, 9999, 12, 31},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(YearOf(c.date), c.year) << c.date;
    EXPECT_EQ(MonthOf(c.date), c.month) << c.date;
    EXPECT_EQ(DayOf(c.date), c.day) << c.date;
  }
}

TEST(WeekdayOf, CountsFromSunday) {
  EXPECT_EQ(WeekdayOf(MakeDateValue(2022, 12, 1)), 5);  // Thursday
  EXPECT_EQ(WeekdayOf(MakeDateValue(1902, 1, 1)), 4);   // Wednesday
  EXPECT_EQ(WeekdayOf(MakeDateValue(2026, 2, 1)), 1);   // Sunday
  EXPECT_EQ(WeekdayOf(MakeDateValue(2022, 10, 1)), 7);  // Saturday
  EXPECT_EQ(WeekdayOf(MakeDateValue(1899, 12, 30)), 7);
  EXPECT_EQ(WeekdayOf(MakeDateValue(1899, 12, 29, 12)), 6);
}

TEST(DaysInMonth, KnowsLeapYearsAndItsRange) {
  struct Case {
    int year, month, days;
  };
  const Case cases[] = {
      {1900, 2, 28}, {2000, 2, 29}, {2024, 2, 29}, {2023, 2, 28}, {2022, 12, 31},
      {2022, 4, 30}, {2022, 13, 0}, {2022, 0, 0},  {99, 1, 0},    {10000, 1, 0},
      {100, 1, 31},  {9999, 12, 31},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(DaysInMonth(c.year, c.month), c.days) << c.year << "-" << c.month;
  }
}

TEST(Clock, CanBeFixedToWholeSeconds) {
  FixClock(MakeDateValue(2024, 5, 17, 13, 45, 30) + 0.4 / 86400);
  EXPECT_EQ(CurrentDateTime(), MakeDateValue(2024, 5, 17, 13, 45, 30));
  UseSystemClock();
  const DateValue now = CurrentDateTime();
  EXPECT_GE(YearOf(now), 2024);
  EXPECT_NEAR(now * 86400, std::round(now * 86400), 1e-3);
}

}  // namespace
}  // namespace runtime
