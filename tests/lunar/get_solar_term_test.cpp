// GetSolarTerm: the term that begins on the Gregorian day of a lunar date, numbered from
// 立春, with `number` written only after a successful conversion.
#include "lunar/entry_points.h"
#include "lunar/solar_terms.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>

namespace {

void* Allocate(std::uint32_t size) { return std::malloc(size); }

class GetSolarTermTest : public ::testing::Test {
 protected:
  void SetUp() override { lunar::SetServiceFunction(Allocate); }
};

// The text a call returned, freed; nullptr reads as the empty text.
std::string Take(char* text) {
  std::string copy = text ? text : "";
  std::free(text);
  return copy;
}

constexpr std::int32_t kUntouched = -7;

TEST_F(GetSolarTermTest, NamesTheTermAndNumbersItFromStartOfSpring) {
  struct Case {
    std::int32_t year, month, day, leap;
    const char* name;
    std::int32_t number;
  };
  const Case cases[] = {
      {2000, 2, 15, 0, "春分", 4},       // 2000-03-20
      {1999, 12, 29, 0, "立春", 1},      // 2000-02-04
      {1999, 11, 30, 0, "小寒", 23},     // 2000-01-06
      {1999, 12, 15, 0, "大寒", 24},     // 2000-01-21
      {2000, 2, 16, 0, "", 0},           // 2000-03-21 begins no term
      {2000, 2, 15, 1, "春分", 4},       // 2000 has no leap month: the flag is dropped
      {2023, 2, 15, 1, "清明", 5},       // leap second month: 2023-04-05
      {2023, 2, 15, 2, "惊蛰", 3},       // a flag of 2 is clear: 2023-03-06
      {1900, 1, 1, 0, "", kUntouched},   // no conversion, number left alone
      {2049, 13, 1, 0, "", kUntouched},
  };
  for (const Case& c : cases) {
    std::int32_t number = kUntouched;
    EXPECT_EQ(Take(lunar::GetSolarTerm(c.year, c.month, c.day, c.leap, &number)), c.name)
        << c.year << '/' << c.month << '/' << c.day << " leap " << c.leap;
    EXPECT_EQ(number, c.number) << c.year << '/' << c.month << '/' << c.day;
    EXPECT_EQ(Take(lunar::GetSolarTerm(c.year, c.month, c.day, c.leap)), c.name)
        << "without a number variable";
  }
}

TEST_F(GetSolarTermTest, AgreesWithTheTableOnEveryDayOfTheLunarSpan) {
  // DateValue 1 is 1899-12-31; walk 1901-02-19 .. 2048-12-31 with a Gregorian date beside.
  const int month_days[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  int y = 1901, m = 2, d = 19;
  int terms = 0;
  for (double date = 416; date <= 54423; ++date) {
    std::int32_t ly = 0, lm = 0, ld = 0, leap = 0;
    ASSERT_TRUE(lunar::GetLunarDate(date, ly, lm, ld, leap)) << y << '-' << m << '-' << d;
    const int t = lunar::SolarTermOn(y, m, d);
    char name[5];
    lunar::SolarTermName(t, name);
    const std::int32_t spring_first = t == 0 ? 0 : t <= 2 ? t + 22 : t - 2;
    std::int32_t number = kUntouched;
    ASSERT_EQ(Take(lunar::GetSolarTerm(ly, lm, ld, leap, &number)), name)
        << y << '-' << m << '-' << d;
    ASSERT_EQ(number, spring_first) << y << '-' << m << '-' << d;
    terms += t != 0;

    const bool leap_year = (y % 4 == 0 && y % 100 != 0) || y % 400 == 0;
    if (++d > month_days[m - 1] + (m == 2 && leap_year)) {
      d = 1;
      if (++m > 12) m = 1, ++y;
    }
  }
  EXPECT_EQ(y, 2049);
  EXPECT_EQ(terms, 24 * 148 - 3);  // 1901 begins after 小寒, 大寒 and 立春
}

}  // namespace
