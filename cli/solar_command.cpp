#include <cstdio>
#include <cstdint>
#include <string_view>
#include <vector>

#include "cli/arguments.h"
#include "cli/commands.h"
#include "cli/lunar_line.h"
#include "cli/terminal.h"
#include "lunar/conversion.h"
#include "lunar/entry_points.h"

namespace cli {
namespace {

struct LunarRequest {
  std::int64_t year = 0, month = 0, day = 0;
  bool leap = false;
};

// The library takes its numbers as unsigned 16 bits; anything wider would wrap round to
// some other date, so it has no Gregorian day here.
std::optional<CivilDay> SolarDayOf(const LunarRequest& r) {
  const auto fits = [](std::int64_t v) { return v >= 0 && v <= 0xFFFF; };
  if (!fits(r.year) || !fits(r.month) || !fits(r.day)) return std::nullopt;
  std::uint16_t year = 0, month = 0, day = 0;
  if (!lunar::LunarToSolar(static_cast<std::uint16_t>(r.year), static_cast<std::uint16_t>(r.month),
                           static_cast<std::uint16_t>(r.day), r.leap ? 1 : 0, year, month, day)) {
    return std::nullopt;
  }
  return CivilDay{year, month, day};
}

// "YEAR MONTH DAY LEAP", separated by spaces or tabs, LEAP 0 or 1; anything else is none.
std::optional<LunarRequest> ParseLine(std::string_view line) {
  std::vector<std::string_view> fields;
  std::size_t i = 0;
  while (i < line.size()) {
    while (i < line.size() && (line[i] == ' ' || line[i] == '\t')) ++i;
    const std::size_t start = i;
    while (i < line.size() && line[i] != ' ' && line[i] != '\t') ++i;
    if (i > start) fields.push_back(line.substr(start, i - start));
  }
  if (fields.size() != 4) return std::nullopt;
  std::int64_t values[4];
  for (std::size_t k = 0; k < 4; ++k) {
    const std::optional<std::int64_t> value = ParseWhole(fields[k]);
    if (!value) return std::nullopt;
    values[k] = *value;
  }
  if (values[3] != 0 && values[3] != 1) return std::nullopt;
  return LunarRequest{values[0], values[1], values[2], values[3] == 1};
}

void AnswerLine(std::string_view line, std::string& out) {
  if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
  const std::optional<LunarRequest> request = ParseLine(line);
  const std::optional<CivilDay> day = request ? SolarDayOf(*request) : std::nullopt;
  if (day) {
    AppendDay(out, *day);
    out.push_back('\n');
  } else {
    out += "none\n";
  }
}

// One answer per line of standard input, the last line also without its line feed.
int AnswerStandardInput() {
  std::string pending, out;
  char buffer[1 << 16];
  std::size_t n;
  while ((n = std::fread(buffer, 1, sizeof buffer, stdin)) > 0) {
    pending.append(buffer, n);
    std::size_t start = 0;
    for (std::size_t end; (end = pending.find('\n', start)) != std::string::npos; start = end + 1) {
      AnswerLine(std::string_view(pending).substr(start, end - start), out);
    }
    pending.erase(0, start);
    Write(stdout, out);
    out.clear();
  }
  if (!pending.empty()) AnswerLine(pending, out);
  Write(stdout, out);
  return kSuccess;
}

std::optional<std::int64_t> WholeArgument(const char* what, const std::string& text) {
  const std::optional<std::int64_t> value = ParseWhole(text);
  if (!value) Complain(std::string(what) + ": \"" + text + "\" is not a whole number");
  return value;
}

}  // namespace

int SolarCommand(const Argument& year_text, const Argument& month_text, const Argument& day_text,
                 bool leap, bool tsv) {
  if (tsv) {
    if (year_text != "-" || month_text || day_text || leap) {
      Complain("solar --tsv reads its lunar dates from standard input: give it only \"-\"");
      return kUsageError;
    }
    return AnswerStandardInput();
  }
  if (!year_text || !month_text || !day_text) {
    Complain("solar needs YEAR MONTH DAY of a lunar date");
    return kUsageError;
  }
  const auto year = WholeArgument("YEAR", *year_text);
  const auto month = WholeArgument("MONTH", *month_text);
  const auto day = WholeArgument("DAY", *day_text);
  if (!year || !month || !day) return kUsageError;

  // The search drops a leap flag where the month has no leap month after it; here that is
  // a date that does not exist, as is anything that does not convert back to itself.
  const LunarRequest request{*year, *month, *day, leap};
  const std::optional<CivilDay> solar = SolarDayOf(request);
  const LunarDay lunar = solar ? DescribeDay(*solar, true) : LunarDay{};
  if (!lunar.known || lunar.date.year != request.year || lunar.date.month != request.month ||
      lunar.date.day != request.day || (lunar.date.leap == 1) != request.leap) {
    Complain("no such lunar date: year " + std::to_string(*year) +
             (leap ? ", leap month " : ", month ") + std::to_string(*month) + ", day " +
             std::to_string(*day));
    return kNoAnswer;
  }
  Write(stdout, LunarLine(*solar, lunar, ColourWanted(stdout)));
  return kSuccess;
}

}  // namespace cli
