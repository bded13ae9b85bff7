#include "app/festivals.h"

#include "app/lunar_date.h"
#include "runtime/dates.h"
#include "runtime/numbers.h"

namespace app {

using namespace runtime;

namespace {

enum class Calendar {
  kGregorian,  // month, days first..last
  kLunar,      // lunar month, days first..last, ordinary months only
  kWeekday,    // month, the nth (first) given weekday (last: 1 Sunday .. 7 Saturday)
};

struct Rule {
  Calendar calendar;
  std::int32_t month;
  std::int32_t first;
  std::int32_t last;
  const char* text;
};

constexpr std::int32_t kSunday = 1;
constexpr std::int32_t kThursday = 5;

constexpr Rule kRules[] = {
    {Calendar::kGregorian, 1, 1, 1, "1元旦"},
    {Calendar::kGregorian, 5, 1, 3, "1劳动节"},
    {Calendar::kGregorian, 10, 1, 3, "1国庆节"},
    {Calendar::kLunar, 1, 1, 3, "1春节"},
    {Calendar::kGregorian, 2, 14, 14, "2情人节"},
    {Calendar::kGregorian, 3, 5, 5, "2学雷锋"},
    {Calendar::kGregorian, 3, 8, 8, "2妇女节"},
    {Calendar::kGregorian, 3, 12, 12, "2植树节"},
    {Calendar::kGregorian, 3, 15, 15, "2消费者权益日"},
    {Calendar::kGregorian, 4, 1, 1, "2愚人节"},
    {Calendar::kGregorian, 4, 7, 7, "2世界卫生日"},
    {Calendar::kGregorian, 4, 22, 22, "2世界地球日"},
    {Calendar::kGregorian, 5, 4, 4, "2青年节"},
    {Calendar::kGregorian, 5, 8, 8, "2世界红十字日"},
    {Calendar::kGregorian, 5, 12, 12, "2国际护士节"},
    {Calendar::kGregorian, 5, 15, 15, "2国际家庭日"},
    {Calendar::kGregorian, 5, 17, 17, "2国际电信日"},
    {Calendar::kGregorian, 6, 1, 1, "2国际儿童节"},
    {Calendar::kGregorian, 6, 5, 5, "2世界环境保护日"},
    {Calendar::kGregorian, 6, 6, 6, "2全国爱眼日"},
    {Calendar::kGregorian, 6, 25, 25, "2全国土地日"},
    {Calendar::kGregorian, 6, 26, 26, "2国际禁毒日"},
    {Calendar::kGregorian, 7, 1, 1, "2香港回归中共诞辰"},
    {Calendar::kGregorian, 7, 7, 7, "2抗战纪念日"},
    {Calendar::kGregorian, 8, 1, 1, "2建军节"},
    {Calendar::kGregorian, 8, 15, 15, "2抗战胜利"},
    {Calendar::kGregorian, 9, 9, 9, "2毛泽东逝世"},
    {Calendar::kGregorian, 9, 8, 8, "2国际扫盲日"},
    {Calendar::kGregorian, 9, 10, 10, "2教师节"},
    {Calendar::kGregorian, 9, 27, 27, "2世界旅游日"},
    {Calendar::kGregorian, 9, 28, 28, "2孔子诞辰"},
    {Calendar::kGregorian, 10, 6, 6, "2老人节"},
    {Calendar::kGregorian, 10, 9, 9, "2世界邮政日"},
    {Calendar::kGregorian, 10, 14, 14, "2世界标准日"},
    {Calendar::kGregorian, 10, 16, 16, "2世界粮食日"},
    {Calendar::kGregorian, 10, 24, 24, "2联合国日"},
    {Calendar::kGregorian, 11, 20, 22, "2彝族年"},
    {Calendar::kGregorian, 11, 12, 12, "2孙中山诞辰"},
    {Calendar::kGregorian, 12, 5, 5, "2国际志愿人员日"},
    {Calendar::kGregorian, 12, 20, 20, "2澳门回归"},
    {Calendar::kGregorian, 12, 25, 25, "2圣诞节"},
    {Calendar::kGregorian, 12, 26, 26, "2毛泽东诞辰"},
    {Calendar::kWeekday, 5, 2, kSunday, "2母亲节"},
    {Calendar::kWeekday, 6, 3, kSunday, "2父亲节"},
    {Calendar::kGregorian, 7, 30, 30, "2被奴国周"},
    {Calendar::kWeekday, 11, 4, kThursday, "2感恩节"},
    {Calendar::kLunar, 1, 15, 15, "3元宵节"},
    {Calendar::kLunar, 5, 5, 5, "3端午节"},
    {Calendar::kLunar, 6, 24, 26, "3火把节"},
    {Calendar::kLunar, 7, 7, 7, "3七夕情人节"},
    {Calendar::kLunar, 7, 15, 15, "3中元节"},
    {Calendar::kLunar, 8, 15, 15, "3中秋节"},
    {Calendar::kLunar, 9, 9, 9, "3重阳节"},
    {Calendar::kLunar, 12, 8, 8, "3腊八节"},
    {Calendar::kLunar, 12, 24, 24, "3小年"},
};

// Day of the month of the nth given weekday (1 Sunday .. 7 Saturday) of a month.
std::int32_t NthWeekday(std::int32_t year, std::int32_t month, std::int32_t n, std::int32_t weekday) {
  const std::int32_t weekday_of_1st = WeekdayOf(MakeDateValue(year, month, 1));
  return 1 + (weekday - weekday_of_1st + 7) % 7 + 7 * (n - 1);
}

}  // namespace

Text FestivalOf(std::int32_t date) {
  const DateValue d = ToDateValue(ToText(date));
  const std::int32_t year = YearOf(d);
  const std::int32_t month = MonthOf(d);
  const std::int32_t day = DayOf(d);
  LunarDate lunar;
  TakeLunarDate(date, lunar);

  for (const Rule& rule : kRules) {
    bool matches = false;
    switch (rule.calendar) {
      case Calendar::kGregorian:
        matches = month == rule.month && day >= rule.first && day <= rule.last;
        break;
      case Calendar::kLunar:
        // A leap month repeats its month's number but not its festivals.
        matches = lunar.leap == 0 && lunar.month == rule.month && lunar.day >= rule.first &&
                  lunar.day <= rule.last;
        break;
      case Calendar::kWeekday:
        matches = month == rule.month && day == NthWeekday(year, month, rule.first, rule.last);
        break;
    }
    if (matches) return rule.text;
  }
  return {};
}

}  // namespace app
