// FestivalOf: the first matching rule of the table, with its category digit.
#include <gtest/gtest.h>

#include "app/festivals.h"

namespace app {
namespace {

struct Case {
  std::int32_t date;
  const char* festival;
};

void ExpectFestivals(std::initializer_list<Case> cases) {
  for (const Case& c : cases) {
    EXPECT_EQ(FestivalOf(c.date), c.festival) << c.date;
  }
}

TEST(FestivalOf, FirstMatchingRuleWins) {
  ExpectFestivals({
      {20220101, "1元旦"},
      {20220501, "1劳动节"},
      {20220502, "1劳动节"},
      {20220503, "1劳动节"},
      {20220504, "2青年节"},
      {20221001, "1国庆节"},
      {20221003, "1国庆节"},
      {20100214, "1春节"},  // lunar new year's day wins over 情人节
      {20110214, "2情人节"},
      {20230122, "1春节"},
      {20230124, "1春节"},
      {20230125, ""},
      {20230205, "3元宵节"},
      {20220603, "3端午节"},
      {20220722, "3火把节"},
      {20220804, "3七夕情人节"},
      {20220812, "3中元节"},
      {20220910, "2教师节"},  // 中秋节 that year: a Gregorian rule wins over a lunar one
      {20210921, "3中秋节"},
      {20221004, "3重阳节"},
      {20221230, "3腊八节"},
      {20230115, "3小年"},
      {20220625, "2全国土地日"},
      {20180701, "2香港回归中共诞辰"},
      {20220908, "2国际扫盲日"},
      {20220909, "2毛泽东逝世"},
      {20221121, "2彝族年"},
      {20221225, "2圣诞节"},
      {20220730, "2被奴国周"},
      {20221201, ""},
  });
}

// Mended: a leap month repeats its month's number, not its festivals, so 端午节 shows
// once in 1903, in the ordinary fifth month.
TEST(FestivalOf, LunarRulesSkipLeapMonths) {
  ExpectFestivals({
      {19030531, "3端午节"},  // 5th day of the fifth month
      {19030629, ""},         // 5th day of the leap fifth month
  });
}

// Mended: 母亲节, 父亲节 and 感恩节 fall on their weekday rule; an earlier rule of the
// same day still wins.
TEST(FestivalOf, FloatingFestivalsFollowTheirWeekday) {
  ExpectFestivals({
      {20230514, "2母亲节"},        // second Sunday of May
      {20230520, ""},
      {20220508, "2世界红十字日"},  // 2022's second Sunday of May is 8 May
      {20240512, "2国际护士节"},    // 2024's is 12 May
      {20220619, "2父亲节"},        // third Sunday of June
      {20240616, "2父亲节"},
      {20220630, ""},
      {20231123, "2感恩节"},        // fourth Thursday of November
      {20231124, ""},
      {20181122, "2彝族年"},        // 2018's fourth Thursday is 22 November
  });
}

// Mended: 国际禁毒日 has its own day, right after 全国土地日.
TEST(FestivalOf, AntiDrugDayIsOn26June) {
  ExpectFestivals({{20220625, "2全国土地日"}, {20220626, "2国际禁毒日"}, {19020626, "2国际禁毒日"}});
}

}  // namespace
}  // namespace app
