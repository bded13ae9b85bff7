#include "lunar/date_value.h"

#include <cmath>

namespace lunar {
namespace {

// Days from 0000-03-01 to 1899-12-30 in the proleptic Gregorian calendar.
constexpr std::int32_t kDateValueEpoch = 693899;

}  // namespace

bool SplitDateValue(double date, std::uint16_t& year, std::uint16_t& month, std::uint16_t& day) {
  const double whole = std::floor(date);
  if (!(whole >= kFirstDateValue && whole <= kLastDateValue)) return false;

  // Counted in 400-year eras of years that begin on 1 March, so that a leap day ends its year.
  const std::int32_t days = static_cast<std::int32_t>(whole) + kDateValueEpoch;
  const std::int32_t era = days / 146097;
  const std::int32_t dayOfEra = days - era * 146097;
  const std::int32_t yearOfEra =
      (dayOfEra - dayOfEra / 1460 + dayOfEra / 36524 - dayOfEra / 146096) / 365;
  const std::int32_t dayOfYear = dayOfEra - (365 * yearOfEra + yearOfEra / 4 - yearOfEra / 100);
  const std::int32_t marchMonth = (5 * dayOfYear + 2) / 153;  // 0 = March
  const std::int32_t d = dayOfYear - (153 * marchMonth + 2) / 5 + 1;
  const std::int32_t m = marchMonth < 10 ? marchMonth + 3 : marchMonth - 9;
  const std::int32_t y = yearOfEra + era * 400 + (m <= 2 ? 1 : 0);

  year = static_cast<std::uint16_t>(y);
  month = static_cast<std::uint16_t>(m);
  day = static_cast<std::uint16_t>(d);
  return true;
}

}  // namespace lunar
