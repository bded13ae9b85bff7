#include "runtime/dates.h"

#include <cmath>
#include <string>

#include "runtime/full_width.h"

namespace runtime {
namespace {

// Days from 1970-01-01 of a proleptic Gregorian date (after H. Hinnant's algorithm).
std::int64_t DaysFromCivil(std::int64_t y, std::int64_t m, std::int64_t d) {
  y -= m <= 2;
  const std::int64_t era = (y >= 0 ? y : y - 399) / 400;
  const std::int64_t yoe = y - era * 400;
  const std::int64_t doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
  const std::int64_t doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
  return era * 146097 + doe - 719468;
}

struct Civil {
  std::int32_t year, month, day;
};

Civil CivilFromDays(std::int64_t z) {
  z += 719468;
  const std::int64_t era = (z >= 0 ? z : z - 146096) / 146097;
  const std::int64_t doe = z - era * 146097;
  const std::int64_t yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
  const std::int64_t doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
  const std::int64_t mp = (5 * doy + 2) / 153;
  const std::int64_t d = doy - (153 * mp + 2) / 5 + 1;
  const std::int64_t m = mp < 10 ? mp + 3 : mp - 9;
  return {static_cast<std::int32_t>(yoe + era * 400 + (m <= 2)), static_cast<std::int32_t>(m),
          static_cast<std::int32_t>(d)};
}

const std::int64_t kEpoch = DaysFromCivil(1899, 12, 30);

// The whole day of a value, clamped into the span first.
std::int64_t DayNumber(DateValue date) {
  if (std::isnan(date) || date < kFirstDateValue) date = kFirstDateValue;
  if (date > kLastDateValue) date = kLastDateValue;
  return static_cast<std::int64_t>(std::floor(date));
}

bool IsLeapYear(std::int32_t year) {
  return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
}

// Reads the date grammar one field at a time.
class DateReader {
 public:
  explicit DateReader(std::string s) : s_(std::move(s)) {}

  std::int32_t Number(std::size_t max_digits) {
    std::int32_t value = 0;
    for (std::size_t n = 0; n < max_digits && at_ < s_.size() && s_[at_] >= '0' && s_[at_] <= '9';
         ++n, ++at_) {
      value = value * 10 + (s_[at_] - '0');
    }
    return value;
  }

  // Takes one of the separators, if the text goes on with one.
  void Separator(std::string_view singles, std::string_view word = {}) {
    if (at_ < s_.size() && singles.find(s_[at_]) != std::string_view::npos) {
      ++at_;
    } else if (!word.empty() && std::string_view(s_).substr(at_, word.size()) == word) {
      at_ += word.size();
    }
  }

  bool AtEnd() const { return at_ == s_.size(); }

 private:
  std::string s_;
  std::size_t at_ = 0;
};

}  // namespace

DateValue MakeDateValue(std::int32_t year, std::int32_t month, std::int32_t day,
                        std::int32_t hour, std::int32_t minute, std::int32_t second) {
  const double days = static_cast<double>(DaysFromCivil(year, month, day) - kEpoch);
  return days + (hour * 3600.0 + minute * 60.0 + second) / 86400.0;
}

DateValue ToDateValue(std::string_view text) {
  DateReader r(FoldFullWidth(text));
  const std::int32_t year = r.Number(4);
  r.Separator("-./:", "年");
  const std::int32_t month = r.Number(2);
  r.Separator("-./:", "月");
  const std::int32_t day = r.Number(2);
  r.Separator(" -./:", "日");
  const std::int32_t hour = r.Number(2);
  r.Separator("-./:", "时");
  const std::int32_t minute = r.Number(2);
  r.Separator("-./:", "分");
  const std::int32_t second = r.Number(2);
  r.Separator("", "秒");

  const bool valid = r.AtEnd() && year >= 100 && year <= 9999 && month >= 1 && month <= 12 &&
                     day >= 1 && day <= DaysInMonth(year, month) && hour <= 23 && minute <= 59 &&
                     second <= 59;
  return valid ? MakeDateValue(year, month, day, hour, minute, second) : kFirstDateValue;
}

std::int32_t YearOf(DateValue date) { return CivilFromDays(DayNumber(date) + kEpoch).year; }

std::int32_t MonthOf(DateValue date) { return CivilFromDays(DayNumber(date) + kEpoch).month; }

std::int32_t DayOf(DateValue date) { return CivilFromDays(DayNumber(date) + kEpoch).day; }

std::int32_t WeekdayOf(DateValue date) {
  // Day 0, 1899-12-30, was a Saturday.
  const std::int64_t day = DayNumber(date);
  return static_cast<std::int32_t>(((day % 7 + 7) % 7 + 6) % 7 + 1);
}

std::int32_t DaysInMonth(std::int32_t year, std::int32_t month) {
  static constexpr std::int32_t kDays[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  if (year < 100 || year > 9999 || month < 1 || month > 12) return 0;
  return month == 2 && IsLeapYear(year) ? 29 : kDays[month - 1];
}

}  // namespace runtime
