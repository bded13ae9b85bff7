// One Gregorian day as the lunar calendar sees it, in the window's own words (GBK).
#pragma once

#include <cstdint>
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

// The widest words, as in "壬寅年 闰十二月廿九", and a term's name.
inline constexpr std::int32_t kWordsColumns = 19;
inline constexpr std::int32_t kTermColumns = 4;

// The human line, UTF-8: "2023-03-22  癸卯年 闰二月初一", or "1901-02-18  none". A day with
// a solar term or a festival has them after the words, each in a column of its own and
// in the window's colours: "2022-06-06  壬寅年 五月初八      芒种  全国爱眼日".
std::string LunarLine(const CivilDay& day, const LunarDay& lunar, bool colour);

}  // namespace cli
