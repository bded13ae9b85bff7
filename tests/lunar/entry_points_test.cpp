// The five entry points at the runtime's boundary:
//   GetLunarDate(date, &y, &m, &d, &leap) -> bool
//   GetLunarMonthDays(y, m, leap) -> int
//   GetSolarTerm(y, m, d, leap, number*) -> text
//   GetZodiac(year, number*) -> text
//   GetStemBranch(number) -> text
// Texts come from the service function (length + 1 bytes); the empty text is nullptr.
#include "lunar/entry_points.h"

#include <gtest/gtest.h>

#include <climits>
#include <cstdlib>
#include <cstring>
#include <limits>
#include <new>
#include <string>
#include <vector>

#include "civil_days.h"

namespace lunar {
namespace {

std::vector<std::uint32_t> requestedSizes;

void* MallocService(std::uint32_t size) {
  requestedSizes.push_back(size);
  return std::malloc(size);
}

void* FailingService(std::uint32_t size) {
  requestedSizes.push_back(size);
  return nullptr;
}

void* ThrowingService(std::uint32_t size) {
  requestedSizes.push_back(size);
  throw std::bad_alloc();
}

class EntryPoints : public ::testing::Test {
 protected:
  void SetUp() override {
    requestedSizes.clear();
    SetServiceFunction(MallocService);
  }
  void TearDown() override { SetServiceFunction(nullptr); }

