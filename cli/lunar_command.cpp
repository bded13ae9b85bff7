#include <charconv>

#include "cli/arguments.h"
#include "cli/commands.h"
#include "cli/lunar_line.h"
#include "cli/terminal.h"
#include "lunar/entry_points.h"

namespace cli {
namespace {

void AppendNumber(std::string& out, std::int32_t value) {
  char buffer[16];
  const auto end = std::to_chars(buffer, buffer + sizeof buffer, value).ptr;
  out.append(buffer, end);
}

// YYYY-MM-DD<TAB>YEAR<TAB>MONTH<TAB>DAY<TAB>LEAP, or YYYY-MM-DD<TAB>none.
void AppendTsvLine(std::string& out, const CivilDay& day) {
  AppendDay(out, day);
  std::int32_t year = 0, month = 0, lunar_day = 0, leap = 0;
  if (!lunar::GetLunarDate(DateValueOf(day), year, month, lunar_day, leap)) {
    out += "\tnone\n";
    return;
  }
  for (const std::int32_t value : {year, month, lunar_day, leap}) {
    out.push_back('\t');
    AppendNumber(out, value);
  }
  out.push_back('\n');
}

std::optional<CivilDay> DayArgument(const char* what, const std::string& text) {
  const std::optional<CivilDay> day = ParseDay(text);
  if (!day) Complain(BadDayMessage(what, text));
  return day;
}

}  // namespace

int LunarCommand(const Argument& from_text, const Argument& to_text, bool tsv) {
  const std::optional<CivilDay> from = from_text ? DayArgument("DATE", *from_text) : Today();
  if (!from) return kUsageError;
  std::optional<CivilDay> to = *from;
  if (to_text) {
    to = DayArgument("TO", *to_text);
    if (!to) return kUsageError;
    if (*to < *from) {
      Complain("TO " + FormatDay(*to) + " comes before DATE " + FormatDay(*from));
      return kUsageError;
    }
  }

  const bool colour = !tsv && ColourWanted(stdout);
  if (!tsv && !to_text) {
    const LunarDay lunar = DescribeDay(*from, true);
    if (!lunar.known) {
      Complain(FormatDay(*from) +
               " has no lunar date: the lunar calendar runs from 1901-02-19 to 2048-12-31");
      return kNoAnswer;
    }
    Write(stdout, LunarLine(*from, lunar, colour));
    return kSuccess;
  }

  std::string out;
  for (CivilDay day = *from;; day = NextDay(day)) {
    if (tsv) {
      AppendTsvLine(out, day);
    } else {
      out += LunarLine(day, DescribeDay(day, true), colour);
    }
    if (out.size() >= 1 << 16) {
      Write(stdout, out);
      out.clear();
    }
    if (day == *to) break;
  }
  Write(stdout, out);
  return kSuccess;
}

}  // namespace cli
