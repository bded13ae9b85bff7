// DateValues of Gregorian dates for tests, counted independently of the library: days
// from 1899-12-30 by the day number of the proleptic Gregorian calendar.
// (The standard <chrono> calendar cannot be included here: it carries a non-GBK literal.)
#pragma once

namespace lunar::test_support {

constexpr long DayNumber(int year, int month, int day) {
  const long y = year - (month <= 2 ? 1 : 0);
  const long era = y / 400;  // years here are positive
  const long yearOfEra = y - era * 400;
  const long dayOfYear = (153L * (month > 2 ? month - 3 : month + 9) + 2) / 5 + day - 1;
  const long dayOfEra = yearOfEra * 365 + yearOfEra / 4 - yearOfEra / 100 + dayOfYear;
  return era * 146097 + dayOfEra;
}

constexpr double DateValueOf(int year, int month, int day) {
  return static_cast<double>(DayNumber(year, month, day) - DayNumber(1899, 12, 30));
}

static_assert(DateValueOf(1899, 12, 30) == 0);
static_assert(DateValueOf(100, 1, 1) == -657434);
static_assert(DateValueOf(9999, 12, 31) == 2958465);

}  // namespace lunar::test_support
