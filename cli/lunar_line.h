// One Gregorian day as the lunar calendar sees it, in the window's own words (GBK).
#pragma once

#include <string>

#include "app/lunar_date.h"
#include "cli/arguments.h"
#include "runtime/text.h"

namespace cli {

struct LunarDay {
  bool known = false;  // false: the day lies outside the lunar calendar's span
  app::LunarDate date;
  runtime::Text words;     // "癸卯年 闰二月初一"
  runtime::Text term;      // the solar term that begins that day, or empty
  runtime::Text festival;  // as FestivalOf gives it, category digit first, or empty
};

// The lunar date of a day through GetLunarDate; with `details`, also its solar term and
// festival through GetSolarTerm and FestivalOf.
LunarDay DescribeDay(const CivilDay& day, bool details);

// The stem-branch name of the lunar year, its month as the window names a month's first
// day (without 大 or 小), and the day: "癸卯年 闰二月初一", "壬寅年 十二月初一".
runtime::Text LunarDateWords(const app::LunarDate& lunar);

// The human line, UTF-8: "2022-06-06  壬寅年 五月初八  芒种  全国爱眼日" (term and festival
// only where there are any, in the window's colours), or "1901-02-18  none".
std::string LunarLine(const CivilDay& day, const LunarDay& lunar, bool colour);

}  // namespace cli