  // Takes ownership of a text result; nullptr reads as "".
  static std::string Take(char* text) {
    if (text == nullptr) return "";
    std::string s(text);
    std::free(text);
    return s;
  }
};

using test_support::DateValueOf;

struct LunarVars {
  std::int32_t year = -7, month = -7, day = -7, leap = -7;
  bool operator==(const LunarVars&) const = default;
};

std::ostream& operator<<(std::ostream& os, const LunarVars& v) {
  return os << v.year << "-" << v.month << "-" << v.day << " leap " << v.leap;
}

TEST_F(EntryPoints, GetLunarDateConvertsTheDayTheValueLiesIn) {
  struct Case {
    double date;
    LunarVars lunar;
  };
  const Case cases[] = {
      {DateValueOf(1901, 2, 19), {1901, 1, 1, 0}},
      {DateValueOf(2048, 12, 31), {2048, 11, 27, 0}},
      {DateValueOf(2023, 3, 22), {2023, 2, 1, 1}},
      {DateValueOf(2023, 3, 21), {2023, 2, 30, 0}},
      {DateValueOf(2023, 3, 22) + 0.99, {2023, 2, 1, 1}},
      {DateValueOf(2023, 3, 22) - 0.25, {2023, 2, 30, 0}},  // 2023-03-21 18:00
  };
  for (const Case& c : cases) {
    LunarVars v;
    EXPECT_TRUE(GetLunarDate(c.date, v.year, v.month, v.day, v.leap)) << c.date;
    EXPECT_EQ(v, c.lunar) << c.date;
  }
}

TEST_F(EntryPoints, GetLunarDateFailsWithoutWriting) {
  const double dates[] = {
      DateValueOf(1901, 2, 18), DateValueOf(2049, 1, 1), DateValueOf(2048, 12, 31) + 1,
      -657434.0, 2958465.0, -657435.0, 2958466.0, 1e300,
      std::numeric_limits<double>::quiet_NaN(), -std::numeric_limits<double>::infinity(),
  };
  for (double date : dates) {
    LunarVars v;
    EXPECT_FALSE(GetLunarDate(date, v.year, v.month, v.day, v.leap)) << date;
    EXPECT_EQ(v, LunarVars{}) << date;
  }
}

TEST_F(EntryPoints, GetLunarMonthDaysTakesLow16BitsAndOnlyFlagOne) {
  struct Case {
    std::int32_t year, month, leap, days;
  };
  const Case cases[] = {
      {2023, 2, 0, 30}, {2023, 2, 1, 29},  {2023, 3, 1, 0},
      {2023, 2, 2, 30}, {2023, 2, -1, 30}, // only exactly 1 sets the flag
      {1900, 1, 0, 0},  {2050, 1, 0, 0},   {2023, 0, 0, 0}, {2023, 13, 0, 0},
      {2023 + 65536, 2 + 65536, 1, 29},    // the inner lookups see the low 16 bits
      {-1, 1, 0, 0},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(GetLunarMonthDays(c.year, c.month, c.leap), c.days)
        << c.year << "-" << c.month << " leap " << c.leap;
  }
}

// Which day begins a term is the solar-term table's business; here only what holds for any
// table: a failed conversion answers the empty text and leaves `number` alone, a successful
// one writes it.
TEST_F(EntryPoints, GetSolarTermWritesNumberOnlyAfterAConversion) {
  struct Case {
    std::int32_t year, month, day, leap;
    bool converts;
  };
  const Case cases[] = {
      {1900, 1, 1, 0, false},
      {2050, 1, 1, 0, false},
      {2001, 3, 30, 0, false},  // a 29-day month
      {2001, 4, 30, 1, false},  // the leap fourth month has 29 days
      {2001, 4, 30, 2, true},   // flag 2 is clear: the ordinary fourth month has 30
      {2048, 11, 28, 0, false},
      {2000, 2, 16, 0, true},   // 2000-03-21, which begins no term
      {2000 + 65536, 2, 16, 0, true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << c.year << "-" << c.month << "-" << c.day << " leap "
                                    << c.leap);
    std::int32_t number = -7;
    const std::string name = Take(GetSolarTerm(c.year, c.month, c.day, c.leap, &number));
    if (c.converts) {
      EXPECT_TRUE(number >= 0 && number <= 24) << number;
      EXPECT_EQ(name.empty(), number == 0);
    } else {
      EXPECT_EQ(number, -7);
      EXPECT_EQ(name, "");
    }
    EXPECT_EQ(Take(GetSolarTerm(c.year, c.month, c.day, c.leap)), name);
  }
}

TEST_F(EntryPoints, GetZodiacNamesTheAnimalOfTheLow16Bits) {
  struct Case {
    std::int32_t year;
    const char* name;
    std::int32_t number;  // -7: left as it was
  };
  const Case cases[] = {
      {2024, "龙", 5}, {2020, "鼠", 1}, {2031, "猪", 12}, {1901, "牛", 2},
      {2024 + 65536, "龙", 5},
      {65536 + 3, "", -7}, {0, "", -7},  // years 0..3 name no animal
  };
  for (const Case& c : cases) {
    std::int32_t number = -7;
    EXPECT_EQ(Take(GetZodiac(c.year, &number)), c.name) << c.year;
    EXPECT_EQ(number, c.number) << c.year;
    EXPECT_EQ(Take(GetZodiac(c.year)), c.name) << c.year;
  }
}

TEST_F(EntryPoints, GetStemBranchOnlyForCycleNumbers) {
  struct Case {
    std::int32_t number;
    const char* name;
  };
  const Case cases[] = {
      {1, "甲子"}, {41, "甲辰"}, {60, "癸亥"}, {0, ""}, {61, ""}, {-5, ""},
      {INT_MIN, ""}, {INT_MAX, ""}, {65536 + 1, ""},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(Take(GetStemBranch(c.number)), c.name) << c.number;
  }
}

TEST_F(EntryPoints, TextsAreFreshBlocksOfLengthPlusOne) {
  char* first = GetStemBranch(1);
  char* second = GetStemBranch(1);
  ASSERT_NE(first, nullptr);
  ASSERT_NE(second, nullptr);
  EXPECT_NE(first, second);
  EXPECT_EQ(requestedSizes, (std::vector<std::uint32_t>{5, 5}));
  Take(first);
  Take(second);

  requestedSizes.clear();
  Take(GetZodiac(2024));
  EXPECT_EQ(requestedSizes, (std::vector<std::uint32_t>{3}));
}

TEST_F(EntryPoints, TheEmptyTextAllocatesNothing) {
  EXPECT_EQ(GetStemBranch(0), nullptr);
  EXPECT_EQ(GetZodiac(2), nullptr);
  EXPECT_EQ(GetSolarTerm(1900, 1, 1, 0), nullptr);
  EXPECT_TRUE(requestedSizes.empty());
}

// A block that cannot be had, whether the service answers nullptr, throws, or was never
// handed over, gives the failure value and writes no variable.
TEST_F(EntryPoints, FailedAllocationGivesTheFailureValue) {
  const ServiceFunction services[] = {FailingService, ThrowingService, nullptr};
  for (ServiceFunction service : services) {
    SetServiceFunction(service);
    std::int32_t number = -7;
    EXPECT_EQ(GetStemBranch(1), nullptr);
    EXPECT_EQ(GetZodiac(2024, &number), nullptr);
    EXPECT_EQ(number, -7);
    // Operations without a text result do not depend on the service.
    LunarVars v;
    EXPECT_TRUE(GetLunarDate(DateValueOf(2023, 3, 22),
                             v.year, v.month, v.day, v.leap));
    EXPECT_EQ(GetLunarMonthDays(2023, 2, 1), 29);
  }
  EXPECT_EQ(requestedSizes.size(), 4u);  // the two failing services were asked
}

}  // namespace
}  // namespace lunar
