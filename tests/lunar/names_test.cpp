// Stem-branch and zodiac names, GBK texts written into the caller's buffer:
//   StemBranchName(number, text)   ZodiacName(year, text) -> zodiac number
#include "lunar/names.h"

#include <gtest/gtest.h>

#include <climits>
#include <cstring>
#include <set>
#include <string>

namespace lunar {
namespace {

TEST(StemBranchName, CycleNumbersAndBeyond) {
  struct Case {
    std::int32_t number;
    const char* name;
  };
  const Case cases[] = {
      {1, "甲子"},  {2, "乙丑"},  {11, "甲戌"}, {41, "甲辰"}, {60, "癸亥"},
      {61, "甲子"}, {120, "癸亥"}, {0, ""},     {-1, ""},    {-5, ""},
      {-9, "甲"},   // a part whose number falls outside its range is left out
      {-11, "子"},  {INT_MIN, ""}, {INT_MAX, "庚午"},
  };
  for (const Case& c : cases) {
    char text[8];
    std::memset(text, 'x', sizeof text);
    StemBranchName(c.number, text);
    EXPECT_EQ(std::string(text), c.name) << c.number;
  }
}

TEST(StemBranchName, SixtyDistinctNamesOfTwoCharacters) {
  std::set<std::string> names;
  for (std::int32_t n = 1; n <= 60; ++n) {
    char text[8];
    StemBranchName(n, text);
    EXPECT_EQ(std::strlen(text), 4u) << n;
    names.insert(text);
  }
  EXPECT_EQ(names.size(), 60u);
}

TEST(ZodiacName, AnimalsAndNumbers) {
  struct Case {
    std::uint16_t year;
    const char* name;
    std::uint16_t number;
  };
  const Case cases[] = {
      {2024, "龙", 5}, {2020, "鼠", 1}, {2031, "猪", 12}, {1901, "牛", 2},
      {4, "鼠", 1},    {65535, "猪", 12},
      {0, "", 0},      {3, "", 0},  // before year 4 no animal is named
  };
  for (const Case& c : cases) {
    char text[4];
    std::memset(text, 'x', sizeof text);
    EXPECT_EQ(ZodiacName(c.year, text), c.number) << c.year;
    EXPECT_EQ(std::string(text), c.name) << c.year;
  }
}

}  // namespace
}  // namespace lunar
