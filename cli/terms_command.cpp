#include <cstdio>

#include "app/day_annotation.h"
#include "cli/arguments.h"
#include "cli/commands.h"
#include "cli/terminal.h"
#include "lunar/solar_terms.h"
#include "runtime/headless/gbk_to_utf8.h"

namespace cli {
namespace {

std::string TermName(std::int32_t number) {
  char name[8];
  lunar::SolarTermName(number, name);
  return runtime::headless::GbkToUtf8(name);
}

}  // namespace

int TermsCommand(const Argument& year_text, bool tsv) {
  std::int64_t year = Today().year;
  if (year_text) {
    const std::optional<std::int64_t> value = ParseWhole(*year_text);
    if (!value) {
      Complain("YEAR: \"" + *year_text + "\" is not a whole number");
      return kUsageError;
    }
    year = *value;
  }
  if (year < lunar::kFirstTermYear || year > lunar::kLastTermYear) {
    Complain("the solar terms are known for the years " + std::to_string(lunar::kFirstTermYear) +
             " to " + std::to_string(lunar::kLastTermYear));
    return kNoAnswer;
  }

  const bool colour = !tsv && ColourWanted(stdout);
  std::string out;
  for (std::int32_t k = 1; k <= 24; ++k) {
    const lunar::TermMoment& m = lunar::kSolarTermTable[year - lunar::kFirstTermYear][k - 1];
    char line[96];
    if (tsv) {
      std::snprintf(line, sizeof line, "%d\t%s\t%02d-%02d %02d:%02d:%02d\n", k, TermName(k).c_str(),
                    m.month, m.day, m.hour, m.minute, m.second);
      out += line;
    } else {
      std::snprintf(line, sizeof line, "  %04d-%02d-%02d %02d:%02d:%02d +08:00\n",
                    static_cast<int>(year), m.month, m.day, m.hour, m.minute, m.second);
      char number[8];
      std::snprintf(number, sizeof number, "%2d  ", k);
      out += number + Paint(TermName(k), app::kTermColour, runtime::kTransparent, colour) + line;
    }
  }
  Write(stdout, out);
  return kSuccess;
}

}  // namespace cli
