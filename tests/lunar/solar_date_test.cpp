// Solar date routines, none of which validate the day:
//   SolarMonthDays(y, m)  DaysBetween(a, b)  CompareSolarDates(a, b)
//   StepSolarDay(y&, m&, d&, forward)  AddSolarDays(y&, m&, d&, n)
#include "lunar/solar_date.h"

#include <gtest/gtest.h>

namespace lunar {
namespace {

struct Date {
  std::uint16_t year, month, day;
  bool operator==(const Date&) const = default;
};

std::ostream& operator<<(std::ostream& os, const Date& d) {
  return os << d.year << "-" << d.month << "-" << d.day;
}

TEST(SolarMonthDays, LengthsAndLeapYears) {
  struct Case {
    std::uint16_t year, month, days;
  };
  const Case cases[] = {
      {2001, 1, 31}, {2001, 4, 30}, {2001, 2, 28}, {2004, 2, 29}, {1900, 2, 28},
      {2000, 2, 29}, {2001, 12, 31}, {2001, 0, 0}, {2001, 13, 0},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(SolarMonthDays(c.year, c.month), c.days) << c.year << "-" << c.month;
  }
}

TEST(DaysBetween, CountsDaysAsPassed) {
  struct Case {
    Date a, b;
    std::int32_t days;
  };
  const Case cases[] = {
      {{1901, 2, 19}, {1901, 1, 1}, 49},
      {{2000, 3, 1}, {2000, 2, 28}, 2},
      {{1900, 3, 1}, {1900, 2, 28}, 1},
      {{1901, 1, 1}, {1901, 2, 19}, -49},
      {{2001, 3, 0}, {2001, 2, 28}, 0},   // day 0 is the last day of the month before
      {{2001, 2, 30}, {2001, 3, 2}, 0},   // past the month's end runs on
      {{2048, 12, 418}, {2050, 1, 22}, 0},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(DaysBetween(c.a.year, c.a.month, c.a.day, c.b.year, c.b.month, c.b.day), c.days)
        << c.a << " - " << c.b;
  }
}

TEST(CompareSolarDates, YearThenMonthThenDay) {
  struct Case {
    Date a, b;
    std::int32_t order;
  };
  const Case cases[] = {
      {{2001, 5, 1}, {2001, 5, 1}, 0},   {{2002, 1, 1}, {2001, 12, 31}, 1},
      {{2001, 1, 31}, {2001, 2, 1}, -1}, {{2001, 2, 30}, {2001, 3, 1}, -1},
      {{2001, 3, 2}, {2001, 3, 1}, 1},   {{65535, 1, 1}, {0, 12, 31}, 1},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(CompareSolarDates(c.a.year, c.a.month, c.a.day, c.b.year, c.b.month, c.b.day),
              c.order)
        << c.a << " vs " << c.b;
  }
}

TEST(StepSolarDay, CarriesIntoMonthAndYearWithoutValidating) {
  struct Case {
    Date from;
    bool forward;
    Date to;
  };
  const Case cases[] = {
      {{2000, 12, 31}, true, {2001, 1, 1}},  {{2001, 3, 1}, false, {2001, 2, 28}},
      {{2000, 3, 1}, false, {2000, 2, 29}},  {{2001, 1, 1}, false, {2000, 12, 31}},
      {{2001, 2, 28}, true, {2001, 3, 1}},   {{2000, 2, 28}, true, {2000, 2, 29}},
      {{2001, 2, 30}, true, {2001, 3, 1}},   {{2001, 2, 30}, false, {2001, 2, 29}},
      {{2001, 3, 0}, false, {2001, 2, 27}},  {{2001, 3, 0}, true, {2001, 3, 1}},
      {{2001, 5, 15}, true, {2001, 5, 16}},  {{2001, 5, 15}, false, {2001, 5, 14}},
  };
  for (const Case& c : cases) {
    Date d = c.from;
    StepSolarDay(d.year, d.month, d.day, c.forward ? 1 : 0);
    EXPECT_EQ(d, c.to) << c.from << (c.forward ? " forward" : " back");
  }
}

// Four centuries, 1800..2199, one step at a time: each step forward is one day later and
// a real date, each step back undoes it, and 400 years are 146097 days.
TEST(StepSolarDay, WalksFourCenturies) {
  Date d{1800, 1, 1};
  for (int i = 0; i < 146097; ++i) {
    Date next = d;
    StepSolarDay(next.year, next.month, next.day, 1);
    ASSERT_EQ(DaysBetween(next.year, next.month, next.day, d.year, d.month, d.day), 1) << d;
    ASSERT_TRUE(next.day >= 1 && next.day <= SolarMonthDays(next.year, next.month)) << next;
    Date back = next;
    StepSolarDay(back.year, back.month, back.day, 0);
    ASSERT_EQ(back, d) << next;
    d = next;
  }
  EXPECT_EQ(d, (Date{2200, 1, 1}));
}

TEST(AddSolarDays, ZeroStaysAndEveryDistanceRoundTrips) {
  Date d{2001, 2, 30};
  AddSolarDays(d.year, d.month, d.day, 0);
  EXPECT_EQ(d, (Date{2001, 2, 30}));  // not even normalised

  for (std::int32_t n : {1, -1, 31, -31, 365, -366, 1000, -1000}) {
    Date moved{2001, 5, 23};
    AddSolarDays(moved.year, moved.month, moved.day, n);
    EXPECT_EQ(DaysBetween(moved.year, moved.month, moved.day, 2001, 5, 23), n) << n;
    AddSolarDays(moved.year, moved.month, moved.day, -n);
    EXPECT_EQ(moved, (Date{2001, 5, 23})) << n;
  }
}

}  // namespace
}  // namespace lunar
