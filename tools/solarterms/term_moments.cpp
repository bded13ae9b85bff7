// Finds each crossing by a secant search in Terrestrial Time, then passes to civil time
// through ΔT and the UTC+8 offset. Times are kept as days from J2000.0 (TT) so that a
// double resolves them to microseconds.
#include "tools/solarterms/term_moments.h"

#include "tools/solarterms/apparent_sun.h"
#include "tools/solarterms/delta_t.h"

#include <erfa.h>
#include <erfam.h>

#include <cmath>
#include <stdexcept>
#include <string>

namespace solarterms {
namespace {

constexpr double kTropicalYear = 365.2422;
constexpr double kUtcPlus8 = 8 * 3600;
// Stop when the search moves by less than this many days (about 0.1 ms).
constexpr double kTolerance = 1e-9;

// Days from 2000-01-01 to a Gregorian date.
long DaysFromCivil(int y, int m, int d) {
  y -= m <= 2;
  const long era = (y >= 0 ? y : y - 399) / 400;
  const long yoe = y - era * 400;
  const long doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
  const long doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
  return era * 146097 + doe - 730425;
}

void CivilFromDays(long z, int& y, int& m, int& d) {
  z += 730425;
  const long era = (z >= 0 ? z : z - 146096) / 146097;
  const long doe = z - era * 146097;
  const long yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
  const long doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
  const long mp = (5 * doy + 2) / 153;
  d = static_cast<int>(doy - (153 * mp + 2) / 5 + 1);
  m = static_cast<int>(mp < 10 ? mp + 3 : mp - 9);
  y = static_cast<int>(yoe + era * 400 + (m <= 2));
}

// Target longitude minus the Sun's, wrapped to −π..π, at t days from J2000.0 (TT).
double Shortfall(double target, double t) {
  return eraAnpm(target - ApparentSolarLongitude(ERFA_DJ00, t));
}

}  // namespace

CivilMoment TermBegins(int year, int term) {
  const double target = eraAnp((285.0 + 15.0 * (term - 1)) / ERFA_DR2D);

  // First guess: 小寒 near 6 January, the others spaced evenly through the year. J2000.0
  // is 2000-01-01 12:00 TT, half a day after the start of day 0.
  double t0 = DaysFromCivil(year, 1, 6) - 0.5 + (term - 1) * kTropicalYear / 24;
  double t1 = t0 + 1;
  double f0 = Shortfall(target, t0);
  double f1 = Shortfall(target, t1);
  for (int i = 0; i < 50 && std::fabs(t1 - t0) > kTolerance; ++i) {
    const double t2 = t1 - f1 * (t1 - t0) / (f1 - f0);
    t0 = t1;
    f0 = f1;
    t1 = t2;
    f1 = Shortfall(target, t1);
  }
  if (!(std::fabs(t1 - t0) <= kTolerance)) {
    throw std::runtime_error("no convergence for " + std::to_string(year) + " term " +
                             std::to_string(term));
  }

  const double decimal_year = 2000 + (t1 + 0.5) / 365.2425;
  // Seconds of UTC+8 since 2000-01-01 00:00 UTC+8.
  const double local = (t1 + 0.5) * ERFA_DAYSEC - DeltaT(decimal_year) + kUtcPlus8;
  const long long rounded = std::llround(local);
  long long days = rounded / 86400;
  long long second_of_day = rounded % 86400;
  if (second_of_day < 0) {
    second_of_day += 86400;
    --days;
  }

  CivilMoment m{};
  CivilFromDays(static_cast<long>(days), m.year, m.month, m.day);
  m.hour = static_cast<int>(second_of_day / 3600);
  m.minute = static_cast<int>(second_of_day / 60 % 60);
  m.second = static_cast<int>(second_of_day % 60);
  return m;
}

}  // namespace solarterms
