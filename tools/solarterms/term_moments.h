// The moment a solar term begins, as civil time in China (UTC+8).
#pragma once

namespace solarterms {

struct CivilMoment {
  int year, month, day, hour, minute, second;
};

// Term `term` (1 = 小寒 at 285°, … 24 = 冬至 at 270°) of the Gregorian `year`: the moment
// at which the Sun's apparent longitude reaches 285° + 15° × (term − 1), rounded to the
// nearest second of UTC+8. Throws std::runtime_error if the search does not converge.
CivilMoment TermBegins(int year, int term);

}  // namespace solarterms
