#include "cli/lunar_line.h"

#include <algorithm>

#include "app/day_annotation.h"
#include "app/festivals.h"
#include "cli/terminal.h"
#include "lunar/entry_points.h"
#include "runtime/headless/gbk_to_utf8.h"
#include "runtime/library_texts.h"
#include "runtime/numbers.h"

namespace cli {

using namespace runtime;

LunarDay DescribeDay(const CivilDay& day, bool details) {
  LunarDay described;
  described.known = lunar::GetLunarDate(DateValueOf(day), described.date.year,
                                        described.date.month, described.date.day,
                                        described.date.leap);
  if (!described.known) return described;
  described.words = LunarDateWords(described.date);
  if (details) {
    const app::LunarDate& d = described.date;
    described.term = AdoptLibraryText(lunar::GetSolarTerm(d.year, d.month, d.day, d.leap));
    described.festival = app::FestivalOf(day.year * 10000 + day.month * 100 + day.day);
  }
  return described;
}

Text LunarDateWords(const app::LunarDate& lunar) {
  const std::int32_t cycle = TruncateToInt(Remainder(lunar.year - 4, 60) + 1);
  const Text stem_branch = AdoptLibraryText(lunar::GetStemBranch(cycle));
  // The length passed only picks the 大 or 小 that is cut off again.
  const Text month_name = app::LunarMonthName(lunar.month, lunar.leap != 0, 30);
  const Text month = TextLeft(month_name, TextLength(month_name) - 2);
  const Text day = lunar.day == 1 ? Text("初一") : app::LunarDayName(lunar.day);
  return JoinTexts(stem_branch, "年 ", month, day);
}

std::string LunarLine(const CivilDay& day, const LunarDay& lunar, bool colour) {
  using headless::GbkToUtf8;
  std::string line = FormatDay(day) + "  ";
  if (!lunar.known) return line + "none\n";
  const std::string words = GbkToUtf8(lunar.words);
  line += words;
  if (lunar.term.empty() && lunar.festival.empty()) return line + "\n";

  // Terms and festivals stand in columns of their own down a range of days.
  line.append(static_cast<std::size_t>(std::max(0, kWordsColumns - DisplayWidth(words))), ' ');
  line += "  ";
  if (lunar.term.empty()) {
    line.append(static_cast<std::size_t>(kTermColumns), ' ');
  } else {
    line += Paint(GbkToUtf8(lunar.term), app::kTermColour, kTransparent, colour);
  }
  if (lunar.festival.empty()) return line + "\n";
  const char category = lunar.festival[0];
  const Colour festival_colour = category == '1'   ? app::kHolidayColour
                                 : category == '2' ? app::kGregorianDayColour
                                                   : app::kLunarDayColour;
  line += "  " + Paint(GbkToUtf8(TextRight(lunar.festival, TextLength(lunar.festival) - 1)),
                       festival_colour, kTransparent, colour);
  return line + "\n";
}

}  // namespace cli
