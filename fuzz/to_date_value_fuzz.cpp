// ToDateValue over any text, and the Gregorian parts of any DateValue.
//
// Invariants: no crash, no leak, no undefined behaviour. A text reads either as 100-01-01
// 00:00 or as a date and time of 100..9999 whose whole seconds written back as
// "Y-M-D H:M:S" read as the same value; full-width folding done beforehand changes
// nothing. Any double at all, NaN and infinities included, has a year 100..9999, a month
// 1..12, a day of that month and a weekday 1..7.
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>

#include "fuzz/fuzz_input.h"
#include "runtime/dates.h"
#include "runtime/full_width.h"
#include "runtime/numbers.h"

namespace {

using fuzz::Check;

using runtime::DateValue;

void CheckParts(DateValue date) {
  const std::int32_t year = runtime::YearOf(date);
  const std::int32_t month = runtime::MonthOf(date);
  const std::int32_t day = runtime::DayOf(date);
  Check(year >= 100 && year <= 9999);
  Check(month >= 1 && month <= 12);
  Check(day >= 1 && day <= runtime::DaysInMonth(year, month));
  const std::int32_t weekday = runtime::WeekdayOf(date);
  Check(weekday >= 1 && weekday <= 7);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string text(reinterpret_cast<const char*>(data), size);
  const DateValue date = runtime::ToDateValue(text);
  Check(date >= runtime::kFirstDateValue && date < runtime::kLastDateValue + 1);
  CheckParts(date);
  Check(runtime::ToDateValue(runtime::FoldFullWidth(text)) == date);

  const DateValue day = std::floor(date);
  const long long seconds = std::llround((date - day) * 86400.0);
  Check(seconds >= 0 && seconds < 86400);
  using runtime::ToText;
  const std::string written = ToText(runtime::YearOf(date)) + "-" + ToText(runtime::MonthOf(date)) +
                              "-" + ToText(runtime::DayOf(date)) + " " +
                              ToText(static_cast<std::int32_t>(seconds / 3600)) + ":" +
                              ToText(static_cast<std::int32_t>(seconds / 60 % 60)) + ":" +
                              ToText(static_cast<std::int32_t>(seconds % 60));
  Check(runtime::ToDateValue(written) == date);

  if (size >= sizeof(double)) {
    double any;
    std::memcpy(&any, data, sizeof any);
    CheckParts(any);
  }
  return 0;
}
