// Dates: a DateValue is a date and time as days since 1899-12-30 00:00, the fraction
// being the time of day. Its span is 100-01-01 (-657434) to 9999-12-31 (2958465); before
// any part is taken out, a value outside the span is clamped to its nearer end, so every
// value has a Gregorian year, month and day.
//
// Reading a date from a text never fails either: anything that is not a valid date reads
// as 100-01-01 00:00, the start of the span.
#pragma once

#include <cstdint>
#include <string_view>

namespace runtime {

using DateValue = double;

inline constexpr DateValue kFirstDateValue = -657434;  // 100-01-01
inline constexpr DateValue kLastDateValue = 2958465;   // 9999-12-31

// The DateValue of a civil date and time; fields are not checked.
DateValue MakeDateValue(std::int32_t year, std::int32_t month, std::int32_t day,
                        std::int32_t hour = 0, std::int32_t minute = 0, std::int32_t second = 0);

// After full-width folding: year (up to 4 digits) [- . / : 年], month (up to 2) [- . / :
// 月], day (up to 2) [space - . / : 日], hour (up to 2) [- . / : 时], minutes (up to 2)
// [- . / : 分], seconds (up to 2) [秒], then the end of the text. A missing number is 0;
// the fields must make a real date and time from 100 to 9999, else -657434.
DateValue ToDateValue(std::string_view text);

std::int32_t YearOf(DateValue date);
std::int32_t MonthOf(DateValue date);
std::int32_t DayOf(DateValue date);

// 1 for Sunday to 7 for Saturday.
std::int32_t WeekdayOf(DateValue date);

// Days of a Gregorian month; 0 for a year outside 100..9999 or a month outside 1..12.
std::int32_t DaysInMonth(std::int32_t year, std::int32_t month);

}  // namespace runtime
