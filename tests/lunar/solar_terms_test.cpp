// SolarTermOn and SolarTermName: which term begins on a Gregorian day, and its name.
#include "lunar/solar_terms.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <limits>

namespace {

using lunar::SolarTermName;
using lunar::SolarTermOn;

TEST(SolarTermOn, AnswersTheTermBeginningOnThatDayOrZero) {
  struct Case {
    int year, month, day, term;
  };
  const Case cases[] = {
      {1880, 1, 6, 1},     // first entry of the table
      {2079, 12, 22, 24},  // last entry
      {1879, 12, 22, 0},   // years without a row
      {2080, 1, 5, 0},
      {0, 1, 6, 0},
      {65535, 1, 6, 0},
      {2000, 3, 20, 6},  // 春分, and the days around it
      {2000, 3, 21, 0},
      {2000, 3, 19, 0},
      {2000, 2, 4, 3},    // 立春
      {2000, 1, 21, 2},   // second term of a month
      {2000, 12, 21, 24},  // the walk reaches the last entry
      {2000, 12, 31, 0},
      {2000, 0, 6, 0},  // month 0 ends the walk at once; 13 walks the whole row
      {2000, 13, 6, 0},
      {2000, 6, 0, 0},
      {2000, 6, 65535, 0},
      {1951, 12, 23, 24},  // 冬至 at 00:00:05
      {1951, 12, 22, 0},
      {2021, 12, 21, 24},  // 冬至 at 23:59:01
      {2021, 12, 22, 0},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(SolarTermOn(c.year, c.month, c.day), c.term)
        << c.year << '-' << c.month << '-' << c.day;
  }
}

TEST(SolarTermOn, EveryYearHasItsTwentyFourTermDaysInOrder) {
  const int month_days[] = {31, 29, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  for (int year = lunar::kFirstTermYear; year <= lunar::kLastTermYear; ++year) {
    int next = 1;
    for (int month = 1; month <= 12; ++month) {
      for (int day = 1; day <= month_days[month - 1]; ++day) {
        const int term = SolarTermOn(year, month, day);
        if (term == 0) continue;
        EXPECT_EQ(term, next) << year << '-' << month << '-' << day;
        next = term + 1;
      }
    }
    EXPECT_EQ(next, 25) << year;
  }
}

TEST(SolarTermName, WritesTheTwoCharacterNameOrTheEmptyText) {
  struct Case {
    std::int32_t number;
    const char* name;
  };
  const Case cases[] = {
      {1, "小寒"},  {2, "大寒"},  {3, "立春"}, {6, "春分"}, {12, "夏至"},
      {13, "小暑"}, {24, "冬至"}, {0, ""},     {25, ""},    {-1, ""},
      {std::numeric_limits<std::int32_t>::min(), ""},
      {std::numeric_limits<std::int32_t>::max(), ""},
  };
  for (const Case& c : cases) {
    char buffer[8];
    std::memset(buffer, 0x7F, sizeof buffer);
    SolarTermName(c.number, buffer);
    const std::size_t length = std::strlen(c.name);
    EXPECT_EQ(std::memcmp(buffer, c.name, length + 1), 0) << c.number;
    // The caller's buffer is only guaranteed 5 bytes.
    EXPECT_EQ(buffer[5], 0x7F) << c.number;
  }
}

TEST(SolarTermName, NamesAreGbkBytes) {
  char buffer[5];
  SolarTermName(6, buffer);
  EXPECT_EQ(std::memcmp(buffer, "\xB4\xBA\xB7\xD6", 5), 0);  // 春分
}

}  // namespace
