// What the commands read from the command line: Gregorian days written YYYY-MM-DD,
// nothing else, and whole numbers.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "runtime/dates.h"

namespace cli {

// A real Gregorian day of the years 100..9999, the span of the program's dates.
struct CivilDay {
  std::int32_t year = 0;
  std::int32_t month = 0;
  std::int32_t day = 0;

  auto operator<=>(const CivilDay&) const = default;
};

// Four digits, '-', two digits, '-', two digits, naming a real day of that span.
std::optional<CivilDay> ParseDay(std::string_view text);

// The message for a text that ParseDay refuses, naming what it was given as.
std::string BadDayMessage(std::string_view what, std::string_view text);

// "2023-03-22".
std::string FormatDay(const CivilDay& day);

// Appends "2023-03-22" to `out`, for the long listings.
void AppendDay(std::string& out, const CivilDay& day);

CivilDay NextDay(const CivilDay& day);

runtime::DateValue DateValueOf(const CivilDay& day);

// The day of the clock (fixed by --today, else the system's).
CivilDay Today();

// [+|-] digits, nothing else; values beyond 32 bits saturate at ±2^40, which every
// range check refuses.
std::optional<std::int64_t> ParseWhole(std::string_view text);

}  // namespace cli
